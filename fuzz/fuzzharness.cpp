#include "fuzzharness.h"

#include "expression.h"
#include "parameters.h"
#include "rules.h"
#include "utilities.h"
#include "xmlfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QDomNode>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>

namespace
{
// A broken promise is a finding: say which one, then abort so that the fuzzer keeps the input.
[[noreturn]] void Fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s %s\n", what, detail.toLocal8Bit().constData());
    std::fflush(stderr);
    std::abort();
}

void Check(bool condition, const char* what, const QString& detail = QString())
{
    if (!condition)
    {
        Fail(what, detail);
    }
}

// One scratch directory for the whole process: the readers take paths, and creating a directory
// per input would make the file system the bottleneck of the run. It lies in memory where the system
// offers that: a file opened, truncated and saved on disk thousands of times a second costs more than
// the reading it serves.
const QString& Scratch_Directory()
{
    static QTemporaryDir directory(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/vantrel-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/vantrel-fuzz-XXXXXX"));
    if (!directory.isValid())
    {
        Fail("no scratch directory");
    }
    static const QString path = directory.path();
    return path;
}

// Written and read unbuffered here: a device's buffer is a fresh block for every input, and under the
// address sanitizer fresh blocks are what costs.
QString Write_Scratch_File(const QString& name, const uint8_t* data, size_t size)
{
    const QString path = Scratch_Directory() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
    {
        Fail("cannot write scratch file", path);
    }
    if (size > 0 && file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                        static_cast<qint64>(size))
    {
        Fail("short write of scratch file", path);
    }
    file.close();
    return path;
}

// What every loaded list promises whatever the file held: unique keys, no separator keys, every
// record reachable by its key, and variables that the evaluator accepts.
void Check_Model(const TParameters& parameters)
{
    const std::vector<TParameters::TParameter>& records = parameters.Parameters();
    Check(static_cast<int>(records.size()) == parameters.Parameter_Count(), "count differs from list");

    QSet<QString> keys;
    for (const TParameters::TParameter& record : records)
    {
        Check(!keys.contains(record.key), "duplicate key", record.key);
        keys.insert(record.key);
        Check(!record.key.startsWith(QLatin1String("--------")), "separator key stored", record.key);

        bool found = false;
        const TParameters::TParameter copy = parameters.Get_Parameter(record.key, &found);
        Check(found && copy.number == record.number && copy.type == record.type, "key lookup", record.key);
        Check(record.type >= TParameters::TYPE_NOT_SET &&
                  record.type <= TParameters::TYPE_INTEGER_BIT_PATTERN,
              "type out of range");
    }
    Check(parameters.Get_Parameter_List(QString()).size() == parameters.Parameter_Count(),
          "unfiltered list differs from count");
    // A filter can only narrow the list.
    Check(parameters.Get_Parameter_List(QStringLiteral("a")).size() <= parameters.Parameter_Count(),
          "filter widened the list");

    int longest = -1;
    const std::vector<TExpression::TVariable> variables = parameters.Get_Variables(&longest);
    int expected_longest = 0;
    TExpression expression;
    for (const TExpression::TVariable& variable : variables)
    {
        expected_longest = std::max(expected_longest, static_cast<int>(variable.name.size()));
        expression.Add_Variable(variable);
    }
    Check(longest == expected_longest, "longest variable name");
    for (const TParameters::TParameter& record : records)
    {
        if (!record.integer_values.isEmpty() || !record.double_values.isEmpty())
        {
            bool valid = false;
            expression.Evaluate(record.key, &valid);
            break;
        }
    }
}

// The export must write every list a reader can produce, in every layout. It is written to memory:
// the file step around it is the atomic save every file of the program goes through, and eight
// saves per input would make the disk the bottleneck of the run.
void Check_Export(const TParameters& parameters)
{
    for (int mask = 0; mask < 8; ++mask)
    {
        Utilities::TExportOptions options;
        options.changed_only = (mask & 1) != 0;
        options.original_values = (mask & 2) != 0;
        options.matches_import = (mask & 4) != 0;
        QBuffer report;
        report.open(QIODevice::WriteOnly);
        const bool written = parameters.Write_Parameter_Data(&report, options);
        if (parameters.File_Format() != TParameters::FORMAT_NOT_SET || !options.matches_import)
        {
            Check(written, "export failed", parameters.Last_Error());
        }
    }
}

// An edit keeps the values from before the first change as the originals, whatever came after.
void Check_Edits(TParameters* parameters)
{
    const std::vector<TParameters::TParameter> before = parameters->Parameters();
    int edited = 0;
    for (const TParameters::TParameter& stored : before)
    {
        if (++edited > 4)
        {
            break;
        }
        // Change one value in each list that has one, as the editors do.
        TParameters::TParameter first = stored;
        first.changed = true;
        if (!first.integer_values.isEmpty())
        {
            first.integer_values.last() ^= 1; // a different value, whatever it was (no overflow)
        }
        if (!first.double_values.isEmpty())
        {
            first.double_values.last() += 0.5;
        }
        if (!first.text_values.isEmpty())
        {
            first.text_values.last().append(QLatin1Char('x'));
        }
        parameters->Update_Parameter(first);

        TParameters::TParameter second = parameters->Get_Parameter(stored.key);
        second.changed = true;
        if (!second.integer_values.isEmpty())
        {
            second.integer_values.first() = -7;
        }
        parameters->Update_Parameter(second);

        const TParameters::TParameter after = parameters->Get_Parameter(stored.key);
        Check(after.changed, "edit not marked", stored.key);
        const QVector<int> expected_integers =
            stored.original_integer_values.isEmpty() ? stored.integer_values : stored.original_integer_values;
        const QVector<double> expected_reals =
            stored.original_double_values.isEmpty() ? stored.double_values : stored.original_double_values;
        const QStringList expected_texts =
            stored.original_text_values.isEmpty() ? stored.text_values : stored.original_text_values;
        Check(after.original_integer_values == expected_integers, "integer originals lost", stored.key);
        Check(after.original_text_values == expected_texts, "text originals lost", stored.key);
        Check(after.original_double_values.size() == expected_reals.size(), "real originals lost",
              stored.key);
        for (int i = 0; i < expected_reals.size(); ++i)
        {
            const double a = after.original_double_values.at(i);
            const double b = expected_reals.at(i);
            Check(a == b || (std::isnan(a) && std::isnan(b)), "real original changed", stored.key);
        }
        Check(after.type == stored.type && after.number == stored.number && after.name == stored.name,
              "edit changed more than values", stored.key);
    }
    Check_Model(*parameters);
}

QString Simplified_Text(const QString& text)
{
    return text.simplified();
}

// A rule as it must come back from the file: names exact, expressions simplified.
using TRuleKey = std::tuple<QString, QString, QString, int>;

std::vector<TRuleKey> Expected_Items(const std::vector<TRules::TRuleItem>& items)
{
    std::vector<TRuleKey> result;
    for (const TRules::TRuleItem& item : items)
    {
        result.emplace_back(item.name, Simplified_Text(item.left_expression),
                            Simplified_Text(item.right_expression), static_cast<int>(item.operator_type));
    }
    // The load sorts by name with an unstable sort, so equal names may come back in any order.
    std::sort(result.begin(), result.end());
    return result;
}

void Check_Same_Store(const TRules& expected, const TRules& actual, const char* what)
{
    Check(expected.Rule_Groups() == actual.Rule_Groups(), what,
          expected.Rule_Groups().join(QLatin1Char('|')) + QStringLiteral(" != ") +
              actual.Rule_Groups().join(QLatin1Char('|')));
    // Groups are looked up by their first exact name: compare position by position through a
    // store of unique names only, else by the first group of each name.
    const QStringList groups = expected.Rule_Groups();
    for (const QString& group : groups)
    {
        Check(Expected_Items(expected.Rules(group)) == Expected_Items(actual.Rules(group)), what, group);
    }
}
} // namespace

