#include "fleetcheck.h"

#include "parameters.h"
#include "rulevariables.h"
#include "xmlinput.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QtConcurrent>

#include <algorithm>

QString TFleetCheck::TTotals::Text() const
{
    QString text = QStringLiteral("%1 %2: %3 passed, %4 failed, %5 not loaded; rules: %6")
                       .arg(files)
                       .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"))
                       .arg(passed_files)
                       .arg(failed_files)
                       .arg(not_loaded)
                       .arg(rules.Text());
    if (skipped > 0)
    {
        text += QStringLiteral("; %1 other %2 skipped")
                    .arg(skipped)
                    .arg(skipped == 1 ? QStringLiteral("file") : QStringLiteral("files"));
    }
    return text;
}

namespace
{
// How much of an XML file is read to find its root element: the declaration, comments and a document
// type before it never run this long in the files a service engineer keeps beside parameter files.
const int ROOT_SEARCH_LENGTH = 16 * 1024;

// A rules file kept beside the machines' files (the group to run, a colleague's export) is no
// parameter file that failed to load. An XML file whose root cannot be found is not known to be one.
bool Is_Rules_File(const QString& file_name)
{
    QFile file(file_name);
    if (!file.open(QIODevice::ReadOnly))
    {
        return false;
    }
    const XmlInput::TPrepared input = XmlInput::Prepare(file.read(ROOT_SEARCH_LENGTH));
    QXmlStreamReader reader;
    if (input.decoded)
    {
        reader.addData(input.text);
    }
    else
    {
        reader.addData(input.bytes);
    }
    while (!reader.atEnd())
    {
        if (reader.readNext() == QXmlStreamReader::StartElement)
        {
            return reader.name() == QLatin1String("Rules");
        }
    }
    return false;
}

// Whether a file found in a folder is checked: every file named as parameter files are (a damaged one
// is then reported, not passed over), and any other file whose content says it is one.
bool Is_Checked_In_Folder(const QString& file_name)
{
    const QString suffix = QFileInfo(file_name).suffix().toLower();
    if (suffix == QLatin1String("asc"))
    {
        return true;
    }
    if (suffix == QLatin1String("xml"))
    {
        return !Is_Rules_File(file_name);
    }
    return TParameters::Format_Of_File(file_name) != TParameters::FORMAT_NOT_SET;
}
} // namespace

QStringList TFleetCheck::Collect_Files(const QStringList& paths, QStringList* empty_folders, int* skipped)
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
            if (Is_Checked_In_Folder(file_name))
            {
                found.append(file_name);
            }
            else if (skipped)
            {
                ++*skipped;
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
    // but the rules and the names they can read, which are only read. The evaluator holds only the
    // variables the rules can read, so that a big file is not held twice.
    const TRuleVariables readable(rules);
    QtConcurrent::blockingMap(results,
                              [&rules, &readable](TFileResult& result)
                              {
                                  TParameters parameters;
                                  parameters.Set_Reading_Names(false);
                                  result.loaded = parameters.Load_Parameter_File(result.file_name);
                                  result.warnings = parameters.Load_Warnings();
                                  if (!result.loaded)
                                  {
                                      result.error = parameters.Last_Error();
                                      return;
                                  }
                                  parameters.Let_Go_Of_Source();
                                  result.run = TRuleRun(readable.Variables(parameters)).Run_Group(rules);
                              });
    return results;
}

TFleetCheck::TTotals TFleetCheck::Totals(const std::vector<TFileResult>& results, int skipped)
{
    TTotals totals;
    totals.files = static_cast<int>(results.size());
    totals.skipped = skipped;
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
