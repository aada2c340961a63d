#include "commandlinetool.h"

#include "rulerun.h"
#include "rules.h"
#include "utilities.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSet>

#include <cmath>

#ifndef VANTREL_VERSION
#define VANTREL_VERSION "1.0.0"
#endif

namespace
{
// One value of a parameter as the listings and the comparison see it: a number, or a text.
struct TValue
{
    bool numeric = false;
    double number = 0.0;
    QString text;
};

bool Is_Text_Type(int type)
{
    return type == TParameters::TYPE_TEXT || type == TParameters::TYPE_TEXT_ARRAY;
}

std::vector<TValue> Values_Of(const TParameters::TParameter& parameter)
{
    std::vector<TValue> values;
    if (Is_Text_Type(parameter.type))
    {
        for (const QString& text : parameter.text_values)
        {
            values.push_back({false, 0.0, text});
        }
        return values;
    }
    // Integer kinds keep their values in the integer list, real kinds in the real list.
    for (int value : parameter.integer_values)
    {
        values.push_back({true, static_cast<double>(value), QString::number(value)});
    }
    for (double value : parameter.double_values)
    {
        values.push_back({true, value, QString::number(value, 'g', QLocale::FloatingPointShortest)});
    }
    return values;
}

bool Same_Number(double a, double b, double tolerance)
{
    if (std::isnan(a) || std::isnan(b))
    {
        return std::isnan(a) && std::isnan(b);
    }
    if (a == b) // also equal infinities
    {
        return true;
    }
    return std::fabs(a - b) <= tolerance;
}

// A text that reads wholly as a number is compared as that number, so that a value written 250 in one
// file and 2.5E+02 in the other is the same value.
bool Read_Number(const TValue& value, double* number)
{
    if (value.numeric)
    {
        *number = value.number;
        return true;
    }
    bool ok = false;
    *number = QLocale::c().toDouble(value.text.trimmed(), &ok);
    return ok;
}

bool Same_Values(const std::vector<TValue>& a, const std::vector<TValue>& b, double tolerance)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (!a[i].numeric && !b[i].numeric)
        {
            if (a[i].text != b[i].text)
            {
                return false;
            }
            continue;
        }
        double number_a = 0.0;
        double number_b = 0.0;
        if (!Read_Number(a[i], &number_a) || !Read_Number(b[i], &number_b) ||
            !Same_Number(number_a, number_b, tolerance))
        {
            return false;
        }
    }
    return true;
}

QString Values_Text(const std::vector<TValue>& values)
{
    QStringList texts;
    for (const TValue& value : values)
    {
        texts << value.text;
    }
    return texts.join(QStringLiteral(", "));
}

QJsonArray Values_Json(const std::vector<TValue>& values)
{
    QJsonArray array;
    for (const TValue& value : values)
    {
        if (value.numeric && std::isfinite(value.number))
        {
            array.append(value.number);
        }
        else
        {
            array.append(value.text);
        }
    }
    return array;
}

QString Format_Name(int format)
{
    switch (format)
    {
    case TParameters::FORMAT_MACHINE_CONSTANTS:
        return QStringLiteral("machine_constants");
    case TParameters::FORMAT_PARAMETER_SETTINGS:
        return QStringLiteral("parameter_settings");
    default:
        return QStringLiteral("not_set");
    }
}

std::vector<const TParameters::TParameter*> By_Key(const TParameters& parameters, QHash<QString, int>* index)
{
    std::vector<const TParameters::TParameter*> records;
    for (const TParameters::TParameter& parameter : parameters.Parameters())
    {
        index->insert(parameter.key, static_cast<int>(records.size()));
        records.push_back(&parameter);
    }
    return records;
}
} // namespace

TCommandLineTool::TCommandLineTool(QTextStream* out, QTextStream* err) : d_out(out), d_err(err)
{
    Q_ASSERT(out);
    Q_ASSERT(err);
}

QString TCommandLineTool::Default_Rules_File_Name()
{
    TRules rules;
    rules.Set_Rule_Path(QDir::home().filePath(Utilities::Data_Directory_Name()));
    return rules.Rule_File_Name();
}

QString TCommandLineTool::Type_Name(int type)
{
    switch (type)
    {
    case TParameters::TYPE_INTEGER:
        return QStringLiteral("integer");
    case TParameters::TYPE_DOUBLE:
        return QStringLiteral("double");
    case TParameters::TYPE_TEXT:
        return QStringLiteral("text");
    case TParameters::TYPE_INTEGER_ARRAY:
        return QStringLiteral("integer_array");
    case TParameters::TYPE_DOUBLE_ARRAY:
        return QStringLiteral("double_array");
    case TParameters::TYPE_TEXT_ARRAY:
        return QStringLiteral("text_array");
    case TParameters::TYPE_INTEGER_BIT_PATTERN:
        return QStringLiteral("integer_bit_pattern");
    default:
        return QStringLiteral("not_set");
    }
}

