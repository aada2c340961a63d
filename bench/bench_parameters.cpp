// Load, filter, variable and save timings for a machine constants file far larger than a real
// controller's (a few hundred entries): 100,000 entries of every type the reader knows, arrays included.
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

    // A service visit's worth of edits: 1,000 values spread over the file, then the save, whose
    // verifying read of the whole new file is part of it.
    std::vector<double> content_ms, save_ms;
    for (int round = 0; round < rounds; ++round)
    {
        TParameters parameters;
        parameters.Load_Parameter_File(path);
        const std::vector<TParameters::TParameter>& records = parameters.Parameters();
        for (std::size_t index = 0; index < records.size(); index += records.size() / 1000)
        {
            TParameters::TParameter record = records[index];
            TParameters::Set_Value_Text(&record, 0, QString::number(index % 2 == 0 ? 7 : 0.375));
            parameters.Edit_Parameter(record);
        }
        QElapsedTimer timer;
        timer.start();
        QByteArray saved;
        if (!parameters.Save_Content(&saved))
        {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(parameters.Last_Error()));
            return 1;
        }
        content_ms.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        if (!parameters.Save_Parameter_File(path, round == 0))
        {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(parameters.Last_Error()));
            return 1;
        }
        save_ms.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::printf("file: %d entries, %.1f MB\n", entry_count, content.size() / 1048576.0);
    std::printf("Load_Parameter_File: %d parameters, median %.1f ms (best %.1f ms) over %d rounds\n", loaded,
                Median(load_ms), *std::min_element(load_ms.begin(), load_ms.end()), rounds);
    std::printf("Get_Parameter_List(\"prb_limit_9\"): %d keys, median %.2f ms (best %.2f ms)\n", filtered,
                Median(filter_ms), *std::min_element(filter_ms.begin(), filter_ms.end()));
    std::printf("Get_Variables: %zu variables, median %.1f ms (best %.1f ms)\n", variable_count,
                Median(variables_ms), *std::min_element(variables_ms.begin(), variables_ms.end()));
    std::printf("Save_Content with 1,000 changed values, verified: median %.1f ms (best %.1f ms)\n",
                Median(content_ms), *std::min_element(content_ms.begin(), content_ms.end()));
    std::printf("Save_Parameter_File of the same, to disk: median %.1f ms (best %.1f ms)\n", Median(save_ms),
                *std::min_element(save_ms.begin(), save_ms.end()));
    return 0;
}