namespace Fuzz
{
void Constants(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<int>(size));
    {
        TParameters parameters;
        Check(parameters.Load_Constants_File(content), "constants reader reported failure");
        for (const TParameters::TParameter& record : parameters.Parameters())
        {
            const TParameters::TValueKind kind = TParameters::Value_Kind(record.type);
            Check(kind == TParameters::KIND_INTEGER || kind == TParameters::KIND_REAL, "constants type",
                  record.key);
            Check(TParameters::Value_Count(record) > 0, "constants record without values", record.key);
            Check(!record.changed && record.original_integer_values.isEmpty() &&
                      record.original_double_values.isEmpty(),
                  "constants record loaded as changed", record.key);
        }
        Check_Model(parameters);

        // Reading the same bytes again into the same list adds nothing: every key is taken.
        const int count = parameters.Parameter_Count();
        parameters.Load_Constants_File(content);
        Check(parameters.Parameter_Count() == count, "second read added records");
    }

    // The same bytes as a file the user opens, with the marker in front so the reader runs.
    QByteArray marked = QByteArrayLiteral("Machine Constants File\n");
    marked.append(content);
    // Text mode folds "\r\n", so pad beyond the size test with line ends that end nothing but values.
    marked.append(QByteArray(160, '\n'));
    TParameters parameters;
    const QString path = Write_Scratch_File(QStringLiteral("constants.asc"),
                                            reinterpret_cast<const uint8_t*>(marked.constData()),
                                            static_cast<size_t>(marked.size()));
    Check(parameters.Load_Parameter_File(path), "marked constants file refused", parameters.Last_Error());
    Check(parameters.File_Format() == TParameters::FORMAT_MACHINE_CONSTANTS, "constants format");
    Check_Model(parameters);
    Check_Edits(&parameters);
    Check_Export(parameters);