// The arguments as parsed, with the options they were parsed against, so that each command can check
// the ones it takes.
struct TCommandLineTool::TCommandLine
{
    TCommandLine();

    // An option that belongs to another command is a mistake worth saying, not something to ignore.
    bool Refuses(const QCommandLineOption& option, QTextStream* err) const;
    bool Has_Files(int count, QTextStream* err) const;

    QCommandLineParser parser;
    const QCommandLineOption help_option{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                         QStringLiteral("Show this help.")};
    const QCommandLineOption version_option{QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                            QStringLiteral("Show the version.")};
    const QCommandLineOption group_option{
        QStringLiteral("group"), QStringLiteral("Rule group to run (check)."), QStringLiteral("NAME")};
    const QCommandLineOption rules_option{
        QStringLiteral("rules"),
        QStringLiteral("Rules file (check); default: the window's own, ~/.vantrel/rules.xml."),
        QStringLiteral("PATH")};
    const QCommandLineOption json_option{QStringLiteral("json"),
                                         QStringLiteral("Print one JSON document (list, compare).")};
    const QCommandLineOption tolerance_option{
        QStringLiteral("tolerance"),
        QStringLiteral("Largest difference of two reals that still counts as the same (compare; default 0)."),
        QStringLiteral("X"), QStringLiteral("0")};

    QString command;
    QStringList files;
};

TCommandLineTool::TCommandLine::TCommandLine()
{
    parser.setApplicationDescription(QStringLiteral(
        "Checks controller parameter files against rule groups, lists them and compares them.\n\n"
        "Commands:\n"
        "  check FILE --group NAME [--rules PATH]   run a rule group against FILE\n"
        "  list FILE [--json]                        list every parameter of FILE\n"
        "  compare FILE_A FILE_B [--json] [--tolerance X]\n"
        "                                            show what differs between two files\n\n"
        "Exit status: 0 all rules passed / files the same, 1 a rule failed or was invalid /\n"
        "files differ, 2 a file, the rules file or the group could not be used."));
    parser.addOption(help_option);
    parser.addOption(version_option);
    parser.addOption(group_option);
    parser.addOption(rules_option);
    parser.addOption(json_option);
    parser.addOption(tolerance_option);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("check, list or compare"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("The parameter file(s)."),
                                 QStringLiteral("FILE..."));
}

bool TCommandLineTool::TCommandLine::Refuses(const QCommandLineOption& option, QTextStream* err) const
{
    if (parser.isSet(option))
    {
        *err << "Option --" << option.names().constLast() << " does not apply to '" << command << "'.\n";
        return true;
    }
    return false;
}

bool TCommandLineTool::TCommandLine::Has_Files(int count, QTextStream* err) const
{
    if (files.size() != count)
    {
        *err << "'" << command << "' takes " << count << (count == 1 ? " file" : " files") << ", "
             << files.size() << " given. Try 'vantrel-cli --help'.\n";
        return false;
    }
    return true;
}

int TCommandLineTool::Run(const QStringList& arguments)
{
    TCommandLine command_line;
    QCommandLineParser& parser = command_line.parser;
    if (!parser.parse(arguments))
    {
        *d_err << parser.errorText() << "\n"
               << "Try 'vantrel-cli --help'.\n";
        return EXIT_UNUSABLE;
    }
    if (parser.isSet(command_line.help_option))
    {
        *d_out << parser.helpText();
        return EXIT_OK;
    }
    if (parser.isSet(command_line.version_option))
    {
        *d_out << "vantrel-cli " << VANTREL_VERSION << "\n";
        return EXIT_OK;
    }

    command_line.files = parser.positionalArguments();
    if (command_line.files.isEmpty())
    {
        *d_err << "No command given. Try 'vantrel-cli --help'.\n";
        return EXIT_UNUSABLE;
    }
    command_line.command = command_line.files.takeFirst();
    if (command_line.command == QLatin1String("check"))
    {
        return Run_Check(command_line);
    }
    if (command_line.command == QLatin1String("list"))
    {
        return Run_List(command_line);
    }
    if (command_line.command == QLatin1String("compare"))
    {
        return Run_Compare(command_line);
    }
    *d_err << "Unknown command '" << command_line.command << "'. Try 'vantrel-cli --help'.\n";
    return EXIT_UNUSABLE;
}

