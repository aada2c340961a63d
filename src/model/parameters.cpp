#include "parameters.h"

#include "utilities.h"
#include "xmlfile.h"

#include <QByteArray>
#include <QDomNode>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringMatcher>
#include <QTextStream>

namespace
{
// Keys that start like this are the separator rows of the controller's listings, never parameters.
const QString SEPARATOR_KEY_PREFIX = QStringLiteral("--------");

// The machine constants header: "#", a number field of up to five blanks or digits, a blank.
const QRegularExpression& Header_Expression()
{
    static const QRegularExpression expression(QStringLiteral("^[#]([ 0-9]{1,5})[ ]"));
    return expression;
}

// Column where the key of a machine constants header starts; the name and type fields end before it.
const int KEY_COLUMN = 64;
// Position after the number field from which a ":" separates the name from the type word.
const int SEPARATOR_POSITION = 19;
// Length of the file head examined to tell the two input formats apart.
const int FORMAT_TEST_LENGTH = 160;

bool Is_Integer_Kind(int type)
{
    return type == TParameters::TYPE_INTEGER || type == TParameters::TYPE_INTEGER_ARRAY ||
           type == TParameters::TYPE_INTEGER_BIT_PATTERN;
}

bool Is_Double_Kind(int type)
{
    return type == TParameters::TYPE_DOUBLE || type == TParameters::TYPE_DOUBLE_ARRAY;
}

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

// The report is Latin-1: one byte per character, "?" for every character (not every UTF-16 unit)
// that Latin-1 cannot hold, so a symbol outside the basic plane still costs one "?".
QByteArray To_Latin1(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const int size = text.size();
    for (int index = 0; index < size; ++index)
    {
        const QChar character = text.at(index);
        if (character.unicode() < 0x100)
        {
            bytes.append(static_cast<char>(character.unicode()));
            continue;
        }
        if (character.isHighSurrogate() && index + 1 < size && text.at(index + 1).isLowSurrogate())
        {
            ++index;
        }
        bytes.append('?');
    }
    return bytes;
}

QString Constants_Type_Word(const TParameters::TParameter& parameter)
{
    switch (parameter.type)
    {
    case TParameters::TYPE_INTEGER:
        return QStringLiteral(" Integer");
    case TParameters::TYPE_DOUBLE:
        return QStringLiteral(" Double");
    case TParameters::TYPE_TEXT:
        return QStringLiteral(" Text");
    case TParameters::TYPE_INTEGER_ARRAY:
        return QStringLiteral(" Integer[%1]").arg(parameter.integer_values.size());
    case TParameters::TYPE_DOUBLE_ARRAY:
        return QStringLiteral(" Double[%1]").arg(parameter.double_values.size());
    case TParameters::TYPE_TEXT_ARRAY:
        return QStringLiteral(" Text[%1]").arg(parameter.text_values.size());
    case TParameters::TYPE_INTEGER_BIT_PATTERN:
        return QStringLiteral(" Integer | bit pattern");
    default:
        return QString();
    }
}

QString Settings_Real_Text(double value)
{
    return QString::number(value, 'f', Utilities::Use_High_Precision_Display(value) ? 15 : 6);
}

// One value list in the settings layout: "Value" alone, "Value_1", "Value_2", ... for several.
void Append_Settings_Values(QString* out, const QStringList& values)
{
    if (values.size() == 1)
    {
        *out += QStringLiteral("\t\t<Value>") + values.first() + QStringLiteral("</Value>\n");
        return;
    }
    for (int index = 0; index < values.size(); ++index)
    {
        const QString position = QString::number(index + 1);
        *out += QStringLiteral("\t\t<Value_") + position + QLatin1Char('>') + values.at(index) +
                QStringLiteral("</Value_") + position + QStringLiteral(">\n");
    }
}

// The settings layout writes one list per block: texts first, else reals, else integers.
void Append_Settings_Block(QString* out, const QVector<int>& integers, const QVector<double>& doubles,
                           const QStringList& texts)
{
    QStringList values;
    if (!texts.isEmpty())
    {
        values = texts;
    }
    else if (!doubles.isEmpty())
    {
        for (double value : doubles)
        {
            values << Settings_Real_Text(value);
        }
    }
    else
    {
        for (int value : integers)
        {
            values << QString::number(value);
        }
    }
    if (!values.isEmpty())
    {
        Append_Settings_Values(out, values);
    }
}
} // namespace

TParameters::TParameters() = default;

void TParameters::Reset()
{
    d_parameter_records.clear();
    d_key_index.clear();
    d_file_format = FORMAT_NOT_SET;
}

