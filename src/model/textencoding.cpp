#include "textencoding.h"

#include "xmlinput.h"

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#include <QStringEncoder>
#else
#include <QTextCodec>
#endif

namespace
{
bool Is_Utf8_Name(const QString& name)
{
    return name.isEmpty() || name == QLatin1String("utf-8") || name == QLatin1String("utf8");
}

// A named encoding this build of Qt can both read and write.
bool Knows_Encoding(const QByteArray& name)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QStringConverter::encodingForName(name.constData()).has_value();
#else
    return QTextCodec::codecForName(name) != nullptr;
#endif
}

// The code point at position (a pair of UTF-16 halves counts as one), and how many units it takes;
// a lone half is its own code point, which no encoding writes.
uint Code_Point(QStringView text, int position, int* units)
{
    const QChar unit = text.at(position);
    if (unit.isHighSurrogate() && position + 1 < text.size() && text.at(position + 1).isLowSurrogate())
    {
        *units = 2;
        return QChar::surrogateToUcs4(unit, text.at(position + 1));
    }
    *units = 1;
    return unit.unicode();
}

bool Is_Surrogate(uint code_point)
{
    return code_point >= 0xD800 && code_point <= 0xDFFF;
}
} // namespace

TTextEncoding::TTextEncoding(TKind kind, const QByteArray& name, int mark_length)
    : d_kind(kind), d_name(name), d_mark_length(mark_length)
{
}

TTextEncoding TTextEncoding::Of_Xml_Content(const QByteArray& content, QString* text)
{
    text->clear();
    if (content.startsWith(QByteArray("\xFF\xFE\x00\x00", 4)) ||
        content.startsWith(QByteArray("\x00\x00\xFE\xFF", 4)))
    {
        return TTextEncoding(ENCODING_UNKNOWN, "UTF-32", 4);
    }
    TTextEncoding encoding;
    if (content.startsWith("\xFF\xFE"))
    {
        encoding = TTextEncoding(ENCODING_UTF16_LE, "UTF-16LE", 2);
    }
    else if (content.startsWith("\xFE\xFF"))
    {
        encoding = TTextEncoding(ENCODING_UTF16_BE, "UTF-16BE", 2);
    }
    else if (content.startsWith("\xEF\xBB\xBF"))
    {
        encoding = TTextEncoding(ENCODING_UTF8, "UTF-8", 3);
    }
    else
    {
        // Decided as the reader decides: a Latin-1 name under any of its aliases, UTF-8 where the file
        // says so or names nothing (and Latin-1 for an unnamed file that is not UTF-8), else the name.
        const QString declared = XmlInput::Declared_Encoding_Name(content);
        const QString name = declared.toLower();
        if (XmlInput::Is_Latin1_Encoding_Name(name))
        {
            encoding = TTextEncoding(ENCODING_LATIN1, "ISO-8859-1", 0);
        }
        else if (Is_Utf8_Name(name))
        {
            if (XmlInput::Decode_Strict_Utf8(content, text))
            {
                return TTextEncoding(ENCODING_UTF8, "UTF-8", 0);
            }
            text->clear();
            return name.isEmpty() ? Of_Latin1(content, text) : TTextEncoding(ENCODING_UNKNOWN, "UTF-8", 0);
        }
        else
        {
            const QByteArray named = declared.toLatin1();
            encoding = TTextEncoding(Knows_Encoding(named) ? ENCODING_NAMED : ENCODING_UNKNOWN, named, 0);
        }
    }
    if (encoding.d_kind == ENCODING_UNKNOWN || !encoding.Decode(content.mid(encoding.d_mark_length), text))
    {
        text->clear();
        encoding.d_kind = ENCODING_UNKNOWN;
    }
    return encoding;
}

TTextEncoding TTextEncoding::Of_Latin1(const QByteArray& content, QString* text)
{
    *text = QString::fromLatin1(content);
    return TTextEncoding(ENCODING_LATIN1, "ISO-8859-1", 0);
}

