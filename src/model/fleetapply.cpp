#include "fleetapply.h"

#include "filechange.h"
#include "fleetcheck.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QtConcurrent>

#include <algorithm>

namespace
{
// Two names of the same file compare equal: a file given twice, or once alone and once in its folder.
QString Same_File_Name(const QString& file_name)
{
    const QFileInfo info(file_name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}
} // namespace

int TFleetApply::TFileResult::Count(TValueTransfer::TStanding standing) const
{
    return static_cast<int>(std::count_if(items.cbegin(), items.cend(),
                                          [standing](const TValueTransfer::TItem& item)
                                          { return item.standing == standing; }));
}

QString TFleetApply::TTotals::Text() const
{
    return QStringLiteral(
               "%1 %2: %3 changed, %4 unchanged, %5 failed; values: %6 taken, %7 same, %8 missing, "
               "%9 did not fit")
        .arg(files)
        .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"))
        .arg(changed_files)
        .arg(unchanged_files)
        .arg(failed_files)
        .arg(taken)
        .arg(same)
        .arg(missing)
        .arg(misfit);
}

std::vector<TFleetApply::TTarget> TFleetApply::Collect_Targets(const QStringList& paths,
                                                               const QString& output_directory,
                                                               QStringList* empty_folders)
{
    std::vector<TTarget> targets;
    QSet<QString> seen;
    for (const QString& path : paths)
    {
        const bool folder = QFileInfo(path).isDir();
        for (const QString& file_name : TFleetCheck::Collect_Files(QStringList{path}, empty_folders))
        {
            if (seen.contains(Same_File_Name(file_name)))
            {
                continue;
            }
            seen.insert(Same_File_Name(file_name));
            TTarget target;
            target.file_name = file_name;
            if (!output_directory.isEmpty())
            {
                const QString below =
                    folder ? QDir(path).relativeFilePath(file_name) : QFileInfo(file_name).fileName();
                target.output_file_name = QDir::cleanPath(QDir(output_directory).filePath(below));
            }
            targets.push_back(std::move(target));
        }
    }
    std::sort(targets.begin(), targets.end(),
              [](const TTarget& a, const TTarget& b) { return a.file_name < b.file_name; });

    // A second file written to the same place would replace the first one's result without a word, and
    // a file written over itself would lose the file as it was without a backup.
    QHash<QString, QString> written_from;
    for (TTarget& target : targets)
    {
        if (target.output_file_name.isEmpty())
        {
            continue;
        }
        const QString place = Same_File_Name(target.output_file_name);
        if (place == Same_File_Name(target.file_name))
        {
            target.refusal =
                QStringLiteral("%1 would be written over itself; use --in-place to keep a backup")
                    .arg(QDir::toNativeSeparators(target.file_name));
        }
        else if (written_from.contains(place))
        {
            target.refusal = QStringLiteral("%1 would be written to %2, as %3 is")
                                 .arg(QDir::toNativeSeparators(target.file_name),
                                      QDir::toNativeSeparators(target.output_file_name),
                                      QDir::toNativeSeparators(written_from.value(place)));
        }
        else
        {
            written_from.insert(place, target.file_name);
        }
    }
    return targets;
}

std::vector<TFleetApply::TFileResult>
TFleetApply::Apply(const TParameters& source, const std::vector<TTarget>& targets, const TOptions& options)
{
    std::vector<TFileResult> results(targets.size());
    for (std::size_t index = 0; index < targets.size(); ++index)
    {
        results[index].target = targets[index];
    }
    // Each file has a model of its own; the source is only read.
    QtConcurrent::blockingMap(
        results,
        [&source, &options](TFileResult& result)
        {
            const TTarget& target = result.target;
            if (!target.refusal.isEmpty())
            {
                result.error = target.refusal;
                return;
            }
            if (QFileInfo(target.file_name).isDir())
            {
                result.error = QStringLiteral("%1 is a folder, not a parameter file")
                                   .arg(QDir::toNativeSeparators(target.file_name));
                return;
            }
            TFileChange change(target.file_name);
            result.loaded = change.Load();
            if (!result.loaded)
            {
                result.error = change.Error();
                return;
            }
            result.warnings = change.Parameters().Load_Warnings();
            const TValueTransfer plan(change.Parameters(), source, options.keys);
            for (const TParameters::TParameter& record : plan.Taken())
            {
                change.Take(record);
            }
            result.items = plan.Items();
            result.changes = change.Changes();
            const bool in_place = target.output_file_name.isEmpty();
            // In place, a file that holds every value already is left as it is, without a backup.
            if (options.dry_run || (in_place && result.changes.isEmpty()))
            {
                return;
            }
            if (!in_place && !QDir().mkpath(QFileInfo(target.output_file_name).absolutePath()))
            {
                result.error = QStringLiteral("Cannot make the folder %1")
                                   .arg(QDir::toNativeSeparators(QFileInfo(target.output_file_name).path()));
                return;
            }
            result.written = change.Save(target.output_file_name);
            if (!result.written)
            {
                result.error = change.Error();
                return;
            }
            result.backup_file_name = change.Backup_File_Name();
        });
    return results;
}

TFleetApply::TTotals TFleetApply::Totals(const std::vector<TFileResult>& results)
{
    TTotals totals;
    totals.files = static_cast<int>(results.size());
    for (const TFileResult& result : results)
    {
        // Values of a file that could not be written were not taken.
        totals.taken += result.error.isEmpty() ? result.changes.size() : 0;
        totals.same += result.Count(TValueTransfer::STANDING_SAME);
        totals.missing += result.Count(TValueTransfer::STANDING_MISSING);
        totals.misfit += result.Count(TValueTransfer::STANDING_MISFIT);
        if (!result.error.isEmpty())
        {
            ++totals.failed_files;
        }
        else
        {
            ++(result.changes.isEmpty() ? totals.unchanged_files : totals.changed_files);
        }
    }
    return totals;
}
