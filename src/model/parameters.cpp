#include "parameters.h"

#include "constantsformat.h"
#include "filebytes.h"
#include "parameterfilter.h"
#include "settingsformat.h"
#include "utilities.h"
#include "xmlfile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace
{
// The numbers a list of texts reads as: each text that is a whole number adds to the integers, each
// other one that is a real adds to the reals, and the rest add nothing.
void Read_Numbers(const QStringList& texts, QVector<int>* integers, QVector<double>* reals)
{
    for (const QString& text : texts)
    {
        bool valid = false;
        const int integer_value = text.toInt(&valid, 10);
        if (valid)
        {
            integers->append(integer_value);
            continue;
        }
        const double double_value = text.toDouble(&valid);
        if (valid)
        {
            reals->append(double_value);
        }
    }
}

// Reals compare as stored: a not-a-number equals itself, so that it can be taken back to.
bool Same_Reals(const QVector<double>& a, const QVector<double>& b)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (int index = 0; index < a.size(); ++index)
    {
        if (!(a.at(index) == b.at(index) || (std::isnan(a.at(index)) && std::isnan(b.at(index)))))
        {
            return false;
        }
    }
    return true;
}

// Keys that start like this are the separator rows of the controller's listings, never parameters.
const QString SEPARATOR_KEY_PREFIX = QStringLiteral("--------");

// Length of the file head examined to tell the two input formats apart.
const int FORMAT_TEST_LENGTH = 160;
} // namespace

TParameters::TParameters() = default;

bool TParameters::Is_Separator_Key(const QString& key)
{
    return key.startsWith(SEPARATOR_KEY_PREFIX);
}

const std::vector<TParameters::TParameter>& TParameters::Records() const
{
    static const std::vector<TParameter> none;
    return d_records ? d_records->records : none;
}

std::vector<TParameters::TParameter>& TParameters::Records()
{
    if (!d_records)
    {
        d_records = new TRecordList;
    }
    return d_records->records;
}

void TParameters::Reset()
{
    // A new list rather than an emptied one: records shared with a reader are not copied to be dropped.
    d_records = QSharedDataPointer<TRecordList>();
    d_key_index.clear();
    d_changed_count = 0;
    d_file_format = FORMAT_NOT_SET;
    d_source = TSourceFile();
    d_fingerprint.clear();
    d_load_warnings.clear();
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
    return static_cast<int>(Records().size());
}

const std::vector<TParameters::TParameter>& TParameters::Parameters() const
{
    return Records();
}

QSharedDataPointer<TParameters::TRecordList> TParameters::Shared_Parameters() const
{
    if (!d_records)
    {
        return QSharedDataPointer<TRecordList>(new TRecordList);
    }
    return d_records;
}

TParameters::TParameter TParameters::Get_Parameter(const QString& key, bool* found) const
{
    const TParameter* parameter = Find_Parameter(key);
    if (found)
    {
        *found = parameter != nullptr;
    }
    return parameter ? *parameter : TParameter();
}

const TParameters::TParameter* TParameters::Find_Parameter(const QString& key) const
{
    const auto position = d_key_index.constFind(key);
    if (position == d_key_index.constEnd())
    {
        return nullptr;
    }
    return &Records()[static_cast<std::size_t>(position.value())];
}

QStringList TParameters::Get_Parameter_List(const QString& filter) const
{
    TParameterFilter listing;
    listing.Set_Search_Text(filter);
    return listing.Listed_Keys(*this);
}

bool TParameters::Add_Parameter(const TParameter& parameter)
{
    return Add_Parameter(TParameter(parameter));
}

bool TParameters::Add_Parameter(TParameter&& parameter)
{
    if (!File_Record(parameter, Records().size()))
    {
        return false;
    }
    Records().push_back(std::move(parameter));
    return true;
}

bool TParameters::Keep_In_Place(std::size_t index, std::size_t* kept)
{
    // The record already stands in the list at `index`, behind the `*kept` records taken before it.
    TParameter& record = Records()[index];
    if (!File_Record(record, *kept))
    {
        return false;
    }
    if (*kept != index)
    {
        Records()[*kept] = std::move(record);
    }
    ++*kept;
    return true;
}

