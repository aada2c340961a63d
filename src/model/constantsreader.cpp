// The machine constants reader: fixed-column header lines, each followed by its value lines.
#include "constantslayout.h"
#include "parameters.h"
#include "utilities.h"

#include <QTextStream>

using ConstantsLayout::KEY_COLUMN;

namespace
{
// The machine constants header: "#", a number field of up to five blanks or digits, a blank. Gives the
// length of the number field, the longest that is followed by a blank, or 0 for no header. Read by hand:
// every line of a file passes here, and a large file has hundreds of thousands.
bool Is_Number_Field_Character(QChar character)
{
    return character == QLatin1Char(' ') || (character >= QLatin1Char('0') && character <= QLatin1Char('9'));
}

int Number_Field_Length(const QString& line)
{
    if (!line.startsWith(QLatin1Char('#')))
    {
        return 0;
    }
    int length = 0;
    while (length < 5 && length + 1 < line.size() && Is_Number_Field_Character(line.at(length + 1)))
    {
        ++length;
    }
    for (; length > 0; --length)
    {
        if (length + 1 < line.size() && line.at(length + 1) == QLatin1Char(' '))
        {
            return length;
        }
    }
    return 0;
}

// Position after the number field from which a ":" separates the name from the type word.
const int SEPARATOR_POSITION = 19;

int Type_From_Word(const QString& word)
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
// Starts a record from its header line. False when the header names no type, so that no value lines
// are read for it.
bool Read_Header(const QString& line, int number_length, TParameters::TParameter* record)
{
    *record = TParameters::TParameter();
    // Blanks only, or digits split by a blank: 0.
    record->number = line.mid(1, number_length).toInt();
    record->key = line.mid(KEY_COLUMN);

    const QString fields = line.left(KEY_COLUMN).mid(number_length + 2);

    // A header without any ":" names no type of its own. Reading its value lines with the previous
    // entry's type would attach, say, a servo gain's reals to a bit pattern word, so such an entry
    // reads no values at all.
    if (!fields.contains(QLatin1Char(':')))
    {
        record->type = TParameters::TYPE_NOT_SET;
        return false;
    }

    int separator = fields.indexOf(QLatin1Char(':'), SEPARATOR_POSITION);
    if (separator < 0)
    {
        // Colons early in the field belong to the name; the type then starts after the character at
        // the separator position, whatever it is.
        separator = SEPARATOR_POSITION;
    }
    record->name = fields.left(separator).trimmed();
    record->type = Type_From_Word(fields.mid(separator + 1).trimmed());
    return record->type != TParameters::TYPE_NOT_SET;
}

// Adds the value a value line holds to the record. False when the line holds none of the record's
// kind, which ends the record's values.
bool Read_Value(const QString& line, TParameters::TParameter* record)
{
    bool valid = false;
    if (TParameters::Value_Kind(record->type) == TParameters::KIND_INTEGER)
    {
        const int value = line.toInt(&valid, 10);
        if (valid)
        {
            record->integer_values.append(value);
        }
    }
    else if (TParameters::Value_Kind(record->type) == TParameters::KIND_REAL)
    {
        const double value = line.toDouble(&valid);
        if (valid)
        {
            record->double_values.append(value);
        }
    }
    return valid;
}
} // namespace

bool TParameters::Load_Constants_File(const QByteArray& content)
{
    QTextStream stream(content);
    Utilities::Use_Utf8(&stream);

    TParameter record;
    bool reading_values = false;

    const auto offer_record = [this, &record]()
    {
        if (!record.integer_values.isEmpty() || !record.double_values.isEmpty())
        {
            Add_Parameter(record);
        }
    };

    QString raw_line;
    while (stream.readLineInto(&raw_line))
    {
        const QString line = raw_line.trimmed();

        const int number_length = Number_Field_Length(line);
        if (number_length > 0)
        {
            offer_record();
            reading_values = Read_Header(line, number_length, &record);
            record.description = Get_Constants_Description(record.number);
            continue;
        }

        reading_values = reading_values && Read_Value(line, &record);
    }

    offer_record();
    return true;
}
