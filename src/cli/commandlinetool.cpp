#include "commandlinetool.h"

#include "jsonwriter.h"
#include "parametercomparison.h"
#include "rulerun.h"
#include "rules.h"
#include "utilities.h"
#include "vantrelversion.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

using TComparison = TParameterComparison;

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

// The arguments as parsed, with the options they were parsed against, so that each command can check
// the ones it takes.
struct TCommandLineTool::TCommandLine
{
    TCommandLine();

    // An option that belongs to another command is a mistake worth saying, not something to ignore.
    bool Refuses(const QCommandLineOption& option, QTextStream* err) const;
    // count: the number of files the command takes; ANY_FILES: one or more.
    bool Has_Files(int count, QTextStream* err) const;
    static const int ANY_FILES = -1;

    QCommandLineParser parser;
    const QCommandLineOption help_option{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                         QStringLiteral("Show this help.")};
    const QCommandLineOption version_option{QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                            QStringLiteral("Show the version.")};
    const QCommandLineOption group_option{
        QStringLiteral("group"), QStringLiteral("Rule group to run (check)."), QStringLiteral("NAME")};
    const QCommandLineOption rules_option{
        QStringLiteral("rules"),
        QStringLiteral("Rules file (check, rules); default: the window's own, ~/.vantrel/rules.xml."),
        QStringLiteral("PATH")};
    const QCommandLineOption json_option{
        QStringLiteral("json"),
        QStringLiteral("Print one JSON document (check, list, compare, rules, apply).")};
    const QCommandLineOption summary_option{
        QStringLiteral("summary"), QStringLiteral("Print only one line per file and the totals (check).")};
    const QCommandLineOption junit_option{QStringLiteral("junit"),
                                          QStringLiteral("Also write a JUnit XML report to PATH (check)."),
                                          QStringLiteral("PATH")};
    const QCommandLineOption tolerance_option{
        QStringLiteral("tolerance"),
        QStringLiteral("Largest difference of two reals that still counts as the same (compare; default 0)."),
        QStringLiteral("X"), QStringLiteral("0")};
    const QCommandLineOption strict_option{
        QStringLiteral("strict"),
        QStringLiteral("Exit with status 2 when a file was read with warnings (check, list, compare).")};
    const QCommandLineOption output_option{QStringLiteral("output"),
                                           QStringLiteral("Write the changed file to PATH (set)."),
                                           QStringLiteral("PATH")};
    const QCommandLineOption in_place_option{
        QStringLiteral("in-place"),
        QStringLiteral("Write each changed file over itself, kept as FILE.bak (set, apply).")};
    const QCommandLineOption output_directory_option{
        QStringLiteral("output-dir"),
        QStringLiteral(
            "Write the changed files below DIR, as they are named or stand in their folders (apply)."),
        QStringLiteral("DIR")};
    const QCommandLineOption keys_option{QStringLiteral("keys"),
                                         QStringLiteral("Take only these parameters of SOURCE (apply)."),
                                         QStringLiteral("KEY,...")};
    const QCommandLineOption dry_run_option{
        QStringLiteral("dry-run"), QStringLiteral("Print what would change, write nothing (apply).")};

    QString command;
    QStringList files;
};