bool TParameters::File_Record(const TParameter& record, std::size_t position)
{
    if (Is_Separator_Key(record.key))
    {
        return false;
    }
    // One look into the index for both the check and the entry: a reader adds every key of a file.
    const auto size_before = d_key_index.size();
    int& filed = d_key_index[record.key];
    if (d_key_index.size() == size_before)
    {
        return false;
    }
    filed = static_cast<int>(position);
    d_changed_count += record.changed ? 1 : 0;
    // Not in the file until a reader says it is.
    d_source.records.emplace_back();
    return true;
}

TParameters::TParameter* TParameters::Stored_Parameter(const QString& key)
{
    const auto position = d_key_index.constFind(key);
    if (position == d_key_index.constEnd())
    {
        return nullptr;
    }
    return &Records()[static_cast<std::size_t>(position.value())];
}

void TParameters::Replace_Values(TParameter* stored, const TParameter& incoming)
{
    stored->integer_values = incoming.integer_values;
    stored->double_values = incoming.double_values;
    stored->text_values = incoming.text_values;

    // A text record offers the numbers among its texts as variables; they must follow the texts.
    if (Value_Kind(stored->type) == KIND_TEXT)
    {
        stored->integer_values.clear();
        stored->double_values.clear();
        Read_Numbers(stored->text_values, &stored->integer_values, &stored->double_values);
    }
}

void TParameters::Update_Parameter(const TParameter& parameter)
{
    TParameter* stored = Stored_Parameter(parameter.key);
    if (!stored)
    {
        return;
    }

    if (parameter.changed)
    {
        // The values from before the first edit are what the change report compares against; later
        // edits must not move that reference point.
        d_changed_count += stored->changed ? 0 : 1;
        stored->changed = true;
        if (stored->original_integer_values.isEmpty())
        {
            stored->original_integer_values = stored->integer_values;
        }
        if (stored->original_double_values.isEmpty())
        {
            stored->original_double_values = stored->double_values;
        }
        if (stored->original_text_values.isEmpty())
        {
            stored->original_text_values = stored->text_values;
        }
    }
    Replace_Values(stored, parameter);
}

bool TParameters::Edit_Parameter(const TParameter& edited)
{
    TParameter* stored = Stored_Parameter(edited.key);
    if (!stored)
    {
        return false;
    }
    if (!stored->changed)
    {
        stored->original_integer_values = stored->integer_values;
        stored->original_double_values = stored->double_values;
        stored->original_text_values = stored->text_values;
    }
    Replace_Values(stored, edited);
    const bool was_changed = stored->changed;
    stored->changed = !Same_Reals(stored->double_values, stored->original_double_values) ||
                      stored->integer_values != stored->original_integer_values ||
                      stored->text_values != stored->original_text_values;
    d_changed_count += (stored->changed ? 1 : 0) - (was_changed ? 1 : 0);
    return true;
}

TParameters::TParameter TParameters::Loaded_Parameter(const QString& key) const
{
    TParameter parameter = Get_Parameter(key);
    if (parameter.changed)
    {
        parameter.integer_values = parameter.original_integer_values;
        parameter.double_values = parameter.original_double_values;
        parameter.text_values = parameter.original_text_values;
        parameter.changed = false;
    }
    return parameter;
}

int TParameters::Changed_Count() const
{
    return d_changed_count;
}

TParameters::TValueKind TParameters::Value_Kind(int type)
{
    switch (type)
    {
    case TYPE_INTEGER:
    case TYPE_INTEGER_ARRAY:
    case TYPE_INTEGER_BIT_PATTERN:
        return KIND_INTEGER;
    case TYPE_DOUBLE:
    case TYPE_DOUBLE_ARRAY:
        return KIND_REAL;
    case TYPE_TEXT:
    case TYPE_TEXT_ARRAY:
        return KIND_TEXT;
    default:
        return KIND_NONE;
    }
}

