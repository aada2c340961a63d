// Time of a fleet check as `vantrel-cli check FOLDER` does it: 1,000 machine constants files of 150
// parameters each found in a folder by content, loaded and checked against a 50-rule group on all cores,
// and, for comparison, the same on one thread.
#include "benchfiles.h"
#include "fleetcheck.h"
#include "parameters.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>

namespace
{
std::vector<TRules::TRuleItem> Make_Rules(const std::vector<TExpression::TVariable>& variables, int count)
{
    QRandomGenerator random(20261207u);
    QStringList names;
    for (const TExpression::TVariable& variable : variables)
    {
        names.append(variable.name);
    }
    return Random_Rules(random, names, count, 1, 4, false);
}

double Check_Folder_Ms(const QString& folder, const std::vector<TRules::TRuleItem>& rules, int* files,
                       int* failed)
{
    QElapsedTimer timer;
    timer.start();
    const std::vector<TFleetCheck::TFileResult> results =
        TFleetCheck::Check_Files(TFleetCheck::Collect_Files(QStringList{folder}, nullptr), rules);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    const TFleetCheck::TTotals totals = TFleetCheck::Totals(results);
    *files = totals.files - totals.not_loaded;
    *failed = totals.rules.failed + totals.rules.invalid;
    return elapsed;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int file_count = 1000;
    const int parameter_count = 150;
    const int rule_count = 50;
    const int rounds = 3;

    QTemporaryDir directory;
    if (!directory.isValid())
    {
        std::fprintf(stderr, "cannot create a temporary directory\n");
        return 1;
    }
    // The machines differ a little, as a fleet does: the files are the same list with other values.
    const QByteArray content = Generate_File(parameter_count);
    for (int index = 0; index < file_count; ++index)
    {
        const QString subfolder = QStringLiteral("line-%1").arg(index % 10);
        QDir(directory.path()).mkpath(subfolder);
        QFile file(directory.filePath(
            QStringLiteral("%1/machine-%2.asc").arg(subfolder).arg(index, 4, 10, QLatin1Char('0'))));
        QByteArray machine = content;
        machine.replace("  2048\n", QByteArray("  " + QByteArray::number(2048 + index % 7) + "\n"));
        if (!file.open(QIODevice::WriteOnly) || file.write(machine) != machine.size())
        {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }

    TParameters sample;
    if (!sample.Load_Parameter_File(directory.filePath(QStringLiteral("line-0/machine-0000.asc"))))
    {
        std::fprintf(stderr, "load failed: %s\n", qPrintable(sample.Last_Error()));
        return 1;
    }
    const std::vector<TRules::TRuleItem> rules = Make_Rules(sample.Get_Variables(), rule_count);

    int files = 0;
    int failed = 0;
    std::vector<double> all_cores;
    for (int round = 0; round < rounds; ++round)
    {
        all_cores.push_back(Check_Folder_Ms(directory.path(), rules, &files, &failed));
    }
    const int threads = QThreadPool::globalInstance()->maxThreadCount();
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    const double one_thread = Check_Folder_Ms(directory.path(), rules, &files, &failed);

    std::printf("bench_fleet: %d files of %d parameters (%zu variables each), %d rules\n", file_count,
                sample.Parameter_Count(), sample.Get_Variables().size(), rule_count);
    std::printf("  %d threads: median %.0f ms (best %.0f ms) over %d rounds; %d files checked, %d rules "
                "failed or invalid\n",
                threads, Median(all_cores), *std::min_element(all_cores.begin(), all_cores.end()), rounds,
                files, failed);
    std::printf("  1 thread:  %.0f ms\n", one_thread);
    return 0;
}