bool TTextEncoding::Decode(const QByteArray& bytes, QString* text) const
{
    switch (d_kind)
    {
    case ENCODING_UTF8:
        return XmlInput::Decode_Strict_Utf8(bytes, text);
    case ENCODING_LATIN1:
        *text = QString::fromLatin1(bytes);
        return true;
    case ENCODING_UTF16_LE:
    case ENCODING_UTF16_BE:
    {
        if (bytes.size() % 2 != 0)
        {
            return false;
        }
        text->resize(bytes.size() / 2);
        const bool little = d_kind == ENCODING_UTF16_LE;
        for (int index = 0; index < text->size(); ++index)
        {
            const auto first = static_cast<uchar>(bytes.at(2 * index));
            const auto second = static_cast<uchar>(bytes.at(2 * index + 1));
            (*text)[index] = QChar(little ? ushort(first | (second << 8)) : ushort((first << 8) | second));
        }
        return true;
    }
    case ENCODING_NAMED:
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QStringDecoder decoder(d_name.constData(), QStringDecoder::Flag::Stateless);
        *text = decoder(bytes);
        return decoder.isValid() && !decoder.hasError();
#else
        QTextCodec* codec = QTextCodec::codecForName(d_name);
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        *text = codec->toUnicode(bytes.constData(), bytes.size(), &state);
        return state.invalidChars == 0 && state.remainingChars == 0;
#endif
    }
    default:
        return false;
    }
}

TTextEncoding::TKind TTextEncoding::Kind() const
{
    return d_kind;
}

QString TTextEncoding::Name() const
{
    return QString::fromLatin1(d_name);
}

int TTextEncoding::Mark_Length() const
{
    return d_mark_length;
}

int TTextEncoding::Byte_Length(QStringView text) const
{
    switch (d_kind)
    {
    case ENCODING_UTF8:
    {
        int length = 0;
        for (int position = 0; position < text.size();)
        {
            int units = 1;
            const uint code_point = Code_Point(text, position, &units);
            length += code_point < 0x80 ? 1 : code_point < 0x800 ? 2 : code_point < 0x10000 ? 3 : 4;
            position += units;
        }
        return length;
    }
    case ENCODING_LATIN1:
        return static_cast<int>(text.size());
    case ENCODING_UTF16_LE:
    case ENCODING_UTF16_BE:
        return static_cast<int>(2 * text.size());
    default:
    {
        QByteArray bytes;
        Encode(text, &bytes);
        return bytes.size();
    }
    }
}

bool TTextEncoding::Can_Encode(uint code_point) const
{
    if (Is_Surrogate(code_point) || code_point > 0x10FFFF)
    {
        return false;
    }
    switch (d_kind)
    {
    case ENCODING_UTF8:
    case ENCODING_UTF16_LE:
    case ENCODING_UTF16_BE:
        return true;
    case ENCODING_LATIN1:
        return code_point < 0x100;
    case ENCODING_NAMED:
    {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code_point), 1);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QStringEncoder encoder(d_name.constData(), QStringEncoder::Flag::Stateless);
        const QByteArray bytes = encoder(character);
        return encoder.isValid() && !encoder.hasError();
#else
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        QTextCodec::codecForName(d_name)->fromUnicode(character.constData(), character.size(), &state);
        return state.invalidChars == 0;
#endif
    }
    default:
        return false;
    }
}

bool TTextEncoding::Encode(QStringView text, QByteArray* bytes, uint* unencodable) const
{
    bytes->clear();
    for (int position = 0; position < text.size();)
    {
        int units = 1;
        const uint code_point = Code_Point(text, position, &units);
        // The common characters of every encoding here are taken without asking the codec.
        if (code_point >= 0x80 && !Can_Encode(code_point))
        {
            if (unencodable)
            {
                *unencodable = code_point;
            }
            return false;
        }
        position += units;
    }
    switch (d_kind)
    {
    case ENCODING_UTF8:
        *bytes = text.toUtf8();
        return true;
    case ENCODING_LATIN1:
        *bytes = text.toLatin1();
        return true;
    case ENCODING_UTF16_LE:
    case ENCODING_UTF16_BE:
    {
        bytes->reserve(static_cast<int>(2 * text.size()));
        const bool little = d_kind == ENCODING_UTF16_LE;
        for (const QChar unit : text)
        {
            const auto low = static_cast<char>(unit.unicode() & 0xFF);
            const auto high = static_cast<char>(unit.unicode() >> 8);
            bytes->append(little ? low : high);
            bytes->append(little ? high : low);
        }
        return true;
    }
    case ENCODING_NAMED:
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QStringEncoder encoder(d_name.constData(), QStringEncoder::Flag::Stateless);
        *bytes = encoder(text);
        return !encoder.hasError();
#else
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        *bytes =
            QTextCodec::codecForName(d_name)->fromUnicode(text.data(), static_cast<int>(text.size()), &state);
        return state.invalidChars == 0;
#endif
    }
    default:
        if (unencodable)
        {
            *unencodable = text.isEmpty() ? 0 : text.at(0).unicode();
        }
        return false;
    }
}
