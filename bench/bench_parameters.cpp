// Load, filter and variable timings for a machine constants file far larger than a real controller's
// (a few hundred entries): 100,000 entries of every type the reader knows, arrays included.
#include "parameters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace
{
QByteArray Header(int number, const QByteArray& name, const QByteArray& type_word, const QByteArray& key)
{
    QByteArray line = "#" + QByteArray::number(number).rightJustified(2, ' ') + " " + name;
    line = line.leftJustified(24, ' ') + ": " + type_word;
    return line.leftJustified(64, ' ') + key + "\n";
}

QByteArray Generate_File(int entry_count)
{
    QByteArray content = "Machine Constants File\n\n";
    content.reserve(entry_count * 140);
    for (int index = 0; index < entry_count; ++index)
    {
        const int number = 1 + index % 150;
        const QByteArray key = (index % 3 == 0   ? "AXIS_GAIN_"
                                : index % 3 == 1 ? "PRB_LIMIT_"
                                                 : "FLY_DFLT_") +
                               QByteArray::number(index);
        switch (index % 6)
        {
        case 0:
            content += Header(number, "Servo gain", "Integer", key) + "  " + QByteArray::number(index) + "\n";
            break;
        case 1:
            content += Header(number, "Probe limit", "Double", key) + "  2.5000000000000E+02\n";
            break;
        case 2:
            content += Header(number, "Config word", "Integer | bit pattern", key) + "  2048\n";
            break;
        case 3:
            content += Header(number, "Link distances", "Double[4]", key) +
                       "  1.2500000000000E+02\n  -3.5E-03\n  0.125\n  42\n";
            break;
        case 4:
            content +=
                Header(number, "Rack constants", "Longint[6]", key) + "  1\n  -2\n  3\n  4\n  5\n  6\n";
            break;
        default:
            content += Header(number, "In position", "Longint", key) + "  -17\n\n";
            break;
        }
    }
    return content;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

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