QString TParameters::Last_Error() const
{
    return d_last_error;
}

TParameters::TFileFormat TParameters::File_Format() const
{
    return d_file_format;
}

int TParameters::Parameter_Count() const
{
    return static_cast<int>(d_parameter_records.size());
}

const std::vector<TParameters::TParameter>& TParameters::Parameters() const
{
    return d_parameter_records;
}

TParameters::TParameter TParameters::Get_Parameter(const QString& key, bool* found) const
{
    if (found)
    {
        *found = false;
    }
    const auto position = d_key_index.constFind(key);
    if (position == d_key_index.constEnd())
    {
        return TParameter();
    }
    Q_ASSERT_X(static_cast<unsigned int>(position.value()) < d_parameter_records.size(), "src/parameters",
               "static_cast<unsigned int>(index) < d_parameter_records.size()");
    if (found)
    {
        *found = true;
    }
    return d_parameter_records[static_cast<std::size_t>(position.value())];
}

QStringList TParameters::Get_Parameter_List(const QString& filter) const
{
    QStringList keys;
    keys.reserve(static_cast<int>(d_parameter_records.size()));
    const bool all = filter.isEmpty();
    // The search field filters on every keystroke: the matcher prepares its case-folded skip table once.
    const QStringMatcher matcher(filter, Qt::CaseInsensitive);
    for (const TParameter& parameter : d_parameter_records)
    {
        if (all || matcher.indexIn(parameter.key) >= 0)
        {
            keys.append(parameter.key);
        }
    }
    return keys;
}

bool TParameters::Add_Parameter(const TParameter& parameter)
{
    if (parameter.key.startsWith(SEPARATOR_KEY_PREFIX) || d_key_index.contains(parameter.key))
    {
        return false;
    }
    d_key_index.insert(parameter.key, static_cast<int>(d_parameter_records.size()));
    d_parameter_records.push_back(parameter);
    return true;
}

void TParameters::Update_Parameter(const TParameter& parameter)
{
    const auto position = d_key_index.constFind(parameter.key);
    if (position == d_key_index.constEnd())
    {
        return;
    }
    Q_ASSERT_X(static_cast<unsigned int>(position.value()) < d_parameter_records.size(), "src/parameters",
               "static_cast<unsigned int>(index) < d_parameter_records.size()");
    TParameter& stored = d_parameter_records[static_cast<std::size_t>(position.value())];

    if (parameter.changed)
    {
        // The values from before the first edit are what the change report compares against; later
        // edits must not move that reference point.
        stored.changed = true;
        if (stored.original_integer_values.isEmpty())
        {
            stored.original_integer_values = stored.integer_values;
        }
        if (stored.original_double_values.isEmpty())
        {
            stored.original_double_values = stored.double_values;
        }
        if (stored.original_text_values.isEmpty())
        {
            stored.original_text_values = stored.text_values;
        }
    }

    stored.integer_values = parameter.integer_values;
    stored.double_values = parameter.double_values;
    stored.text_values = parameter.text_values;
}