int TCommandLineTool::Run_Check(const TCommandLine& command_line)
{
    const QCommandLineParser& parser = command_line.parser;
    if (command_line.Refuses(command_line.json_option, d_err) ||
        command_line.Refuses(command_line.tolerance_option, d_err) || !command_line.Has_Files(1, d_err))
    {
        return EXIT_UNUSABLE;
    }
    if (!parser.isSet(command_line.group_option))
    {
        *d_err << "'check' needs --group NAME.\n";
        return EXIT_UNUSABLE;
    }
    const QString rules = parser.isSet(command_line.rules_option) ? parser.value(command_line.rules_option)
                                                                  : Default_Rules_File_Name();
    return Check(command_line.files.at(0), parser.value(command_line.group_option), rules);
}

int TCommandLineTool::Run_List(const TCommandLine& command_line)
{
    if (command_line.Refuses(command_line.group_option, d_err) ||
        command_line.Refuses(command_line.rules_option, d_err) ||
        command_line.Refuses(command_line.tolerance_option, d_err) || !command_line.Has_Files(1, d_err))
    {
        return EXIT_UNUSABLE;
    }
    return List(command_line.files.at(0), command_line.parser.isSet(command_line.json_option));
}

int TCommandLineTool::Run_Compare(const TCommandLine& command_line)
{
    const QCommandLineParser& parser = command_line.parser;
    if (command_line.Refuses(command_line.group_option, d_err) ||
        command_line.Refuses(command_line.rules_option, d_err) || !command_line.Has_Files(2, d_err))
    {
        return EXIT_UNUSABLE;
    }
    bool ok = false;
    const double tolerance = QLocale::c().toDouble(parser.value(command_line.tolerance_option), &ok);
    if (!ok || !(tolerance >= 0.0) || std::isinf(tolerance))
    {
        *d_err << "--tolerance takes a number of 0 or more, not '"
               << parser.value(command_line.tolerance_option) << "'.\n";
        return EXIT_UNUSABLE;
    }
    return Compare(command_line.files.at(0), command_line.files.at(1), parser.isSet(command_line.json_option),
                   tolerance);
}

bool TCommandLineTool::Load(const QString& file_name, TParameters* parameters)
{
    // The same steps as the window's Open: an empty model, then the reader the content asks for.
    parameters->Reset();
    if (!parameters->Load_Parameter_File(file_name))
    {
        *d_err << "ERR:  " << parameters->Last_Error() << "\n";
        return false;
    }
    return true;
}

int TCommandLineTool::Check(const QString& file_name, const QString& group, const QString& rules_file_name)
{
    TParameters parameters;
    if (!Load(file_name, &parameters))
    {
        return EXIT_UNUSABLE;
    }

    // A missing rules file loads as an empty store in the window; here it is a mistake in the call.
    if (!QFileInfo(rules_file_name).isFile())
    {
        *d_err << "Rules file " << QDir::toNativeSeparators(rules_file_name) << " not found.\n";
        return EXIT_UNUSABLE;
    }
    TRules rules;
    rules.Set_Rule_File_Name(rules_file_name);
    if (!rules.Load_Rules())
    {
        *d_err << "Cannot load rules file " << QDir::toNativeSeparators(rules_file_name) << ": "
               << rules.Last_Error() << "\n";
        return EXIT_UNUSABLE;
    }
    if (!rules.Rule_Groups().contains(group))
    {
        *d_err << "Rule group '" << group << "' not found in " << QDir::toNativeSeparators(rules_file_name)
               << ".\n";
        return EXIT_UNUSABLE;
    }

    const TRuleRun::TGroupResult run = TRuleRun(parameters.Get_Variables()).Run_Group(rules.Rules(group));
    for (const TRuleRun::TReportLine& line : run.Report_Lines())
    {
        *d_out << line.text << "\n";
    }
    *d_out << run.totals.Text() << "\n";
    return run.totals.All_Passed() ? EXIT_OK : EXIT_DIFFERENT;
}