    // And the raw bytes through the type test: whatever it decides, it decides from the content.
    const TParameters::TFileFormat format = TParameters::Format_Of_Content(content);
    Check(format == TParameters::FORMAT_NOT_SET || format == TParameters::FORMAT_MACHINE_CONSTANTS ||
              format == TParameters::FORMAT_PARAMETER_SETTINGS,
          "format out of range");
}

void Constants_Reader(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<int>(size));
    TParameters parameters;
    Check(parameters.Load_Constants_File(content), "constants reader reported failure");
    Check_Model(parameters);
}

void Settings_Reader(const uint8_t* data, size_t size)
{
    const QString path = Write_Scratch_File(QStringLiteral("settings.xml"), data, size);
    TParameters parameters;
    if (!parameters.Load_XML_File(path))
    {
        Check(parameters.Last_Error().startsWith(QLatin1String("ERR:")), "settings error text",
              parameters.Last_Error());
    }
    Check_Model(parameters);
}

void Settings(const uint8_t* data, size_t size)
{
    const QString path = Write_Scratch_File(QStringLiteral("settings.xml"), data, size);
    {
        TParameters parameters;
        if (!parameters.Load_Parameter_File(path))
        {
            Check(!parameters.Last_Error().isEmpty(), "failed load without a reason");
        }
        Check_Model(parameters);
    }

    TParameters parameters;
    if (parameters.Load_XML_File(path))
    {
        for (const TParameters::TParameter& record : parameters.Parameters())
        {
            const bool numeric = !record.integer_values.isEmpty() || !record.double_values.isEmpty();
            if (TParameters::Value_Kind(record.type) == TParameters::KIND_INTEGER)
            {
                Check(record.original_integer_values == record.integer_values, "settings integer originals");
            }
            Check(numeric || !record.text_values.isEmpty() || record.type == TParameters::TYPE_INTEGER_ARRAY,
                  "settings record without values", record.key);
        }
    }
    else
    {
        Check(parameters.Last_Error().startsWith(QLatin1String("ERR:")), "settings error text",
              parameters.Last_Error());
    }
    Check_Model(parameters);
    Check_Edits(&parameters);
    Check_Export(parameters);
}