QString TParameters::Format_Value(const QString& text) const
{
    if (text.isEmpty())
    {
        return text;
    }

    QString result = text;
    if (!result.startsWith(QLatin1Char('-')))
    {
        result.prepend(QLatin1Char('+'));
    }

    const int exponent_position = result.indexOf(QLatin1Char('E'));
    if (exponent_position < 0)
    {
        return result;
    }

    bool valid = false;
    int exponent = result.midRef(exponent_position + 1).toInt(&valid, 10);
    if (!valid)
    {
        exponent = 0;
    }
    result.truncate(exponent_position);
    const qint64 magnitude = exponent < 0 ? -static_cast<qint64>(exponent) : static_cast<qint64>(exponent);
    result += (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
              QString::number(magnitude).rightJustified(4, QLatin1Char('0'));
    return result;
}

TParameters::TParameter TParameters::Convert_From_Text(const TParameter& parameter) const
{
    TParameter result = parameter;
    if (result.type != TYPE_TEXT && result.type != TYPE_TEXT_ARRAY)
    {
        return result;
    }

    for (const QString& text : result.text_values)
    {
        bool valid = false;
        const int integer_value = text.toInt(&valid, 10);
        if (valid)
        {
            result.integer_values.append(integer_value);
            continue;
        }
        const double double_value = text.toDouble(&valid);
        if (valid)
        {
            result.double_values.append(double_value);
        }
    }

    const int text_count = result.text_values.size();
    if (result.integer_values.size() == text_count)
    {
        result.text_values.clear();
        result.double_values.clear();
        result.original_text_values.clear();
        result.original_double_values.clear();
        result.original_integer_values = result.integer_values;
        result.type = text_count == 1 ? TYPE_INTEGER : TYPE_INTEGER_ARRAY;
    }
    else if (result.double_values.size() == text_count)
    {
        result.text_values.clear();
        result.integer_values.clear();
        result.original_text_values.clear();
        result.original_integer_values.clear();
        result.original_double_values = result.double_values;
        result.type = text_count == 1 ? TYPE_DOUBLE : TYPE_DOUBLE_ARRAY;
    }
    return result;
}

std::vector<TExpression::TVariable> TParameters::Get_Variables(int* longest_name_length) const
{
    std::vector<TExpression::TVariable> variables;
    int longest = 0;

    const auto add = [&variables, &longest](const QString& name, double value)
    {
        TExpression::TVariable variable;
        variable.name = name;
        variable.value = value;
        longest = std::max(longest, variable.name.size());
        variables.push_back(std::move(variable));
    };

    for (const TParameter& parameter : d_parameter_records)
    {
        if (!parameter.integer_values.isEmpty())
        {
            if (parameter.integer_values.size() == 1)
            {
                add(parameter.key, parameter.integer_values.first());
                continue;
            }
            for (int index = 0; index < parameter.integer_values.size(); ++index)
            {
                add(parameter.key + QLatin1Char('.') + QString::number(index + 1),
                    parameter.integer_values.at(index));
            }
        }
        else if (!parameter.double_values.isEmpty())
        {
            if (parameter.double_values.size() == 1)
            {
                add(parameter.key, parameter.double_values.first());
                continue;
            }
            for (int index = 0; index < parameter.double_values.size(); ++index)
            {
                add(parameter.key + QLatin1Char('.') + QString::number(index + 1),
                    parameter.double_values.at(index));
            }
        }
    }

    if (longest_name_length)
    {
        *longest_name_length = longest;
    }
    return variables;
}

bool TParameters::Load_Parameter_File(const QString& file_name)
{
    // Only a regular file can be a parameter list: a directory reads as nothing, and a pipe or a device
    // such as /dev/zero would block the window or never end.
    QFile file(file_name);
    if (!QFileInfo(file_name).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
    {
        d_last_error = QStringLiteral("Cannot open file %1").arg(file_name);
        return false;
    }
    const QByteArray content = file.readAll();
    const bool read_failed = file.error() != QFileDevice::NoError;
    file.close();
    if (read_failed)
    {
        d_last_error = QStringLiteral("Cannot open file %1").arg(file_name);
        return false;
    }

    if (content.size() < FORMAT_TEST_LENGTH)
    {
        d_last_error = QStringLiteral("File %1 is too small to be a parameter file.").arg(file_name);
        return false;
    }

    const QString head = QString::fromLatin1(content.constData(), FORMAT_TEST_LENGTH).simplified();
    if (head.contains(QLatin1String("Machine Constants File"), Qt::CaseInsensitive))
    {
        d_file_format = FORMAT_MACHINE_CONSTANTS;
        return Load_Constants_File(content);
    }
    if (head.contains(QLatin1String("<ZIDParameterSettings>"), Qt::CaseInsensitive))
    {
        d_file_format = FORMAT_PARAMETER_SETTINGS;
        return Load_XML_File(file_name);
    }

    d_last_error = QStringLiteral("Unable to determine type of parameter file");
    return false;
}

bool TParameters::Load_Constants_File(const QByteArray& content)
{
    QTextStream stream(content);
    stream.setCodec("UTF-8");
    stream.setAutoDetectUnicode(true);

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
        if (Is_Integer_Kind(record.type))
        {
            const int value = line.toInt(&valid, 10);
            if (valid)
            {
                record.integer_values.append(value);
            }
        }
        else if (Is_Double_Kind(record.type))
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

bool TParameters::Load_XML_File(const QString& file_name)
{
    try
    {
        TXmlFile xml_file;
        xml_file.Set_File_Name(file_name);
        xml_file.Open(QStringLiteral("ZIDParameterSettings"), nullptr, true);

        int running_number = 1;
        QDomNode entry = xml_file.GetFirstNode(xml_file.Root_Node(), false);
        while (!entry.isNull())
        {
            TParameter record;
            record.key = entry.nodeName();
            record.type = TYPE_TEXT;

            QStringList values;
            QDomNode child = xml_file.GetFirstNode(&entry, true);
            while (!child.isNull())
            {
                if (child.isComment())
                {
                    record.description = child.nodeValue().trimmed();
                }
                else if (!child.isText())
                {
                    values.append(xml_file.ReadTextNode(&child, true));
                }
                child = xml_file.GetSiblingNode(&child, true);
            }

            if (!values.isEmpty())
            {
                record.text_values = values;
                record.number = running_number++;
                Add_Parameter(Convert_From_Text(record));
            }
            entry = xml_file.GetSiblingNode(&entry, true);
        }
    }
    catch (const TXmlFileException& exception)
    {
        d_last_error = exception.ErrorText();
        return false;
    }
    return true;
}

bool TParameters::Write_Parameter_Data(const QString& file_name, Utilities::TExportOptions& options) const
{
    // Decide the layout before touching the target: a report that cannot be written must not
    // leave an emptied file where the user's previous report was.
    if (options.matches_import && d_file_format == FORMAT_NOT_SET)
    {
        d_last_error = QStringLiteral("Parameter format not set");
        return false;
    }

    QString out;
    const auto append_value_block =
        [this, &out](const QVector<int>& integers, const QVector<double>& doubles, const QStringList& texts)
    {
        for (int value : integers)
        {
            out += QString::number(value) + QLatin1Char('\n');
        }
        for (double value : doubles)
        {
            out += Format_Value(QString::number(value, 'E', 14)) + QLatin1Char('\n');
        }
        for (const QString& text : texts)
        {
            out += text + QLatin1Char('\n');
        }
    };

    const bool constants_layout = options.matches_import && d_file_format == FORMAT_MACHINE_CONSTANTS;
    const bool settings_layout = options.matches_import && d_file_format == FORMAT_PARAMETER_SETTINGS;

    if (constants_layout)
    {
        out += QStringLiteral("WARNINGS:\n"
                              "- Contents of this file does not included Reserved entries.\n"
                              "- File may contain additional data with alternate formatting.\n"
                              "- DO NOT SEND THIS FILE TO A CONTROLLER.\n") +
               QString(62, QLatin1Char('-')) + QLatin1Char('\n');
    }
    else
    {
        out += QStringLiteral("Parameter File List\n") + QString(34, QLatin1Char('=')) + QLatin1Char('\n');
    }

    for (const TParameter& parameter : d_parameter_records)
    {
        if (options.changed_only && !parameter.changed)
        {
            continue;
        }
        const bool with_originals = options.original_values && parameter.changed;

        if (settings_layout)
        {
            out += QStringLiteral("\n\t<") + parameter.key + QStringLiteral(">\n");
            out += QStringLiteral("\n\t\t<!-- ") + parameter.description + QStringLiteral(" -->\n");
            if (with_originals)
            {
                out += QStringLiteral("\n\t\t<!-- Original -->\n");
                Append_Settings_Block(&out, parameter.original_integer_values,
                                      parameter.original_double_values, parameter.original_text_values);
                out += QStringLiteral("\n\t\t<!-- Updated -->\n");
            }
            Append_Settings_Block(&out, parameter.integer_values, parameter.double_values,
                                  parameter.text_values);
            out += QStringLiteral("\n\t</") + parameter.key + QStringLiteral(">\n");
            continue;
        }

        if (constants_layout)
        {
            QString header = QStringLiteral("#") +
                             QString::number(parameter.number).rightJustified(2, QLatin1Char(' ')) +
                             QLatin1Char(' ') + parameter.name;
            if (header.size() < 24)
            {
                header = header.leftJustified(24, QLatin1Char(' '));
            }
            header += QLatin1Char(':') + Constants_Type_Word(parameter);
            if (header.size() < KEY_COLUMN)
            {
                header = header.leftJustified(KEY_COLUMN, QLatin1Char(' '));
            }
            out += header + parameter.key + QLatin1Char('\n');
        }
        else if (parameter.name.isEmpty())
        {
            out += QLatin1Char('\n') + parameter.key + QLatin1Char('\n');
        }
        else
        {
            out += QLatin1Char('\n') + parameter.key + QStringLiteral(" - ") + parameter.name +
                   QLatin1Char('\n');
        }

        if (with_originals)
        {
            out += QStringLiteral("\tOriginal:\n");
            append_value_block(parameter.original_integer_values, parameter.original_double_values,
                               parameter.original_text_values);
            out += QStringLiteral("\tUpdated:\n");
        }
        append_value_block(parameter.integer_values, parameter.double_values, parameter.text_values);
    }

    // Written through a save file so that a full disk or a lost mount leaves the previous report
    // whole and is reported, instead of a truncated report counted as a success.
    QSaveFile file(file_name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
    {
        d_last_error = file.errorString();
        return false;
    }
    const QByteArray bytes = To_Latin1(out);
    if (file.write(bytes) != bytes.size())
    {
        d_last_error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
    {
        d_last_error = file.errorString();
        return false;
    }
    return true;
}
