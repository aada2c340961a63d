#include "constantsformat.h"

#include "constantslayout.h"
#include "numberform.h"
#include "utilities.h"

#include <QLatin1String>
#include <QLocale>
#include <QSet>
#include <QStringView>
#include <QTextStream>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

using ConstantsLayout::KEY_COLUMN;
using ParameterFormat::TWarning;

namespace
{
// Position after the number field from which a ":" separates the name from the type word.
const int SEPARATOR_POSITION = 19;
// A number field holds one to five blanks and digits after the "#".
const int NUMBER_FIELD_WIDTH = 5;
// How many distinct names a read holds on to so that the parameters named alike share one text.
const int MOST_SHARED_NAMES = 4096;

// The white space a line is trimmed of, as far as it is ASCII.
bool Is_Blank(char character)
{
    return character == ' ' || (character >= '\t' && character <= '\r');
}

bool Is_Digit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

// A header line is looked at as Latin-1 bytes where it is ASCII, the common case, and as decoded text
// where it is not; the same column rules serve both.
// Text of either kind as a string: Qt 5's Latin-1 view has no toString of its own.
QString To_String(QLatin1String text)
{
    return QString(text);
}

QString To_String(QStringView text)
{
    return text.toString();
}

template <typename TText> TText Mid(TText text, int from)
{
    return text.mid(qBound(0, from, static_cast<int>(text.size())));
}

template <typename TText> TText Left(TText text, int length)
{
    return text.left(qBound(0, length, static_cast<int>(text.size())));
}

// The length of the number field after the "#": the longest run of up to five blanks and digits that is
// followed by a blank, or 0 for no header.
template <typename TText> int Number_Field_Length(TText line)
{
    if (line.isEmpty() || QChar(line.at(0)) != QLatin1Char('#'))
    {
        return 0;
    }
    const auto number_character = [](QChar character)
    { return character == QLatin1Char(' ') || Is_Digit(character); };
    int length = 0;
    while (length < NUMBER_FIELD_WIDTH && length + 1 < line.size() &&
           number_character(QChar(line.at(length + 1))))
    {
        ++length;
    }
    for (; length > 0; --length)
    {
        if (length + 1 < line.size() && QChar(line.at(length + 1)) == QLatin1Char(' '))
        {
            return length;
        }
    }
    return 0;
}

// Digits with blanks around them; blanks only, or digits split by a blank, read as 0.
template <typename TText> int Number_Field_Value(TText field)
{
    const TText digits = field.trimmed();
    int value = 0;
    for (int index = 0; index < digits.size(); ++index)
    {
        const QChar character = digits.at(index);
        if (!Is_Digit(character))
        {
            return 0;
        }
        value = value * 10 + (character.unicode() - '0');
    }
    return value;
}

template <typename TText> int Type_From_Word(TText word)
{
    if (word.contains(QLatin1String("bit pattern"), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_INTEGER_BIT_PATTERN;
    }
    // An array's word carries its length in brackets, so the array words are tried first.
    static const struct
    {
        QLatin1String prefix;
        int type;
    } type_words[] = {{QLatin1String("Integer["), TParameters::TYPE_INTEGER_ARRAY},
                      {QLatin1String("Double["), TParameters::TYPE_DOUBLE_ARRAY},
                      {QLatin1String("Longint["), TParameters::TYPE_INTEGER_ARRAY},
                      {QLatin1String("Longint"), TParameters::TYPE_INTEGER},
                      {QLatin1String("Integer"), TParameters::TYPE_INTEGER},
                      {QLatin1String("Double"), TParameters::TYPE_DOUBLE}};
    for (const auto& type_word : type_words)
    {
        if (word.startsWith(type_word.prefix, Qt::CaseInsensitive))
        {
            return type_word.type;
        }
    }
    return TParameters::TYPE_NOT_SET;
}

// How many values the type word announces: 1 for a scalar, the count between an array's brackets, or
// -1 when the brackets hold no count. The reader never relies on it; the warnings compare with it.
template <typename TText> int Declared_Count(TText word, int type)
{
    if (type != TParameters::TYPE_INTEGER_ARRAY && type != TParameters::TYPE_DOUBLE_ARRAY)
    {
        return type == TParameters::TYPE_NOT_SET ? 0 : 1;
    }
    int position = word.indexOf(QLatin1Char('[')) + 1;
    int count = 0;
    const int first_digit = position;
    while (position < word.size() && Is_Digit(word.at(position)) && count < 100000000)
    {
        count = count * 10 + (QChar(word.at(position)).unicode() - '0');
        ++position;
    }
    if (position == first_digit || position >= word.size() || QChar(word.at(position)) != QLatin1Char(']'))
    {
        return -1;
    }
    return count;
}

struct THeader
{
    int number = 0;
    QString key;
    QString name;
    int type = TParameters::TYPE_NOT_SET;
    bool has_separator = false;
    QString type_word;
    int declared_count = 0;
    // What stands in the column before the key, where the layout has a blank; a null character when
    // the line is too short to have that column.
    QChar before_key;
};

template <typename TText> THeader Read_Header(TText line, int number_length)
{
    THeader header;
    header.number = Number_Field_Value(Mid(Left(line, number_length + 1), 1));
    header.key = To_String(Mid(line, KEY_COLUMN));
    if (line.size() >= KEY_COLUMN)
    {
        header.before_key = line.at(KEY_COLUMN - 1);
    }

    // A header without any ":" names no type of its own. Reading its value lines with the previous
    // entry's type would attach, say, a servo gain's reals to a bit pattern word, so such an entry
    // reads no values at all.
    const TText fields = Mid(Left(line, KEY_COLUMN), number_length + 2);
    if (!fields.contains(QLatin1Char(':')))
    {
        return header;
    }
    header.has_separator = true;
    int separator =
        fields.size() > SEPARATOR_POSITION ? fields.indexOf(QLatin1Char(':'), SEPARATOR_POSITION) : -1;
    if (separator < 0)
    {
        // Colons early in the field belong to the name; the type then starts after the character at
        // the separator position, whatever it is.
        separator = SEPARATOR_POSITION;
    }
    header.name = To_String(Left(fields, separator).trimmed());
    const TText word = Mid(fields, separator + 1).trimmed();
    header.type = Type_From_Word(word);
    if (header.type == TParameters::TYPE_NOT_SET)
    {
        header.type_word = To_String(word);
    }
    header.declared_count = Declared_Count(word, header.type);
    return header;
}

// Numbers read as QString::toInt and QString::toDouble read them: the C locale, no group separators.
const QLocale& Number_Locale()
{
    static const QLocale locale = []()
    {
        QLocale c_locale = QLocale::c();
        c_locale.setNumberOptions(QLocale::RejectGroupSeparator);
        return c_locale;
    }();
    return locale;
}

bool Read_Integer(QStringView text, int* value)
{
    bool valid = false;
    const int read = Number_Locale().toInt(text, &valid);
    if (valid)
    {
        *value = read;
    }
    return valid;
}

bool Read_Real(QStringView text, double* value)
{
    bool valid = false;
    const double read = Number_Locale().toDouble(text, &valid);
    if (valid)
    {
        *value = read;
    }
    return valid;
}

// An ASCII text as the locale reads it, without a string on the heap for the short ones.
template <typename TRead, typename TValue>
bool Read_Ascii(const char* text, int length, TRead read, TValue* value)
{
    QVarLengthArray<QChar, 64> characters(length);
    for (int index = 0; index < length; ++index)
    {
        characters[index] = QLatin1Char(text[index]);
    }
    return read(QStringView(characters.constData(), length), value);
}

// Most value lines are a plain decimal number: read at once here, everything else by the locale.
bool Read_Integer(const char* text, int length, int* value)
{
    int position = text[0] == '+' || text[0] == '-' ? 1 : 0;
    const int digits = length - position;
    if (digits < 1 || digits > 18)
    {
        return Read_Ascii(
            text, length, [](QStringView view, int* read) { return Read_Integer(view, read); }, value);
    }
    qint64 magnitude = 0;
    for (; position < length; ++position)
    {
        if (text[position] < '0' || text[position] > '9')
        {
            return Read_Ascii(
                text, length, [](QStringView view, int* read) { return Read_Integer(view, read); }, value);
        }
        magnitude = magnitude * 10 + (text[position] - '0');
    }
    const qint64 read = text[0] == '-' ? -magnitude : magnitude;
    if (read < -2147483648LL || read > 2147483647LL)
    {
        return false;
    }
    *value = static_cast<int>(read);
    return true;
}

bool Read_Real(const char* text, int length, double* value)
{
    const auto by_locale = [text, length, value]()
    {
        return Read_Ascii(
            text, length, [](QStringView view, double* read) { return Read_Real(view, read); }, value);
    };

    // Digits, a point and digits, an exponent: the notation the controller writes.
    int position = text[0] == '+' || text[0] == '-' ? 1 : 0;
    const int start = text[0] == '+' ? 1 : 0;
    bool nonzero_digit = false;
    const auto digits = [&]()
    {
        const int first = position;
        while (position < length && text[position] >= '0' && text[position] <= '9')
        {
            nonzero_digit = nonzero_digit || text[position] != '0';
            ++position;
        }
        return position > first;
    };
    if (!digits())
    {
        return by_locale();
    }
    if (position < length && text[position] == '.')
    {
        ++position;
        if (!digits())
        {
            return by_locale();
        }
    }
    const bool mantissa_nonzero = nonzero_digit;
    if (position < length && (text[position] == 'e' || text[position] == 'E'))
    {
        ++position;
        if (position < length && (text[position] == '+' || text[position] == '-'))
        {
            ++position;
        }
        if (!digits())
        {
            return by_locale();
        }
    }
    if (position != length)
    {
        return by_locale();
    }
    double read = 0.0;
    const std::from_chars_result result = std::from_chars(text + start, text + length, read);
    // Overflow, underflow to zero and numbers below the normal range are left to the locale, which
    // decides what they read as.
    if (result.ec != std::errc() || result.ptr != text + length || !std::isfinite(read) ||
        (read == 0.0 ? mantissa_nonzero : !std::isnormal(read)))
    {
        return by_locale();
    }
    *value = read;
    return true;
}

// A line of a file that is not ASCII, decoded as the reader decodes the whole file: UTF-8, a byte order
// mark inside the file kept as the character it is.
QString Decode_Line(const char* data, int size)
{
    QString text;
    while (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
    {
        text += QChar(0xFEFF);
        data += 3;
        size -= 3;
    }
    return text + QString::fromUtf8(data, size);
}

QString Values_Read(int count)
{
    if (count == 0)
    {
        return TParameters::tr("no value read");
    }
    return (count == 1 ? TParameters::tr("%1 value read") : TParameters::tr("%1 values read")).arg(count);
}

// One pass over a file's lines: a header starts an entry, the value lines after it add its values
// until one does not read, and each entry is handed on when the next header or the end comes.
class TScanner
{
public:
    TScanner(const TParameters& model, ParameterFormat::TReading* reading, bool names_and_descriptions)
        : d_model(model), d_reading(reading), d_names_and_descriptions(names_and_descriptions)
    {
    }

    void Scan(const QByteArray& content, int start);

private:
    // One line of the file: its bytes with the carriage returns taken out, as a read in text mode
    // takes them out, and where each of its bytes stands in the file.
    struct TLine
    {
        const char* data = nullptr;
        int size = 0;
        int offset = 0;                        // in the file, of the first byte
        const std::vector<int>* map = nullptr; // file offsets of a line that had carriage returns inside
        int File_Offset(int index) const
        {
            return map ? (*map)[static_cast<std::size_t>(index)] : offset + index;
        }
    };

    void Read_Line(int number, const TLine& line, bool last_without_end);
    void Start_Entry(int number, THeader&& header, bool cut);
    QString Shared_Name(const QString& name);
    void Add_Value(int integer, double real, const TLine& line, int start, int length);
    void End_Values(int number, const QString& text);
    void Finish_Entry();
    void Warn_Of_Cuts();
    void Warn(int line, const QString& text);

    const TParameters& d_model;
    ParameterFormat::TReading* d_reading;
    bool d_names_and_descriptions;

    bool d_in_entry = false;
    bool d_reading_values = false;
    TParameters::TParameter d_record;
    THeader d_header;
    // The names read so far, each held once: a list names many parameters alike (one per axis or
    // unit), and a big file's names would otherwise take as much room as its keys.
    QSet<QString> d_names;
    int d_header_line = 0;
    bool d_cut = false;
    int d_first_place = 0;
    int d_values = 0;
    // The line that ended the values, when one did: its number and trimmed text.
    int d_end_line = 0;
    QString d_end_text;
};

void TScanner::Scan(const QByteArray& content, int start)
{
    const char* const data = content.constData();
    const int size = content.size();
    std::vector<int> map;
    QByteArray stripped;
    int number = 0;
    for (int line_start = start; line_start < size;)
    {
        const char* const newline = static_cast<const char*>(
            std::memchr(data + line_start, '\n', static_cast<std::size_t>(size - line_start)));
        const int line_end = newline ? static_cast<int>(newline - data) : size;
        ++number;

        TLine line;
        line.data = data + line_start;
        line.size = line_end - line_start;
        line.offset = line_start;
        const void* carriage_return = std::memchr(line.data, '\r', static_cast<std::size_t>(line.size));
        if (carriage_return == line.data + line.size - 1)
        {
            --line.size;
        }
        else if (carriage_return)
        {
            stripped.clear();
            map.clear();
            for (int index = 0; index < line.size; ++index)
            {
                if (line.data[index] != '\r')
                {
                    stripped.append(line.data[index]);
                    map.push_back(line_start + index);
                }
            }
            line.data = stripped.constData();
            line.size = stripped.size();
            line.map = &map;
        }
        Read_Line(number, line, !newline);
        line_start = line_end + 1;
    }
    Finish_Entry();
}

void TScanner::Read_Line(int number, const TLine& line, bool last_without_end)
{
    int first = 0;
    int end = line.size;
    while (first < end && Is_Blank(line.data[first]))
    {
        ++first;
    }
    while (end > first && Is_Blank(line.data[end - 1]))
    {
        --end;
    }
    bool ascii = true;
    for (int index = first; index < end && ascii; ++index)
    {
        ascii = static_cast<unsigned char>(line.data[index]) < 0x80;
    }

    if (ascii)
    {
        const QLatin1String text(line.data + first, end - first);
        const int number_length = Number_Field_Length(text);
        if (number_length > 0)
        {
            Start_Entry(number, Read_Header(text, number_length), last_without_end);
            return;
        }
        if (!d_reading_values)
        {
            return;
        }
        int integer = 0;
        double real = 0.0;
        const bool integers = TParameters::Value_Kind(d_record.type) == TParameters::KIND_INTEGER;
        const bool valid = first < end && (integers ? Read_Integer(line.data + first, end - first, &integer)
                                                    : Read_Real(line.data + first, end - first, &real));
        if (valid)
        {
            Add_Value(integer, real, line, first, end - first);
        }
        else
        {
            End_Values(number, To_String(text));
        }
        return;
    }

    const QString text = Decode_Line(line.data, line.size).trimmed();
    const int number_length = Number_Field_Length(QStringView(text));
    if (number_length > 0)
    {
        Start_Entry(number, Read_Header(QStringView(text), number_length), last_without_end);
        return;
    }
    if (!d_reading_values)
    {
        return;
    }
    int integer = 0;
    double real = 0.0;
    const bool valid = TParameters::Value_Kind(d_record.type) == TParameters::KIND_INTEGER
                           ? Read_Integer(QStringView(text), &integer)
                           : Read_Real(QStringView(text), &real);
    // The number stands between white space that is not all ASCII; it is found in the line's bytes.
    const QByteArray bytes = text.toUtf8();
    const int start = valid ? QByteArray::fromRawData(line.data, line.size).indexOf(bytes) : -1;
    if (valid && start >= 0)
    {
        Add_Value(integer, real, line, start, bytes.size());
    }
    else if (valid)
    {
        d_reading->unwritable =
            TParameters::tr("the value on line %1 could not be found in its bytes").arg(number);
        Add_Value(integer, real, line, 0, 0);
    }
    else
    {
        End_Values(number, text);
    }
}

QString TScanner::Shared_Name(const QString& name)
{
    const auto known = d_names.constFind(name);
    if (known != d_names.constEnd())
    {
        return *known;
    }
    // A list whose names are mostly its own gains nothing: the names stop being gathered.
    if (d_names.size() < MOST_SHARED_NAMES)
    {
        d_names.insert(name);
    }
    return name;
}

void TScanner::Start_Entry(int number, THeader&& header, bool cut)
{
    Finish_Entry();
    d_in_entry = true;
    d_header_line = number;
    d_cut = cut;
    d_first_place = static_cast<int>(d_reading->places.size());
    d_values = 0;
    d_end_line = 0;
    d_end_text.clear();

    d_record.number = header.number;
    d_record.key = std::move(header.key);
    d_record.type = header.type;
    if (d_names_and_descriptions)
    {
        d_record.name = Shared_Name(header.name);
        d_record.description = d_model.Get_Constants_Description(header.number);
    }
    d_reading_values = header.type != TParameters::TYPE_NOT_SET;
    if (d_reading_values)
    {
        // An array's values mostly fill its type word's count; a bigger count is not believed.
        const int expected = qBound(1, header.declared_count, 64);
        (TParameters::Value_Kind(header.type) == TParameters::KIND_INTEGER
             ? d_record.integer_values.reserve(expected)
             : d_record.double_values.reserve(expected));
    }
    d_header = std::move(header);

    if (!d_header.before_key.isNull() && d_header.before_key != QLatin1Char(' '))
    {
        Warn(number, TParameters::tr("the key may have lost its first letter: %1 stands before it where a "
                                     "blank belongs")
                         .arg(ParameterFormat::Quoted(QString(d_header.before_key))));
    }
}

void TScanner::Add_Value(int integer, double real, const TLine& line, int start, int length)
{
    if (TParameters::Value_Kind(d_record.type) == TParameters::KIND_INTEGER)
    {
        d_record.integer_values.append(integer);
    }
    else
    {
        d_record.double_values.append(real);
    }
    TValuePlace place;
    place.offset = line.File_Offset(start);
    place.length = length > 0 ? line.File_Offset(start + length - 1) + 1 - place.offset : 0;
    d_reading->places.push_back(place);
    ++d_values;
}

void TScanner::End_Values(int number, const QString& text)
{
    d_reading_values = false;
    d_end_line = number;
    d_end_text = text;
}

void TScanner::Warn(int line, const QString& text)
{
    if (!d_record.key.startsWith(QLatin1String("--------")))
    {
        const QString key = d_record.key.isEmpty() ? TParameters::tr("(no key)") : d_record.key;
        d_reading->warnings.push_back(TWarning{line, key + QStringLiteral(": ") + text});
    }
}

void TScanner::Warn_Of_Cuts()
{
    // What was cut or left out, said once per entry at the line where it shows.
    const int declared = d_header.declared_count;
    const bool ended_by_text = !d_end_text.isEmpty();
    const bool unknown = d_record.type == TParameters::TYPE_NOT_SET;
    const bool cut_early = d_values > 0 && declared > 0 && d_values < declared && ended_by_text;
    const bool miscounted = d_values > 0 && declared > 0 && d_values != declared;
    if (!unknown && d_values > 0 && !cut_early && !miscounted)
    {
        return;
    }

    const bool integers = TParameters::Value_Kind(d_record.type) == TParameters::KIND_INTEGER;
    const QString ended_by = !ended_by_text ? QString()
                                            : ParameterFormat::Quoted(d_end_text) +
                                                  (integers ? TParameters::tr(" is no integer; ")
                                                            : TParameters::tr(" is no number; "));
    const QString announced = TParameters::tr(", the type word says %1").arg(declared);
    if (unknown)
    {
        Warn(d_header_line, d_header.has_separator
                                ? TParameters::tr("unknown type word %1; the entry is left out")
                                      .arg(ParameterFormat::Quoted(d_header.type_word))
                                : TParameters::tr("no type word; the entry is left out"));
    }
    else if (d_cut && d_values == 0)
    {
        Warn(d_header_line, TParameters::tr("the file ends inside this header line"));
    }
    else if (d_values == 0)
    {
        Warn(ended_by_text ? d_end_line : d_header_line,
             ended_by + Values_Read(0) + TParameters::tr(", the entry is left out"));
    }
    else if (cut_early)
    {
        Warn(d_end_line, ended_by + Values_Read(d_values) + announced);
    }
    else
    {
        Warn(d_header_line, Values_Read(d_values) + announced);
    }
}

void TScanner::Finish_Entry()
{
    if (!d_in_entry)
    {
        return;
    }
    d_in_entry = false;

    Warn_Of_Cuts();

    if (d_values == 0)
    {
        d_reading->places.resize(static_cast<std::size_t>(d_first_place));
        return;
    }
    ParameterFormat::TEntry entry;
    entry.line = d_header_line;
    entry.first_place = d_first_place;
    entry.place_count = d_values;
    d_reading->records.push_back(std::move(d_record));
    d_reading->entries.push_back(entry);
    d_record = TParameters::TParameter();
}
} // namespace

ParameterFormat::TReading TConstantsFormat::Read(const QByteArray& content, const TParameters& model,
                                                 bool names_and_descriptions)
{
    ParameterFormat::TReading reading;
    TScanner scanner(model, &reading, names_and_descriptions);
    const bool utf16_or_32 = content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF") ||
                             content.startsWith(QByteArray("\x00\x00\xFE\xFF", 4));
    if (utf16_or_32)
    {
        // A byte order mark of UTF-16 or UTF-32 selects it, as a text stream's detection does. Such a
        // file is read through its UTF-8 form, so its places are not those of its bytes.
        QTextStream stream(content);
        Utilities::Use_Utf8(&stream);
        scanner.Scan(stream.readAll().toUtf8(), 0);
        reading.places.clear();
        reading.unwritable =
            TParameters::tr("its text is in UTF-16 or UTF-32, which is read but not written");
        return reading;
    }
    // Room for an entry for every "#" (a header line takes some 70 bytes), so that the records are not
    // moved as the list grows.
    int headers = 0;
    for (const char* hash = content.constData();
         (hash = static_cast<const char*>(
              std::memchr(hash, '#', static_cast<std::size_t>(content.constData() + content.size() - hash))));
         ++hash)
    {
        ++headers;
    }
    const auto room = static_cast<std::size_t>(std::min(headers, static_cast<int>(content.size() / 32))) + 1;
    reading.records.reserve(room);
    reading.entries.reserve(room);
    scanner.Scan(content, content.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    return reading;
}

bool TConstantsFormat::Write(const TSourceFile& source, const std::vector<TParameters::TParameter>& records,
                             QByteArray* content, QString* refusal)
{
    return ParameterFormat::Write(
        source, records,
        [&source](const TParameters::TParameter& record, int index, const TValuePlace& place,
                  ParameterFormat::TReplacement* replacement, QString*)
        {
            replacement->offset = place.offset;
            replacement->length = place.length;
            if (TParameters::Value_Kind(record.type) == TParameters::KIND_INTEGER)
            {
                replacement->bytes = QByteArray::number(record.integer_values.at(index));
            }
            else
            {
                const QString old_text =
                    QString::fromLatin1(source.bytes.constData() + place.offset, place.length);
                replacement->bytes =
                    NumberForm::Real_Text(record.double_values.at(index), old_text, false).toLatin1();
            }
            return true;
        },
        content, refusal);
}
