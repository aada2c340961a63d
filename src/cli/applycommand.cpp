// The command of vantrel-cli that takes the values of one file into many: apply.
#include "commandlinetool.h"

#include "parametercomparison.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
QJsonArray Items_Json(const TFleetApply::TFileResult& result, TValueTransfer::TStanding standing)
{
    QJsonArray items;
    for (const TValueTransfer::TItem& item : result.items)
    {
        if (item.standing != standing)
        {
            continue;
        }
        QJsonObject entry;
        entry.insert(QStringLiteral("key"), item.key);
        if (standing == TValueTransfer::STANDING_DIFFERENT)
        {
            entry.insert(QStringLiteral("before"),
                         TParameterComparison::Values_Json(TParameterComparison::Values_Of(item.current)));
            entry.insert(QStringLiteral("after"),
                         TParameterComparison::Values_Json(TParameterComparison::Values_Of(item.taken)));
        }
        else
        {
            entry.insert(QStringLiteral("reason"), item.reason);
        }
        items.append(entry);
    }
    return items;
}

QJsonValue Name_Or_Null(const QString& file_name)
{
    return file_name.isEmpty() ? QJsonValue() : QJsonValue(QFileInfo(file_name).absoluteFilePath());
}
} // namespace

int TCommandLineTool::Apply(const QString& source_file_name, const QStringList& paths,
                            const TApplyOutput& options)
{
    TParameters source;
    if (!Load(source_file_name, &source))
    {
        return EXIT_UNUSABLE;
    }
    QStringList empty_folders;
    const std::vector<TFleetApply::TTarget> targets =
        TFleetApply::Collect_Targets(paths, options.output_directory, &empty_folders);
    const std::vector<TFleetApply::TFileResult> results = TFleetApply::Apply(source, targets, options);
    const TFleetApply::TTotals totals = TFleetApply::Totals(results);
    const int status = totals.failed_files > 0 || !empty_folders.isEmpty() ? EXIT_UNUSABLE
                       : totals.missing > 0 || totals.misfit > 0           ? EXIT_DIFFERENT
                                                                           : EXIT_OK;
    for (const QString& folder : qAsConst(empty_folders))
    {
        *d_err << "No parameter file found in " << QDir::toNativeSeparators(folder) << ".\n";
    }
    for (const TFleetApply::TFileResult& result : results)
    {
        Print_Warnings(result.target.file_name, result.warnings);
    }

    if (options.json)
    {
        QJsonArray files;
        for (const TFleetApply::TFileResult& result : results)
        {
            QJsonObject file;
            file.insert(QStringLiteral("file"), QFileInfo(result.target.file_name).absoluteFilePath());
            file.insert(QStringLiteral("error"),
                        result.error.isEmpty() ? QJsonValue() : QJsonValue(Reason_Text(result.error)));
            file.insert(QStringLiteral("changed"), Items_Json(result, TValueTransfer::STANDING_DIFFERENT));
            file.insert(QStringLiteral("missing"), Items_Json(result, TValueTransfer::STANDING_MISSING));
            file.insert(QStringLiteral("misfit"), Items_Json(result, TValueTransfer::STANDING_MISFIT));
            file.insert(QStringLiteral("same"), result.Count(TValueTransfer::STANDING_SAME));
            file.insert(QStringLiteral("written"),
                        Name_Or_Null(result.written ? (result.target.output_file_name.isEmpty()
                                                           ? result.target.file_name
                                                           : result.target.output_file_name)
                                                    : QString()));
            file.insert(QStringLiteral("backup"), Name_Or_Null(result.backup_file_name));
            files.append(file);
        }
        QJsonObject counts;
        counts.insert(QStringLiteral("files"), totals.files);
        counts.insert(QStringLiteral("changed_files"), totals.changed_files);
        counts.insert(QStringLiteral("unchanged_files"), totals.unchanged_files);
        counts.insert(QStringLiteral("failed_files"), totals.failed_files);
        counts.insert(QStringLiteral("taken"), totals.taken);
        counts.insert(QStringLiteral("same"), totals.same);
        counts.insert(QStringLiteral("missing"), totals.missing);
        counts.insert(QStringLiteral("misfit"), totals.misfit);
        QJsonObject document;
        document.insert(QStringLiteral("source"), QFileInfo(source_file_name).absoluteFilePath());
        document.insert(QStringLiteral("dry_run"), options.dry_run);
        document.insert(QStringLiteral("files"), files);
        document.insert(QStringLiteral("totals"), counts);
        *d_out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
        return status;
    }

    for (const TFleetApply::TFileResult& result : results)
    {
        *d_out << "File: " << QDir::toNativeSeparators(result.target.file_name) << "\n";
        for (const QString& change : result.changes)
        {
            *d_out << "  " << change << "\n";
        }
        for (const TValueTransfer::TItem& item : result.items)
        {
            if (item.standing == TValueTransfer::STANDING_MISSING)
            {
                *d_out << "  Missing: " << item.key << ": " << item.reason << "\n";
            }
            else if (item.standing == TValueTransfer::STANDING_MISFIT)
            {
                *d_out << "  Did not fit: " << item.key << ": " << item.reason << "\n";
            }
        }
        if (!result.error.isEmpty())
        {
            *d_out << "  ERR:  " << Reason_Text(result.error) << "\n";
        }
        else if (result.written && !result.backup_file_name.isEmpty())
        {
            *d_out << "  Saved; the file as it was is kept as "
                   << QDir::toNativeSeparators(result.backup_file_name) << "\n";
        }
        else if (result.written)
        {
            *d_out << "  Written to " << QDir::toNativeSeparators(result.target.output_file_name) << "\n";
        }
        else if (options.dry_run)
        {
            *d_out << "  Nothing written (dry run)\n";
        }
        else
        {
            *d_out << "  Holds every value already; left as it is\n";
        }
        *d_out << "\n";
    }
    *d_out << totals.Text() << (options.dry_run ? "; dry run, nothing written\n" : "\n");
    return status;
}