int TCommandLineTool::List(const QString& file_name, bool json)
{
    TParameters parameters;
    if (!Load(file_name, &parameters))
    {
        return EXIT_UNUSABLE;
    }

    if (json)
    {
        QJsonArray records;
        for (const TParameters::TParameter& parameter : parameters.Parameters())
        {
            QJsonObject record;
            record.insert(QStringLiteral("number"), parameter.number);
            record.insert(QStringLiteral("key"), parameter.key);
            record.insert(QStringLiteral("name"), parameter.name);
            record.insert(QStringLiteral("type"), Type_Name(parameter.type));
            record.insert(QStringLiteral("values"), Values_Json(Values_Of(parameter)));
            record.insert(QStringLiteral("description"), parameter.description);
            records.append(record);
        }
        QJsonObject document;
        document.insert(QStringLiteral("file"), QFileInfo(file_name).absoluteFilePath());
        document.insert(QStringLiteral("format"), Format_Name(parameters.File_Format()));
        document.insert(QStringLiteral("parameters"), records);
        *d_out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
        return EXIT_OK;
    }

    for (const TParameters::TParameter& parameter : parameters.Parameters())
    {
        *d_out << "[" << QStringLiteral("%1").arg(parameter.number, 3, 10, QLatin1Char('0')) << "]  "
               << parameter.key;
        if (!parameter.name.isEmpty())
        {
            *d_out << " - " << parameter.name;
        }
        *d_out << "\n    type: " << Type_Name(parameter.type)
               << "\n    values: " << Values_Text(Values_Of(parameter)) << "\n";
        if (!parameter.description.isEmpty())
        {
            // Catalogue texts run over several lines; keep them under their parameter.
            const QStringList lines = parameter.description.trimmed().split(QLatin1Char('\n'));
            *d_out << "    description: " << lines.first() << "\n";
            for (int i = 1; i < lines.size(); ++i)
            {
                *d_out << "                 " << lines.at(i) << "\n";
            }
        }
    }
    *d_out << parameters.Parameter_Count() << " parameters\n";
    return EXIT_OK;
}

int TCommandLineTool::Compare(const QString& file_name_a, const QString& file_name_b, bool json,
                              double tolerance)
{
    TParameters parameters_a;
    TParameters parameters_b;
    if (!Load(file_name_a, &parameters_a) || !Load(file_name_b, &parameters_b))
    {
        return EXIT_UNUSABLE;
    }

    QHash<QString, int> index_a;
    QHash<QString, int> index_b;
    const auto records_a = By_Key(parameters_a, &index_a);
    const auto records_b = By_Key(parameters_b, &index_b);

    QStringList only_a;
    QStringList only_b;
    QJsonArray different_json;
    QString different_text;
    int different = 0;
    for (const TParameters::TParameter* a : records_a)
    {
        const auto found = index_b.constFind(a->key);
        if (found == index_b.constEnd())
        {
            only_a << a->key;
            continue;
        }
        const TParameters::TParameter* b = records_b[static_cast<size_t>(*found)];
        const std::vector<TValue> values_a = Values_Of(*a);
        const std::vector<TValue> values_b = Values_Of(*b);
        if (Same_Values(values_a, values_b, tolerance))
        {
            continue;
        }
        ++different;
        QJsonObject entry;
        entry.insert(QStringLiteral("key"), a->key);
        entry.insert(QStringLiteral("a"), Values_Json(values_a));
        entry.insert(QStringLiteral("b"), Values_Json(values_b));
        different_json.append(entry);
        different_text += QStringLiteral("Different: %1\n  A: %2\n  B: %3\n")
                              .arg(a->key, Values_Text(values_a), Values_Text(values_b));
    }
    for (const TParameters::TParameter* b : records_b)
    {
        if (!index_a.contains(b->key))
        {
            only_b << b->key;
        }
    }

    const bool same = only_a.isEmpty() && only_b.isEmpty() && different == 0;
    if (json)
    {
        QJsonObject document;
        document.insert(QStringLiteral("a"), QFileInfo(file_name_a).absoluteFilePath());
        document.insert(QStringLiteral("b"), QFileInfo(file_name_b).absoluteFilePath());
        document.insert(QStringLiteral("tolerance"), tolerance);
        document.insert(QStringLiteral("same"), same);
        document.insert(QStringLiteral("only_in_a"), QJsonArray::fromStringList(only_a));
        document.insert(QStringLiteral("only_in_b"), QJsonArray::fromStringList(only_b));
        document.insert(QStringLiteral("different"), different_json);
        *d_out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
    }
    else
    {
        for (const QString& key : qAsConst(only_a))
        {
            *d_out << "Only in A: " << key << "\n";
        }
        for (const QString& key : qAsConst(only_b))
        {
            *d_out << "Only in B: " << key << "\n";
        }
        *d_out << different_text;
        *d_out << only_a.size() << " only in A, " << only_b.size() << " only in B, " << different
               << " different\n";
    }
    return same ? EXIT_OK : EXIT_DIFFERENT;
}
