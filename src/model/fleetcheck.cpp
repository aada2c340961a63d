#include "fleetcheck.h"

#include "parameters.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QtConcurrent>

#include <algorithm>

QString TFleetCheck::TTotals::Text() const
{
    return QStringLiteral("%1 %2: %3 passed, %4 failed, %5 not loaded; rules: %6")
        .arg(files)
        .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"))
        .arg(passed_files)
        .arg(failed_files)
        .arg(not_loaded)
        .arg(rules.Text());
}

QStringList TFleetCheck::Collect_Files(const QStringList& paths, QStringList* empty_folders)
{
    QStringList file_names;
    for (const QString& path : paths)
    {
        if (!QFileInfo(path).isDir())
        {
            file_names.append(path);
            continue;
        }
        // Links to folders are not followed: a link back up the tree would never end.
        QStringList found;
        QDirIterator iterator(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (iterator.hasNext())
        {
            const QString file_name = iterator.next();
            if (TParameters::Format_Of_File(file_name) != TParameters::FORMAT_NOT_SET)
            {
                found.append(file_name);
            }
        }
        if (found.isEmpty() && empty_folders)
        {
            empty_folders->append(path);
        }
        std::sort(found.begin(), found.end());
        file_names += found;
    }
    return file_names;
}

std::vector<TFleetCheck::TFileResult> TFleetCheck::Check_Files(const QStringList& file_names,
                                                               const std::vector<TRules::TRuleItem>& rules)
{
    std::vector<TFileResult> results(static_cast<size_t>(file_names.size()));
    for (int i = 0; i < file_names.size(); ++i)
    {
        results[static_cast<size_t>(i)].file_name = file_names.at(i);
    }
    // Each file is loaded and checked on its own: a model and an evaluator per file, nothing shared
    // but the rules, which are only read.
    QtConcurrent::blockingMap(results,
                              [&rules](TFileResult& result)
                              {
                                  TParameters parameters;
                                  result.loaded = parameters.Load_Parameter_File(result.file_name);
                                  if (!result.loaded)
                                  {
                                      result.error = parameters.Last_Error();
                                      return;
                                  }
                                  result.run = TRuleRun(parameters.Get_Variables()).Run_Group(rules);
                              });
    return results;
}

TFleetCheck::TTotals TFleetCheck::Totals(const std::vector<TFileResult>& results)
{
    TTotals totals;
    totals.files = static_cast<int>(results.size());
    for (const TFileResult& result : results)
    {
        if (!result.loaded)
        {
            ++totals.not_loaded;
            continue;
        }
        ++(result.run.totals.All_Passed() ? totals.passed_files : totals.failed_files);
        totals.rules.Add(result.run.totals);
    }
    return totals;
}
