// The machine constants reader: fixed-column header lines, each followed by its value lines.
#include "constantslayout.h"
#include "parameters.h"
#include "utilities.h"

#include <QRegularExpression>
#include <QTextStream>

using ConstantsLayout::KEY_COLUMN;

namespace
{
// The machine constants header: "#", a number field of up to five blanks or digits, a blank.
const QRegularExpression& Header_Expression()
{
    static const QRegularExpression expression(QStringLiteral("^[#]([ 0-9]{1,5})[ ]"));
    return expression;
}

// Position after the number field from which a ":" separates the name from the type word.
const int SEPARATOR_POSITION = 19;

int Type_From_Word(const QString& word)
{
    if (word.contains(QLatin1String("bit pattern"), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_INTEGER_BIT_PATTERN;
    }
    if (word.startsWith(QLatin1String("Integer["), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_INTEGER_ARRAY;
    }
    if (word.startsWith(QLatin1String("Double["), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_DOUBLE_ARRAY;
    }
    if (word.startsWith(QLatin1String("Longint["), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_INTEGER_ARRAY;
    }
    if (word.startsWith(QLatin1String("Longint"), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_INTEGER;
    }
    if (word.startsWith(QLatin1String("Integer"), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_INTEGER;
    }
    if (word.startsWith(QLatin1String("Double"), Qt::CaseInsensitive))
    {
        return TParameters::TYPE_DOUBLE;
    }
    return TParameters::TYPE_NOT_SET;
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

        QRegularExpressionMatch match;
        if (line.startsWith(QLatin1Char('#')))
        {
            match = Header_Expression().match(line);
        }

        if (match.hasMatch())
        {
            offer_record();

            record.integer_values.clear();
            record.double_values.clear();
            record.text_values.clear();
            record.original_integer_values.clear();
            record.original_double_values.clear();
            record.original_text_values.clear();
            record.name.clear();
            record.changed = false;
            record.number = match.captured(1).toInt(); // blanks only, or digits split by a blank: 0
            record.key = line.mid(KEY_COLUMN);
            record.description = Get_Constants_Description(record.number);

            const QString fields = line.left(KEY_COLUMN).mid(match.capturedLength(0));

            // A header without any ":" names no type of its own. Reading its value lines with the
            // previous entry's type would attach, say, a servo gain's reals to a bit pattern
            // word, so such an entry reads no values at all.
            if (!fields.contains(QLatin1Char(':')))
            {
                record.type = TYPE_NOT_SET;
                reading_values = false;
                continue;
            }

            int separator = fields.indexOf(QLatin1Char(':'), SEPARATOR_POSITION);
            if (separator < 0)
            {
                // Colons early in the field belong to the name; the type then starts after the
                // character at the separator position, whatever it is.
                separator = SEPARATOR_POSITION;
            }
            record.name = fields.left(separator).trimmed();
            record.type = Type_From_Word(fields.mid(separator + 1).trimmed());
            reading_values = record.type != TYPE_NOT_SET;
            continue;
        }

        if (!reading_values)
        {
            continue;
        }

        bool valid = false;
        if (Value_Kind(record.type) == KIND_INTEGER)
        {
            const int value = line.toInt(&valid, 10);
            if (valid)
            {
                record.integer_values.append(value);
            }
        }
        else if (Value_Kind(record.type) == KIND_REAL)
        {
            const double value = line.toDouble(&valid);
            if (valid)
            {
                record.double_values.append(value);
            }
        }
        if (!valid)
        {
            reading_values = false;
        }
    }

    offer_record();
    return true;
}