TCommandLineTool::TCommandLine::TCommandLine()
{
    parser.setApplicationDescription(QStringLiteral(
        "Checks controller parameter files against rule groups, lists them and compares them.\n\n"
        "Commands:\n"
        "  check FILE... --group NAME [--rules PATH] [--summary | --json] [--junit PATH]\n"
        "                                            run a rule group against files and the\n"
        "                                            parameter files below folders\n"
        "  rules [--rules PATH] [--json]             list the rule groups and their rules\n"
        "  list FILE [--json]                        list every parameter of FILE\n"
        "  compare FILE_A FILE_B [--json] [--tolerance X]\n"
        "                                            show what differs between two files\n"
        "  set FILE KEY=VALUE... (--output PATH | --in-place)\n"
        "                                            set values (KEY.N=VALUE: the Nth of an\n"
        "                                            array) and save the file exactly\n"
        "  apply SOURCE FILE... (--output-dir DIR | --in-place) [--keys KEY,...] [--dry-run]\n"
        "        [--json]                            take the values of SOURCE into files and\n"
        "                                            the parameter files below folders\n\n"
        "Exit status: 0 all rules passed / files the same / values set or taken, 1 a rule\n"
        "failed or was invalid / files differ / a value was missing or did not fit, 2 a file,\n"
        "the rules file, the group or a value could not be used (check, apply: the other files\n"
        "are still done). What a reader cut or left out of a\n"
        "file is said on standard error; with --strict such a warning is exit status 2."));
    parser.addOption(help_option);
    parser.addOption(version_option);
    parser.addOption(group_option);
    parser.addOption(rules_option);
    parser.addOption(json_option);
    parser.addOption(summary_option);
    parser.addOption(junit_option);
    parser.addOption(tolerance_option);
    parser.addOption(strict_option);
    parser.addOption(output_option);
    parser.addOption(in_place_option);
    parser.addOption(output_directory_option);
    parser.addOption(keys_option);
    parser.addOption(dry_run_option);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("check, rules, list, compare, set or apply"));
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
    if (count < 0 && files.isEmpty())
    {
        *err << "'" << command << "' takes files or folders, none given. Try 'vantrel-cli --help'.\n";
        return false;
    }
    if (count >= 0 && files.size() != count)
    {
        *err << "'" << command << "' takes " << count << (count == 1 ? " file" : " files") << ", "
             << files.size() << " given. Try 'vantrel-cli --help'.\n";
        return false;
    }
    return true;
}

QString TCommandLineTool::Rules_File_Name(const TCommandLine& command_line)
{
    const QCommandLineParser& parser = command_line.parser;
    return parser.isSet(command_line.rules_option) ? parser.value(command_line.rules_option)
                                                   : Default_Rules_File_Name();
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
    if (!Takes_File_Options(command_line))
    {
        return EXIT_UNUSABLE;
    }
    d_strict = parser.isSet(command_line.strict_option);
    if (command_line.command == QLatin1String("check"))
    {
        return Strict_Status(Run_Check(command_line));
    }
    if (command_line.command == QLatin1String("list"))
    {
        return Strict_Status(Run_List(command_line));
    }
    if (command_line.command == QLatin1String("set"))
    {
        return Run_Set(command_line);
    }
    if (command_line.command == QLatin1String("apply"))
    {
        return Run_Apply(command_line);
    }
    if (command_line.command == QLatin1String("rules"))
    {
        return Run_Rules(command_line);
    }
    if (command_line.command == QLatin1String("compare"))
    {
        return Strict_Status(Run_Compare(command_line));
    }
    *d_err << "Unknown command '" << command_line.command << "'. Try 'vantrel-cli --help'.\n";
    return EXIT_UNUSABLE;
}

bool TCommandLineTool::Takes_File_Options(const TCommandLine& command_line)
{
    // --strict belongs to the commands that read files to report on them, --output and --in-place to
    // the ones that write files, and the options of apply to apply alone.
    const QString& command = command_line.command;
    const bool reports = command == QLatin1String("check") || command == QLatin1String("list") ||
                         command == QLatin1String("compare");
    const bool sets = command == QLatin1String("set");
    const bool applies = command == QLatin1String("apply");
    return !(!reports && command_line.Refuses(command_line.strict_option, d_err)) &&
           !(!sets && command_line.Refuses(command_line.output_option, d_err)) &&
           !(!sets && !applies && command_line.Refuses(command_line.in_place_option, d_err)) &&
           !(!applies && command_line.Refuses(command_line.output_directory_option, d_err)) &&
           !(!applies && command_line.Refuses(command_line.keys_option, d_err)) &&
           !(!applies && command_line.Refuses(command_line.dry_run_option, d_err));
}