void Save(const uint8_t* data, size_t size)
{
    const QString path = Write_Scratch_File(QStringLiteral("saved"), data, size);
    TParameters parameters;
    if (!parameters.Load_Parameter_File(path))
    {
        return;
    }
    const QByteArray original(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QByteArray unchanged;
    if (!parameters.Save_Content(&unchanged))
    {
        Check(!parameters.Last_Error().isEmpty(), "save refused without a reason");
        return;
    }
    Check(unchanged == original, "unchanged save changed bytes");

    // One value of every third record, as the editors change them, through the one edit path.
    int edited_values = 0;
    const std::vector<TParameters::TParameter> loaded = parameters.Parameters();
    for (std::size_t index = 0; index < loaded.size(); index += 3)
    {
        TParameters::TParameter edit = loaded[index];
        if (!edit.integer_values.isEmpty())
        {
            edit.integer_values.last() ^= 1;
        }
        else if (!edit.double_values.isEmpty())
        {
            edit.double_values.last() = edit.double_values.last() * 2.0 + 1.0;
        }
        else if (!edit.text_values.isEmpty())
        {
            edit.text_values.last().append(QStringLiteral("x<&"));
        }
        else
        {
            continue;
        }
        parameters.Edit_Parameter(edit);
        ++edited_values;
    }

    QByteArray saved;
    if (!parameters.Save_Content(&saved))
    {
        Check(!parameters.Last_Error().isEmpty(), "edited save refused without a reason");
        return;
    }
    const QString saved_path =
        Write_Scratch_File(QStringLiteral("saved_again"), reinterpret_cast<const uint8_t*>(saved.constData()),
                           static_cast<size_t>(saved.size()));
    TParameters read_back;
    Check(read_back.Load_Parameter_File(saved_path), "saved file does not read", read_back.Last_Error());
    for (const TParameters::TParameter& wanted : parameters.Parameters())
    {
        const TParameters::TParameter* found = read_back.Find_Parameter(wanted.key);
        Check(found && found->type == wanted.type, "saved record lost or retyped", wanted.key);
        Check(found->integer_values == wanted.integer_values && found->text_values == wanted.text_values &&
                  found->double_values.size() == wanted.double_values.size(),
              "saved values differ", wanted.key);
        for (int i = 0; i < wanted.double_values.size(); ++i)
        {
            const double a = found->double_values.at(i);
            const double b = wanted.double_values.at(i);
            Check(std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)),
                  "saved real differs", wanted.key);
        }
    }

    // The edited texts replace their own and nothing else: every other line stays as it was.
    const QList<QByteArray> before = original.split('\n');
    const QList<QByteArray> after = saved.split('\n');
    Check(before.size() == after.size(), "save changed the number of lines");
    int differing = 0;
    for (int line = 0; line < before.size(); ++line)
    {
        differing += before.at(line) != after.at(line) ? 1 : 0;
    }
    Check(differing <= edited_values, "save changed lines it did not edit");
}

void Rules(const uint8_t* data, size_t size)
{
    const QString directory = Scratch_Directory() + QStringLiteral("/rules");
    // Copies kept of unreadable files would pile up over millions of runs. Only a store that did not
    // read the file keeps one, on its save: a failed load, or a file of another version, which loads
    // no group.
    static bool copies_kept = true;
    if (copies_kept)
    {
        QDir().mkpath(directory);
        for (const QString& name : QDir(directory).entryList(QDir::Files))
        {
            QFile::remove(directory + QLatin1Char('/') + name);
        }
    }
    Write_Scratch_File(QStringLiteral("rules/rules.xml"), data, size);

    TRules rules;
    rules.Set_Rule_Path(directory);
    const bool loaded = rules.Load_Rules();
    copies_kept = !loaded || rules.Rule_Groups().isEmpty();
    if (!loaded)
    {
        Check(!rules.Last_Error().isEmpty(), "failed rules load without a reason");
    }
    Check(!rules.Is_Modified() || !loaded, "load left the store modified");

    // A change the user makes, then the close: what is in memory must be what the file gives back.
    const QStringList groups = rules.Rule_Groups();
    TRules::TRuleItem item;
    item.name = QStringLiteral("Fuzz rule");
    item.left_expression = QStringLiteral("  A +  1 ");
    item.right_expression = QStringLiteral("B");
    item.operator_type = TRules::OPERATOR_NOT_EQUAL;
    if (groups.isEmpty())
    {
        Check(rules.Create_Group(QStringLiteral("Fuzz group")), "create group", rules.Last_Error());
        Check(rules.Add_Rule(QStringLiteral("Fuzz group"), item), "add rule", rules.Last_Error());
    }
    else
    {
        rules.Add_Rule(groups.first(), item);
        if (!rules.Create_Group(QStringLiteral("Fuzz group")))
        {
            rules.Remove_Group(groups.last());
        }
    }
    Check(rules.Is_Modified(), "change did not mark the store");

    if (!rules.Save_Rules())
    {
        // Only a store that holds a text XML cannot carry may fail to save, and it must say so.
        Check(!rules.Last_Error().isEmpty(), "failed save without a reason");
        return;
    }
    Check(!rules.Is_Modified(), "save left the store modified");

    TRules reread;
    reread.Set_Rule_Path(directory);
    Check(reread.Load_Rules(), "saved rules file does not load", reread.Last_Error());
    Check_Same_Store(rules, reread, "rules changed on the way through the file");

    // Nothing changed: a second close must leave the file alone.
    QFileInfo before(rules.Rule_File_Name());
    const QByteArray saved = [&]()
    {
        QFile file(reread.Rule_File_Name());
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        return file.readAll();
    }();
    Check(reread.Save_Rules(), "unchanged save failed");
    QFile file(reread.Rule_File_Name());
    file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    Check(file.readAll() == saved, "unchanged store rewrote the file");
}

