#include "xmlinput.h"

#include <QCoreApplication>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QRegularExpression>
#include <QtGlobal>
#include <vector>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif

namespace
{
// The 32 noncharacters U+FDD0 to U+FDEF stand in for the 32 C0 control characters while the document
// is parsed: XML accepts them, and no text a person writes contains them.
const ushort STAND_IN_BASE = 0xFDD0;

bool Is_Forbidden_Control(uint code)
{
    return code < 0x20 && code != 0x09 && code != 0x0A && code != 0x0D;
}

bool Is_Stand_In(ushort code)
{
    return code >= STAND_IN_BASE && code < STAND_IN_BASE + 0x20;
}

QString Stand_In_Reference(uint code)
{
    return QStringLiteral("&#x%1;").arg(STAND_IN_BASE + code, 0, 16);
}

// The references to control characters in a text (&#1;, &#x1F;): where each starts, its length and
// the character's code.
struct TControlReference
{
    int start = 0;
    int length = 0;
    uint code = 0;
};

std::vector<TControlReference> Control_References(const QString& text)
{
    static const QRegularExpression reference(QStringLiteral("&#(x[0-9A-Fa-f]{1,8}|[0-9]{1,10});"));
    std::vector<TControlReference> references;
    QRegularExpressionMatchIterator matches = reference.globalMatch(text);
    while (matches.hasNext())
    {
        const QRegularExpressionMatch match = matches.next();
        const QString number = match.captured(1);
        bool valid = false;
        const uint code = number.startsWith(QLatin1Char('x')) ? number.mid(1).toUInt(&valid, 16)
                                                              : number.toUInt(&valid, 10);
        if (valid && Is_Forbidden_Control(code))
        {
            references.push_back(TControlReference{static_cast<int>(match.capturedStart(0)),
                                                   static_cast<int>(match.capturedLength(0)), code});
        }
    }
    return references;
}

// Replaces references to control characters by references to their stand-ins.
bool Replace_Control_References(QString* text)
{
    const std::vector<TControlReference> references = Control_References(*text);
    if (references.empty())
    {
        return false;
    }
    QString result;
    int copied = 0;
    for (const TControlReference& reference : references)
    {
        result.append(text->constData() + copied, reference.start - copied);
        result += Stand_In_Reference(reference.code);
        copied = reference.start + reference.length;
    }
    result.append(text->constData() + copied, text->size() - copied);
    *text = result;
    return true;
}

// Replaces raw control characters by their stand-ins, one character for one, so that the parser's
// line and column numbers still point into the file as the user sees it.
bool Replace_Raw_Controls(QString* text)
{
    bool replaced = false;
    for (QChar& character : *text)
    {
        if (Is_Forbidden_Control(character.unicode()))
        {
            character = QChar(ushort(STAND_IN_BASE + character.unicode()));
            replaced = true;
        }
    }
    return replaced;
}

// The encoding named in the XML declaration: the name, and where the pseudo-attribute that names it
// stands in the content (start -1 when there is none).
struct TEncodingDeclaration
{
    QString name;
    int start = -1;
    int length = 0;
};

TEncodingDeclaration Declared_Encoding(const QByteArray& content)
{
    static const QRegularExpression declaration(
        QStringLiteral("^\\s*<\\?xml[^>]*\\b(encoding\\s*=\\s*[\"']([^\"']*)[\"'])"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(content.left(512)));
    TEncodingDeclaration result;
    if (match.hasMatch())
    {
        result.name = match.captured(2);
        result.start = match.capturedStart(1);
        result.length = match.capturedLength(1);
    }
    return result;
}

// The names the IANA list gives Latin-1 (compared in small letters). The stream parser knows only some
// of them, and refuses ISO_8859-1:1987 as no encoding name at all.
bool Is_Latin1_Name(const QString& name)
{
    static const QStringList names{
        QStringLiteral("iso_8859-1:1987"), QStringLiteral("iso-ir-100"), QStringLiteral("iso_8859-1"),
        QStringLiteral("iso-8859-1"),      QStringLiteral("latin1"),     QStringLiteral("l1"),
        QStringLiteral("ibm819"),          QStringLiteral("cp819"),      QStringLiteral("csisolatin1")};
    return names.contains(name);
}

bool Decode_Utf8(const QByteArray& content, QString* text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = decoder(content);
    return !decoder.hasError();
#else
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    *text = QTextCodec::codecForMib(106)->toUnicode(content.constData(), content.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
#endif
}

// The stream parser reads XML 1.0 only; an XML 1.1 declaration on a file that uses nothing of 1.1 is
// read as 1.0. The replacement keeps every position in the file.
void Read_Version_1_1_As_1_0(QString* text)
{
    static const QRegularExpression version(QStringLiteral("^(\\s*<\\?xml\\s+version\\s*=\\s*[\"'])1\\.1"));
    const QRegularExpressionMatch match = version.match(*text);
    if (match.hasMatch())
    {
        text->replace(match.capturedEnd(1), 3, QStringLiteral("1.0"));
    }
}
} // namespace

namespace XmlInput
{
TPrepared Prepare(const QByteArray& content)
{
    TPrepared prepared;
    const QByteArray utf8_mark("\xEF\xBB\xBF");
    const bool utf16_or_32 = content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF") ||
                             content.startsWith(QByteArray("\x00\x00\xFE\xFF", 4));
    if (utf16_or_32)
    {
        prepared.bytes = content;
        return prepared;
    }

    // A UTF-8 byte order mark says UTF-8 whatever the declaration says.
    const bool marked = content.startsWith(utf8_mark);
    const QByteArray body = marked ? content.mid(utf8_mark.size()) : content;
    const TEncodingDeclaration declaration = Declared_Encoding(body);
    const QString encoding = marked ? QStringLiteral("utf-8") : declaration.name.toLower();
    if (Is_Latin1_Name(encoding))
    {
        // Decoded here under whichever name, and the declaration blanked out so that the parser does
        // not judge the name: blanks in its place keep every line and column where the file has them.
        prepared.text = QString::fromLatin1(body);
        prepared.text.replace(declaration.start, declaration.length,
                              QString(declaration.length, QLatin1Char(' ')));
        prepared.decoded = true;
    }
    else if (encoding.isEmpty() || encoding == QLatin1String("utf-8") || encoding == QLatin1String("utf8"))
    {
        // A file that names no encoding and is not UTF-8 was written by an editor in Latin-1: read it
        // so rather than refuse it. A file that declares UTF-8 is held to it, and the parser says where
        // it breaks that.
        if (Decode_Utf8(body, &prepared.text))
        {
            prepared.decoded = true;
        }
        else if (encoding.isEmpty())
        {
            prepared.text = QString::fromLatin1(body);
            prepared.decoded = true;
        }
        else
        {
            // The decoder put a replacement character where the bytes stop being UTF-8.
            const int broken = prepared.text.indexOf(QChar::ReplacementCharacter);
            const int line_start = prepared.text.lastIndexOf(QLatin1Char('\n'), broken) + 1;
            prepared.refusal = QCoreApplication::translate(
                "TParameters", "the file declares UTF-8 but holds bytes that are not UTF-8");
            prepared.refusal_line = prepared.text.left(broken).count(QLatin1Char('\n')) + 1;
            prepared.refusal_column = broken - line_start + 1;
            return prepared;
        }
    }
    if (prepared.decoded)
    {
        Read_Version_1_1_As_1_0(&prepared.text);
        const bool raw = Replace_Raw_Controls(&prepared.text);
        const bool references = Replace_Control_References(&prepared.text);
        prepared.has_stand_ins = raw || references;
        return prepared;
    }

    // Other encodings the parser decodes; they are supersets of ASCII, so the markup and the control
    // characters are single bytes that can be replaced by references here.
    QString ascii = QString::fromLatin1(content);
    Read_Version_1_1_As_1_0(&ascii);
    bool raw = false;
    QString replaced;
    replaced.reserve(ascii.size());
    for (const QChar character : qAsConst(ascii))
    {
        if (Is_Forbidden_Control(character.unicode()))
        {
            replaced += Stand_In_Reference(character.unicode());
            raw = true;
        }
        else
        {
            replaced += character;
        }
    }
    const bool references = Replace_Control_References(&replaced);
    prepared.has_stand_ins = raw || references;
    prepared.bytes = replaced.toLatin1();
    return prepared;
}

QString Prepare_In_Place(QString text)
{
    Read_Version_1_1_As_1_0(&text);
    Replace_Raw_Controls(&text);
    for (const TControlReference& reference : Control_References(text))
    {
        for (int position = reference.start; position < reference.start + reference.length; ++position)
        {
            text[position] = QChar(ushort(STAND_IN_BASE + reference.code));
        }
    }
    // The text is decoded already: the parser must not judge the name it was decoded under.
    const TEncodingDeclaration declaration = Declared_Encoding(text.left(512).toLatin1());
    if (declaration.start >= 0)
    {
        text.replace(declaration.start, declaration.length, QString(declaration.length, QLatin1Char(' ')));
    }
    return text;
}

QString Declared_Encoding_Name(const QByteArray& content)
{
    return Declared_Encoding(content).name;
}

bool Is_Latin1_Encoding_Name(const QString& name)
{
    return Is_Latin1_Name(name.toLower());
}

bool Decode_Strict_Utf8(const QByteArray& content, QString* text)
{
    return Decode_Utf8(content, text);
}

void Restore_Control_Characters(const QDomNode& node)
{
    const auto restore = [](QString text)
    {
        for (QChar& character : text)
        {
            if (Is_Stand_In(character.unicode()))
            {
                character = QChar(ushort(character.unicode() - STAND_IN_BASE));
            }
        }
        return text;
    };

    // Walked with an explicit stack: a deeply nested file must not exhaust the call stack.
    std::vector<QDomNode> pending{node};
    while (!pending.empty())
    {
        QDomNode current = pending.back();
        pending.pop_back();
        if (current.isCharacterData())
        {
            QDomCharacterData data = current.toCharacterData();
            data.setData(restore(data.data()));
        }
        else if (current.isElement())
        {
            const QDomNamedNodeMap attributes = current.attributes();
            for (int index = 0; index < attributes.count(); ++index)
            {
                QDomAttr attribute = attributes.item(index).toAttr();
                attribute.setValue(restore(attribute.value()));
            }
        }
        for (QDomNode child = current.firstChild(); !child.isNull(); child = child.nextSibling())
        {
            pending.push_back(child);
        }
    }
}
} // namespace XmlInput