void TCommandLineTool::Print_Warnings(const QString& file_name, const QStringList& warnings)
{
    for (const QString& warning : warnings)
    {
        *d_err << "Warning: " << QDir::toNativeSeparators(file_name) << ": " << warning << "\n";
    }
    d_warned = d_warned || !warnings.isEmpty();
}

int TCommandLineTool::Strict_Status(int status) const
{
    return d_strict && d_warned ? static_cast<int>(EXIT_UNUSABLE) : status;
}

int TCommandLineTool::Run_Check(const TCommandLine& command_line)
{
    const QCommandLineParser& parser = command_line.parser;
    if (command_line.Refuses(command_line.tolerance_option, d_err) ||
        !command_line.Has_Files(TCommandLine::ANY_FILES, d_err))
    {
        return EXIT_UNUSABLE;
    }
    if (!parser.isSet(command_line.group_option))
    {
        *d_err << "'check' needs --group NAME.\n";
        return EXIT_UNUSABLE;
    }
    TCheckOutput output;
    output.summary = parser.isSet(command_line.summary_option);
    output.json = parser.isSet(command_line.json_option);
    output.junit_file_name = parser.value(command_line.junit_option);
    if (output.summary && output.json)
    {
        *d_err << "'check' prints either --summary or --json, not both.\n";
        return EXIT_UNUSABLE;
    }
    return Check(command_line.files, parser.value(command_line.group_option), Rules_File_Name(command_line),
                 output);
}

int TCommandLineTool::Run_Rules(const TCommandLine& command_line)
{
    if (command_line.Refuses(command_line.group_option, d_err) ||
        command_line.Refuses(command_line.tolerance_option, d_err) ||
        command_line.Refuses(command_line.summary_option, d_err) ||
        command_line.Refuses(command_line.junit_option, d_err) || !command_line.Has_Files(0, d_err))
    {
        return EXIT_UNUSABLE;
    }
    return List_Rules(Rules_File_Name(command_line), command_line.parser.isSet(command_line.json_option));
}

int TCommandLineTool::Run_List(const TCommandLine& command_line)
{
    if (command_line.Refuses(command_line.group_option, d_err) ||
        command_line.Refuses(command_line.rules_option, d_err) ||
        command_line.Refuses(command_line.tolerance_option, d_err) ||
        command_line.Refuses(command_line.summary_option, d_err) ||
        command_line.Refuses(command_line.junit_option, d_err) || !command_line.Has_Files(1, d_err))
    {
        return EXIT_UNUSABLE;
    }
    return List(command_line.files.at(0), command_line.parser.isSet(command_line.json_option));
}