int TParameters::Value_Count(const TParameter& parameter)
{
    switch (Value_Kind(parameter.type))
    {
    case KIND_INTEGER:
        return parameter.integer_values.size();
    case KIND_REAL:
        return parameter.double_values.size();
    case KIND_TEXT:
        return parameter.text_values.size();
    default:
        return 0;
    }
}

QString TParameters::Value_Text(const TParameter& parameter, int index)
{
    if (index < 0 || index >= Value_Count(parameter))
    {
        return QString();
    }
    switch (Value_Kind(parameter.type))
    {
    case KIND_INTEGER:
        return QString::number(parameter.integer_values.at(index));
    case KIND_REAL:
        // The shortest text that reads back as the same real.
        return QString::number(parameter.double_values.at(index), 'g', QLocale::FloatingPointShortest);
    default:
        return parameter.text_values.at(index);
    }
}

bool TParameters::Set_Value_Text(TParameter* parameter, int index, const QString& text, QString* refusal)
{
    QString reason;
    if (index < 0 || index >= Value_Count(*parameter))
    {
        reason = TParameters::tr("%1 has no value %2.").arg(parameter->key).arg(index + 1);
    }
    else if (Value_Kind(parameter->type) == KIND_TEXT)
    {
        // Any text will do; the list reads the numbers among the texts when the record is stored.
        parameter->text_values[index] = text;
        return true;
    }
    else if (Value_Kind(parameter->type) == KIND_REAL)
    {
        if (Utilities::Read_Real(text, &parameter->double_values[index], &reason))
        {
            return true;
        }
    }
    else if (Utilities::Read_Integer(text, &parameter->integer_values[index], &reason))
    {
        return true;
    }
    if (refusal)
    {
        *refusal = reason;
    }
    return false;
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
    int exponent = result.mid(exponent_position + 1).toInt(&valid, 10);
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
    if (Value_Kind(result.type) != KIND_TEXT)
    {
        return result;
    }

    Read_Numbers(result.text_values, &result.integer_values, &result.double_values);

    // Texts that all read as integers become an integer parameter, else all as reals a real one; the
    // values read are then also the values to revert to.
    const int text_count = result.text_values.size();
    const bool integers = result.integer_values.size() == text_count;
    if (!integers && result.double_values.size() != text_count)
    {
        return result;
    }
    result.text_values.clear();
    result.original_text_values.clear();
    if (integers)
    {
        result.double_values.clear();
        result.type = text_count == 1 ? TYPE_INTEGER : TYPE_INTEGER_ARRAY;
    }
    else
    {
        result.integer_values.clear();
        result.type = text_count == 1 ? TYPE_DOUBLE : TYPE_DOUBLE_ARRAY;
    }
    result.original_integer_values = result.integer_values;
    result.original_double_values = result.double_values;
    return result;
}

int TParameters::Variable_Count(const TParameter& parameter, int* longest_name_length)
{
    // The integers where a record has them, else its reals; a text record offers what its texts read as.
    const int count = static_cast<int>(!parameter.integer_values.isEmpty() ? parameter.integer_values.size()
                                                                           : parameter.double_values.size());
    if (longest_name_length)
    {
        // The key alone for one value, else the key, a dot and the position of the last value.
        *longest_name_length =
            count == 0   ? 0
            : count == 1 ? static_cast<int>(parameter.key.size())
                         : static_cast<int>(parameter.key.size() + 1 + QString::number(count).size());
    }
    return count;
}

void TParameters::Add_Variables(const TParameter& parameter, std::vector<TExpression::TVariable>* variables)
{
    const bool integers = !parameter.integer_values.isEmpty();
    const int count = Variable_Count(parameter);
    for (int index = 0; index < count; ++index)
    {
        TExpression::TVariable variable;
        variable.name =
            count == 1 ? parameter.key : parameter.key + QLatin1Char('.') + QString::number(index + 1);
        variable.value = integers ? parameter.integer_values.at(index) : parameter.double_values.at(index);
        variables->push_back(std::move(variable));
    }
}

