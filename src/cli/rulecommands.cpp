// The commands of vantrel-cli that work with rules files: check and rules.
#include "commandlinetool.h"

#include "fleetreport.h"
#include "rulerun.h"
#include "rules.h"
#include "utilities.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

bool TCommandLineTool::Load_Rules(const QString& rules_file_name, TRules* rules)
{
    if (QFileInfo(rules_file_name).isDir())
    {
        *d_err << "Rules file " << QDir::toNativeSeparators(rules_file_name)
               << " is a folder, not a rules file.\n";
        return false;
    }
    // A missing rules file loads as an empty store in the window; here it is a mistake in the call.
    if (!QFileInfo(rules_file_name).isFile())
    {
        *d_err << "Rules file " << QDir::toNativeSeparators(rules_file_name) << " not found.\n";
        return false;
    }
    if (!rules->Read_Rules_File(rules_file_name))
    {
        *d_err << "Cannot load rules file " << QDir::toNativeSeparators(rules_file_name) << ": "
               << rules->Last_Error() << "\n";
        return false;
    }
    return true;
}

int TCommandLineTool::Check(const QStringList& paths, const QString& group, const QString& rules_file_name,
                            const TCheckOutput& output)
{
    TRules rules;
    if (!Load_Rules(rules_file_name, &rules))
    {
        return EXIT_UNUSABLE;
    }
    if (!rules.Rule_Groups().contains(group))
    {
        *d_err << "Rule group '" << group << "' not found in " << QDir::toNativeSeparators(rules_file_name)
               << ".\n";
        return EXIT_UNUSABLE;
    }

    QStringList empty_folders;
    int skipped = 0;
    const std::vector<TFleetCheck::TFileResult> results = TFleetCheck::Check_Files(
        TFleetCheck::Collect_Files(paths, &empty_folders, &skipped), rules.Rules(group));
    const TFleetCheck::TTotals totals = TFleetCheck::Totals(results, skipped);
    int status = totals.not_loaded > 0 || !empty_folders.isEmpty() ? EXIT_UNUSABLE
                 : totals.failed_files > 0                         ? EXIT_DIFFERENT
                                                                   : EXIT_OK;
    for (const QString& folder : qAsConst(empty_folders))
    {
        *d_err << "No parameter file found in " << QDir::toNativeSeparators(folder) << ".\n";
    }
    for (const TFleetCheck::TFileResult& result : results)
    {
        Print_Warnings(result.file_name, result.warnings);
    }

    // One file reads alone only when nothing else was found: skipped files are counted on the totals
    // line.
    const bool one_file = paths.size() == 1 && results.size() == 1 && empty_folders.isEmpty() && skipped == 0;
    if (output.json)
    {
        TJsonWriter writer(Json_Sink());
        TFleetReport::Write_Json(group, results, skipped, &writer);
    }
    else if (one_file && !output.summary)
    {
        // One file reads as it always has: its report, or the reader's reason on the error stream.
        const TFleetCheck::TFileResult& result = results.front();
        if (!result.loaded)
        {
            *d_err << "ERR:  " << Named_Error(result.file_name, result.error) << "\n";
        }
        else
        {
            for (const TRuleRun::TReportLine& line : result.run.Report_Lines())
            {
                *d_out << line.text << "\n";
            }
            *d_out << result.run.totals.Text() << "\n";
        }
    }
    else
    {
        Print_Files(results, output.summary);
        *d_out << totals.Text() << "\n";
    }

    if (!output.junit_file_name.isEmpty())
    {
        QString error;
        if (!Utilities::Save_File(
                output.junit_file_name,
                [&](QIODevice* device) { return TFleetReport::Write_Junit(group, results, device); }, &error))
        {
            *d_err << error << "\n";
            status = EXIT_UNUSABLE;
        }
    }
    return status;
}

void TCommandLineTool::Print_Files(const std::vector<TFleetCheck::TFileResult>& results, bool summary)
{
    if (!summary)
    {
        for (const TFleetCheck::TFileResult& result : results)
        {
            *d_out << "File: " << QDir::toNativeSeparators(result.file_name) << "\n";
            if (!result.loaded)
            {
                *d_out << "ERR:  " << Reason_Text(result.error) << "\n\n";
                continue;
            }
            for (const TRuleRun::TReportLine& line : result.run.Report_Lines())
            {
                *d_out << line.text << "\n";
            }
            *d_out << result.run.totals.Text() << "\n\n";
        }
    }
    // One closing line per file, its verdict first so that a long list can be scanned.
    for (const TFleetCheck::TFileResult& result : results)
    {
        const QString file_name = QDir::toNativeSeparators(result.file_name);
        if (!result.loaded)
        {
            *d_out << "ERROR  " << file_name << ": " << Reason_Text(result.error) << "\n";
        }
        else
        {
            *d_out << (result.run.totals.All_Passed() ? "PASS   " : "FAIL   ") << file_name << ": "
                   << result.run.totals.Text() << "\n";
        }
    }
}

int TCommandLineTool::List_Rules(const QString& rules_file_name, bool json)
{
    TRules rules;
    if (!Load_Rules(rules_file_name, &rules))
    {
        return EXIT_UNUSABLE;
    }

    const QStringList groups = rules.Rule_Groups();
    if (json)
    {
        QJsonArray group_array;
        for (const QString& group : groups)
        {
            QJsonArray rule_array;
            for (const TRules::TRuleItem& item : rules.Rules(group))
            {
                QJsonObject rule;
                rule.insert(QStringLiteral("name"), item.name);
                rule.insert(QStringLiteral("left"), item.left_expression);
                rule.insert(QStringLiteral("operator"), TRuleRun::Operator_Name(item.operator_type)
                                                            .toLower()
                                                            .replace(QLatin1Char(' '), QLatin1Char('_')));
                rule.insert(QStringLiteral("right"), item.right_expression);
                rule_array.append(rule);
            }
            QJsonObject entry;
            entry.insert(QStringLiteral("name"), group);
            entry.insert(QStringLiteral("rules"), rule_array);
            group_array.append(entry);
        }
        QJsonObject document;
        document.insert(QStringLiteral("file"), QFileInfo(rules_file_name).absoluteFilePath());
        document.insert(QStringLiteral("groups"), group_array);
        *d_out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
        return EXIT_OK;
    }

    int rule_count = 0;
    for (const QString& group : groups)
    {
        *d_out << "Group: " << group << "\n";
        for (const TRules::TRuleItem& item : rules.Rules(group))
        {
            ++rule_count;
            *d_out << "  Rule: " << item.name << "\n"
                   << "    left:     " << item.left_expression << "\n"
                   << "    operator: Left " << TRuleRun::Operator_Name(item.operator_type) << " Right\n"
                   << "    right:    " << item.right_expression << "\n";
        }
    }
    *d_out << groups.size() << (groups.size() == 1 ? " group, " : " groups, ") << rule_count
           << (rule_count == 1 ? " rule\n" : " rules\n");
    return EXIT_OK;
}