int TCommandLineTool::Run_Compare(const TCommandLine& command_line)
{
    const QCommandLineParser& parser = command_line.parser;
    if (command_line.Refuses(command_line.group_option, d_err) ||
        command_line.Refuses(command_line.rules_option, d_err) ||
        command_line.Refuses(command_line.summary_option, d_err) ||
        command_line.Refuses(command_line.junit_option, d_err) || !command_line.Has_Files(2, d_err))
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

int TCommandLineTool::Run_Set(const TCommandLine& command_line)
{
    const QCommandLineParser& parser = command_line.parser;
    if (command_line.Refuses(command_line.group_option, d_err) ||
        command_line.Refuses(command_line.rules_option, d_err) ||
        command_line.Refuses(command_line.json_option, d_err) ||
        command_line.Refuses(command_line.summary_option, d_err) ||
        command_line.Refuses(command_line.junit_option, d_err) ||
        command_line.Refuses(command_line.tolerance_option, d_err))
    {
        return EXIT_UNUSABLE;
    }
    if (command_line.files.size() < 2)
    {
        *d_err << "'set' takes a file and at least one KEY=VALUE. Try 'vantrel-cli --help'.\n";
        return EXIT_UNUSABLE;
    }
    const bool output = parser.isSet(command_line.output_option);
    const bool in_place = parser.isSet(command_line.in_place_option);
    if (output == in_place)
    {
        *d_err << (output ? "'set' writes either --output PATH or --in-place, not both.\n"
                          : "'set' needs --output PATH or --in-place.\n");
        return EXIT_UNUSABLE;
    }
    return Set(command_line.files.first(), command_line.files.mid(1),
               output ? parser.value(command_line.output_option) : QString());
}

int TCommandLineTool::Run_Apply(const TCommandLine& command_line)
{
    const QCommandLineParser& parser = command_line.parser;
    if (command_line.Refuses(command_line.group_option, d_err) ||
        command_line.Refuses(command_line.rules_option, d_err) ||
        command_line.Refuses(command_line.summary_option, d_err) ||
        command_line.Refuses(command_line.junit_option, d_err) ||
        command_line.Refuses(command_line.tolerance_option, d_err))
    {
        return EXIT_UNUSABLE;
    }
    if (command_line.files.size() < 2)
    {
        *d_err << "'apply' takes the file the values come from and at least one file or folder. "
                  "Try 'vantrel-cli --help'.\n";
        return EXIT_UNUSABLE;
    }
    const bool output = parser.isSet(command_line.output_directory_option);
    const bool in_place = parser.isSet(command_line.in_place_option);
    if (output == in_place)
    {
        *d_err << (output ? "'apply' writes either --output-dir DIR or --in-place, not both.\n"
                          : "'apply' needs --output-dir DIR or --in-place.\n");
        return EXIT_UNUSABLE;
    }
    TApplyOutput options;
    options.output_directory = output ? parser.value(command_line.output_directory_option) : QString();
    if (output && options.output_directory.isEmpty())
    {
        *d_err << "--output-dir takes a folder, not an empty name.\n";
        return EXIT_UNUSABLE;
    }
    if (parser.isSet(command_line.keys_option))
    {
        for (const QString& key : parser.value(command_line.keys_option).split(QLatin1Char(',')))
        {
            if (!key.trimmed().isEmpty())
            {
                options.keys.append(key.trimmed());
            }
        }
        if (options.keys.isEmpty())
        {
            *d_err << "--keys takes one or more keys, separated by commas.\n";
            return EXIT_UNUSABLE;
        }
    }
    options.dry_run = parser.isSet(command_line.dry_run_option);
    options.json = parser.isSet(command_line.json_option);
    return Apply(command_line.files.first(), command_line.files.mid(1), options);
}

TJsonWriter::TSink TCommandLineTool::Json_Sink()
{
    return [this](const QByteArray& piece)
    {
        // The bytes are UTF-8 already: on a stream over a file (standard output) they go straight to
        // it, after what the stream still holds.
        if (QIODevice* device = d_out->device())
        {
            d_out->flush();
            device->write(piece);
        }
        else
        {
            *d_out << QString::fromUtf8(piece);
        }
    };
}

QString TCommandLineTool::Reason_Text(const QString& reason)
{
    // The XML layer's reasons carry an "ERR:" of their own; the lines that print them have one already.
    static const QRegularExpression marker(QStringLiteral("^ERR:\\s*"));
    return QString(reason).remove(marker);
}

QString TCommandLineTool::Named_Error(const QString& file_name, const QString& reason)
{
    // With two files or a fleet, a reason that does not say which file it is about says nothing.
    const QString native = QDir::toNativeSeparators(file_name);
    const QString text = Reason_Text(reason);
    return text.contains(native) || text.contains(file_name) ? text : native + QStringLiteral(": ") + text;
}

bool TCommandLineTool::Load(const QString& file_name, TParameters* parameters)
{
    if (QFileInfo(file_name).isDir())
    {
        *d_err << "ERR:  " << QDir::toNativeSeparators(file_name) << " is a folder, not a parameter file.\n";
        return false;
    }
    // The same steps as the window's Open: an empty model, then the reader the content asks for.
    parameters->Reset();
    if (!parameters->Load_Parameter_File(file_name))
    {
        *d_err << "ERR:  " << Named_Error(file_name, parameters->Last_Error()) << "\n";
        return false;
    }
    Print_Warnings(file_name, parameters->Load_Warnings());
    // Listings and comparisons never save.
    parameters->Let_Go_Of_Source();
    return true;
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
        // Written as it goes: a file of 100,000 parameters is never held twice, as a document too.
        TJsonWriter writer(Json_Sink());
        writer.Begin_Object();
        writer.Key(QStringLiteral("file"));
        writer.String(QFileInfo(file_name).absoluteFilePath());
        writer.Key(QStringLiteral("format"));
        writer.String(TComparison::Format_Name(parameters.File_Format()));
        writer.Key(QStringLiteral("parameters"));
        writer.Begin_Array();
        for (const TParameters::TParameter& parameter : parameters.Parameters())
        {
            writer.Begin_Object();
            writer.Key(QStringLiteral("description"));
            writer.String(parameter.description);
            writer.Key(QStringLiteral("key"));
            writer.String(parameter.key);
            writer.Key(QStringLiteral("name"));
            writer.String(parameter.name);
            writer.Key(QStringLiteral("number"));
            writer.Integer(parameter.number);
            writer.Key(QStringLiteral("type"));
            writer.String(TComparison::Type_Name(parameter.type));
            writer.Key(QStringLiteral("values"));
            writer.Value(TComparison::Values_Json(TComparison::Values_Of(parameter)));
            writer.End_Object();
        }
        writer.End_Array();
        writer.End_Object();
        writer.Finish();
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
        *d_out << "\n    type: " << TComparison::Type_Name(parameter.type)
               << "\n    values: " << TComparison::Values_Text(TComparison::Values_Of(parameter)) << "\n";
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

    const TComparison::TResult result = TComparison(&parameters_a, &parameters_b, tolerance).Compare();
    const QStringList& only_a = result.only_in_a;
    const QStringList& only_b = result.only_in_b;
    const bool same = result.Same();
    if (json)
    {
        TJsonWriter writer(Json_Sink());
        writer.Begin_Object();
        writer.Key(QStringLiteral("a"));
        writer.String(QFileInfo(file_name_a).absoluteFilePath());
        writer.Key(QStringLiteral("b"));
        writer.String(QFileInfo(file_name_b).absoluteFilePath());
        writer.Key(QStringLiteral("different"));
        writer.Begin_Array();
        for (const TComparison::TDifference& difference : result.different)
        {
            writer.Begin_Object();
            writer.Key(QStringLiteral("a"));
            writer.Value(TComparison::Values_Json(difference.values_a));
            writer.Key(QStringLiteral("b"));
            writer.Value(TComparison::Values_Json(difference.values_b));
            writer.Key(QStringLiteral("key"));
            writer.String(difference.key);
            writer.End_Object();
        }
        writer.End_Array();
        writer.Key(QStringLiteral("only_in_a"));
        writer.Value(QJsonArray::fromStringList(only_a));
        writer.Key(QStringLiteral("only_in_b"));
        writer.Value(QJsonArray::fromStringList(only_b));
        writer.Key(QStringLiteral("same"));
        writer.Boolean(same);
        writer.Key(QStringLiteral("tolerance"));
        writer.Number(tolerance);
        writer.End_Object();
        writer.Finish();
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
        for (const TComparison::TDifference& difference : result.different)
        {
            *d_out << "Different: " << difference.key
                   << "\n  A: " << TComparison::Values_Text(difference.values_a)
                   << "\n  B: " << TComparison::Values_Text(difference.values_b) << "\n";
        }
        *d_out << only_a.size() << " only in A, " << only_b.size() << " only in B, "
               << result.different.size() << " different\n";
    }
    return same ? EXIT_OK : EXIT_DIFFERENT;
}