void Xml_File(const uint8_t* data, size_t size)
{
    const QString path = Write_Scratch_File(QStringLiteral("document.xml"), data, size);
    const QString identifications[] = {QStringLiteral("Rules"), QStringLiteral("ZIDParameterSettings")};
    for (const QString& identification : identifications)
    {
        for (int pass = 0; pass < 2; ++pass)
        {
            TXmlFile xml_file;
            xml_file.Set_File_Name(path);
            int version = -12345;
            try
            {
                xml_file.Open(identification, pass == 0 ? &version : nullptr, pass == 0);
                Check(xml_file.Root_Node()->tagName() == identification, "root tag differs",
                      xml_file.Root_Node()->tagName());
                if (pass == 0)
                {
                    Check(version != -12345, "version not set");
                }

                // Walk the whole tree as the readers do, with optional reads only.
                int visited = 0;
                QDomNode node = xml_file.GetFirstNode(xml_file.Root_Node(), true);
                while (!node.isNull() && visited < 10000)
                {
                    ++visited;
                    xml_file.ReadTextNode(&node, true);
                    xml_file.ReadAttribute(&node, QStringLiteral("File_Version"), true);
                    QDomElement child = xml_file.GetNode(&node, QStringLiteral("Name"), true);
                    if (!child.isNull())
                    {
                        xml_file.ReadTextNode(&child, true);
                        xml_file.GetSiblingNode(&child, QStringLiteral("Name"), true);
                    }
                    QDomNode first = xml_file.GetFirstNode(&node, true);
                    if (!first.isNull())
                    {
                        xml_file.ReadTextNode(&first, true);
                    }
                    node = xml_file.GetSiblingNode(&node, true);
                }
                xml_file.Clear();
            }
            catch (const TXmlFileException& exception)
            {
                Check(exception.ErrorText().startsWith(QLatin1String("ERR:")), "exception text",
                      exception.ErrorText());
            }
        }
    }
}

void Expression(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QStringList lines = text.split(QLatin1Char('\n'));
    // A name that matches the empty text puts its value at every word boundary, and the next such name
    // does the same to the longer text, each match one run of the pattern: the program's growth limit
    // is met only after tens of thousands of them, a second or more per input here. A limit of 100
    // characters (five values written in) reaches the same refusals, and the texts just below them, at a
    // cost the fuzzer can afford.
    TExpression expression(TExpression::MAXIMUM_PATTERN_GROWTH / 1000);
    QStringList names;
    while (lines.size() > 1 && names.size() < 32)
    {
        const QString line = lines.first();
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
        {
            break;
        }
        lines.removeFirst();
        const QString name = line.left(equals);
        bool ok = false;
        double value = line.mid(equals + 1).trimmed().toDouble(&ok);
        if (!ok)
        {
            value = static_cast<double>(line.size());
        }
        const bool added = expression.Add_Variable(name, value);
        Check(added == !name.isEmpty(), "Add_Variable result", name);
        if (added && !names.contains(name))
        {
            names.append(name);
        }
    }

    // The table: unique names, longest first, every name found by its own name.
    Check(expression.Variable_Count() == names.size(), "variable count");
    for (int i = 0; i < expression.Variable_Count(); ++i)
    {
        Check(!expression.Variable_Name(i).isEmpty(), "empty variable name");
        if (i > 0)
        {
            Check(expression.Variable_Name(i - 1).size() >= expression.Variable_Name(i).size(),
                  "table order");
        }
        bool ok = false;
        const double value = expression.Variable_Value(expression.Variable_Name(i), &ok);
        Check(ok, "variable not found by name", expression.Variable_Name(i));
        const double by_index = expression.Variable_Value(i);
        Check(value == by_index || (std::isnan(value) && std::isnan(by_index)), "first name match");
    }

    const QString formula = lines.join(QLatin1Char('\n'));
    bool valid = true;
    const double result = expression.Evaluate(formula, &valid);
    if (!valid)
    {
        Check(result == 0.0, "invalid expression with a value", formula);
    }
    // Evaluation keeps no state: the same text gives the same answer.
    bool again_valid = !valid;
    const double again = expression.Evaluate(formula, &again_valid);
    Check(again_valid == valid, "validity changed between two runs", formula);
    Check(again == result || (std::isnan(again) && std::isnan(result)), "value changed between two runs",
          formula);
    expression.Evaluate(formula, nullptr);
}
} // namespace Fuzz