std::vector<TExpression::TVariable> TParameters::Get_Variables(int* longest_name_length) const
{
    std::vector<TExpression::TVariable> variables;
    int longest = 0;
    for (const TParameter& parameter : Records())
    {
        int record_longest = 0;
        Variable_Count(parameter, &record_longest);
        longest = std::max(longest, record_longest);
        Add_Variables(parameter, &variables);
    }

    if (longest_name_length)
    {
        *longest_name_length = longest;
    }
    return variables;
}

int TParameters::Parameter_Index(const QString& key) const
{
    return d_key_index.value(key, -1);
}

QByteArray TParameters::Format_Test_Head(const QByteArray& content)
{
    QByteArray head;
    head.reserve(FORMAT_TEST_LENGTH);
    for (int index = 0; index < content.size() && head.size() < FORMAT_TEST_LENGTH; ++index)
    {
        if (content.at(index) != '\r')
        {
            head.append(content.at(index));
        }
    }
    return head;
}

TParameters::TFileFormat TParameters::Format_Of_Content(const QByteArray& content)
{
    if (content.size() < FORMAT_TEST_LENGTH)
    {
        return FORMAT_NOT_SET;
    }
    const QString head = QString::fromLatin1(content.constData(), FORMAT_TEST_LENGTH).simplified();
    if (head.contains(QLatin1String("Machine Constants File"), Qt::CaseInsensitive))
    {
        return FORMAT_MACHINE_CONSTANTS;
    }
    if (head.contains(QLatin1String("<ZIDParameterSettings>"), Qt::CaseInsensitive))
    {
        return FORMAT_PARAMETER_SETTINGS;
    }
    return FORMAT_NOT_SET;
}

