// Load, filter and variable timings for a machine constants file far larger than a real controller's
// (a few hundred entries): 100,000 entries of every type the reader knows, arrays included.
#include "benchfiles.h"
#include "parameters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int entry_count = 100000;
    const int rounds = 5;

    QTemporaryDir directory;
    if (!directory.isValid())
    {
        std::fprintf(stderr, "cannot create a temporary directory\n");
        return 1;
    }
    const QString path = directory.filePath(QStringLiteral("bench.asc"));
    const QByteArray content = Generate_File(entry_count);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
    {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    std::vector<double> load_ms, filter_ms, variables_ms;
    int loaded = 0, filtered = 0;
    std::size_t variable_count = 0;
    for (int round = 0; round < rounds; ++round)
    {
        TParameters parameters;
        QElapsedTimer timer;
        timer.start();
        if (!parameters.Load_Parameter_File(path))
        {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(parameters.Last_Error()));
            return 1;
        }
        load_ms.push_back(timer.nsecsElapsed() / 1e6);
        loaded = parameters.Parameter_Count();

        timer.restart();
        filtered = parameters.Get_Parameter_List(QStringLiteral("prb_limit_9")).size();
        filter_ms.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        int longest = 0;
        variable_count = parameters.Get_Variables(&longest).size();
        variables_ms.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::printf("file: %d entries, %.1f MB\n", entry_count, content.size() / 1048576.0);
    std::printf("Load_Parameter_File: %d parameters, median %.1f ms (best %.1f ms) over %d rounds\n", loaded,
                Median(load_ms), *std::min_element(load_ms.begin(), load_ms.end()), rounds);
    std::printf("Get_Parameter_List(\"prb_limit_9\"): %d keys, median %.2f ms (best %.2f ms)\n", filtered,
                Median(filter_ms), *std::min_element(filter_ms.begin(), filter_ms.end()));
    std::printf("Get_Variables: %zu variables, median %.1f ms (best %.1f ms)\n", variable_count,
                Median(variables_ms), *std::min_element(variables_ms.begin(), variables_ms.end()));
    return 0;
}