TParameters::TFileFormat TParameters::Format_Of_File(const QString& file_name)
{
    QFile file(file_name);
    if (!QFileInfo(file_name).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
    {
        return FORMAT_NOT_SET;
    }
    // Read as Open reads: with line ends converted, a read can return fewer bytes than asked for.
    QByteArray head;
    while (head.size() < FORMAT_TEST_LENGTH && !file.atEnd())
    {
        const QByteArray part = file.read(FORMAT_TEST_LENGTH - head.size());
        if (part.isEmpty())
        {
            break;
        }
        head += part;
    }
    return Format_Of_Content(head);
}

bool TParameters::Load_Parameter_File(const QString& file_name)
{
    // Only a regular file can be a parameter list: a directory reads as nothing, and a pipe or a device
    // such as /dev/zero would block the window or never end. The bytes are read once and kept as they
    // are, for a save that writes them back.
    QByteArray content;
    QString reason;
    if (!QFileInfo(file_name).isFile() || !FileBytes::Read(file_name, &content, &reason))
    {
        d_last_error = TParameters::tr("Cannot open file %1").arg(file_name);
        return false;
    }

    const QByteArray head = Format_Test_Head(content);
    if (head.size() < FORMAT_TEST_LENGTH)
    {
        d_last_error = TParameters::tr("File %1 is too small to be a parameter file.").arg(file_name);
        return false;
    }

    switch (Format_Of_Content(head))
    {
    case FORMAT_MACHINE_CONSTANTS:
        d_file_format = FORMAT_MACHINE_CONSTANTS;
        return Load_Constants_File(content);
    case FORMAT_PARAMETER_SETTINGS:
        d_file_format = FORMAT_PARAMETER_SETTINGS;
        return Load_Settings_Content(content);
    case FORMAT_NOT_SET:
        break;
    }

    d_last_error = TParameters::tr("Unable to determine type of parameter file");
    return false;
}

void TParameters::Set_Reading_Names(bool read_names)
{
    d_read_names = read_names;
}

bool TParameters::Load_Constants_File(const QByteArray& content)
{
    Take_Reading(TConstantsFormat::Read(content, *this, d_read_names), content, FORMAT_MACHINE_CONSTANTS);
    return true;
}

bool TParameters::Load_XML_File(const QString& file_name)
{
    try
    {
        TXmlFile xml_file;
        xml_file.Set_File_Name(file_name);
        const QByteArray content = xml_file.Read_Content();
        Take_Reading(TSettingsFormat::Read(content, *this), content, FORMAT_PARAMETER_SETTINGS);
    }
    catch (const TXmlFileException& exception)
    {
        d_last_error = exception.ErrorText();
        return false;
    }
    return true;
}

bool TParameters::Load_Settings_Content(const QByteArray& content)
{
    try
    {
        Take_Reading(TSettingsFormat::Read(content, *this), content, FORMAT_PARAMETER_SETTINGS);
    }
    catch (const TXmlFileException& exception)
    {
        d_last_error = exception.ErrorText();
        return false;
    }
    return true;
}

void TParameters::Take_Reading(ParameterFormat::TReading&& reading, const QByteArray& content,
                               TFileFormat format)
{
    // Records already in the list came from elsewhere: the bytes kept are this file's alone.
    for (TSourceFile::TRecord& record : d_source.records)
    {
        record = TSourceFile::TRecord();
    }
    d_source.bytes = content;
    d_fingerprint.clear();
    d_source.format = format;
    d_source.encoding = reading.encoding;
    d_source.places = std::move(reading.places);
    d_source.element_names = reading.element_names;
    d_source.unwritable = reading.unwritable;
    // The usual load is into an empty list: then the reading's records become the list where they
    // stand, so that a big file's records are never held twice, and only the refused ones are closed up.
    const bool in_place = Records().empty();
    if (in_place)
    {
        Records() = std::move(reading.records);
        d_key_index.reserve(static_cast<int>(Records().size()));
        d_source.records.reserve(Records().size());
    }
    else
    {
        Records().reserve(Records().size() + reading.records.size());
        d_source.records.reserve(Records().capacity());
    }

    std::vector<ParameterFormat::TWarning> warnings = std::move(reading.warnings);
    std::size_t kept = 0; // in place: the records of the reading kept so far, closed up at the front
    for (std::size_t index = 0; index < reading.entries.size(); ++index)
    {
        const ParameterFormat::TEntry& entry = reading.entries[index];
        if (in_place ? Keep_In_Place(index, &kept) : Add_Parameter(std::move(reading.records[index])))
        {
            const TParameter& stored = in_place ? Records()[kept - 1] : Records().back();
            TSourceFile::TRecord& file = d_source.records.back();
            file.in_file = true;
            file.line = entry.line;
            file.first_place = entry.first_place;
            file.place_count = entry.place_count;
            file.integer_values = stored.integer_values;
            file.double_values = stored.double_values;
            file.text_values = stored.text_values;
            continue;
        }
        // A refused record was neither moved from nor moved over; its key is still there.
        const QString& key = (in_place ? Records()[index] : reading.records[index]).key;
        if (Is_Separator_Key(key))
        {
            continue;
        }
        const TSourceFile::TRecord& first =
            d_source.records[static_cast<std::size_t>(d_key_index.value(key))];
        warnings.push_back(ParameterFormat::TWarning{
            entry.line,
            (key.isEmpty() ? TParameters::tr("(no key)") : key) +
                (first.in_file
                     ? TParameters::tr(": the key is also on line %1; the first is kept").arg(first.line)
                     : TParameters::tr(": the key is in the list already; the first is kept"))});
    }
    if (in_place)
    {
        Records().erase(Records().begin() + static_cast<std::ptrdiff_t>(kept), Records().end());
    }

    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const ParameterFormat::TWarning& a, const ParameterFormat::TWarning& b)
                     { return a.line < b.line; });
    d_load_warnings.clear();
    for (const ParameterFormat::TWarning& warning : warnings)
    {
        d_load_warnings.append(TParameters::tr("line %1: %2").arg(warning.line).arg(warning.text));
    }
}

QStringList TParameters::Load_Warnings() const
{
    return d_load_warnings;
}
