// Time of `vantrel-cli apply SOURCE FOLDER --output-dir DIR` as a script runs it: a set of 50 values
// (a partial file) taken into 1,000 machine constants files of 150 parameters, each read, changed,
// saved exactly and verified, and written below another folder.
#include "benchfiles.h"
#include "parameters.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int file_count = 1000;
    const int parameter_count = 150;
    const int value_count = 50;
    const int rounds = 3;

    QTemporaryDir directory;
    if (!directory.isValid())
    {
        std::fprintf(stderr, "cannot create a temporary directory\n");
        return 1;
    }
    const QByteArray content = Generate_File(parameter_count);
    const QString fleet = directory.filePath(QStringLiteral("fleet"));
    for (int index = 0; index < file_count; ++index)
    {
        const QString subfolder = QStringLiteral("line-%1").arg(index % 10);
        QDir(fleet).mkpath(subfolder);
        QFile file(QDir(fleet).filePath(
            QStringLiteral("%1/machine-%2.asc").arg(subfolder).arg(index, 4, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }

    // The set: the first value of 50 parameters changed, written as a partial file.
    const QString whole = directory.filePath(QStringLiteral("whole.asc"));
    QFile whole_file(whole);
    if (!whole_file.open(QIODevice::WriteOnly) || whole_file.write(content) != content.size())
    {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(whole));
        return 1;
    }
    whole_file.close();
    TParameters source;
    source.Load_Parameter_File(whole);
    QStringList keys;
    for (int index = 0; index < value_count; ++index)
    {
        TParameters::TParameter record = source.Parameters()[static_cast<std::size_t>(index * 3)];
        TParameters::Set_Value_Text(&record, 0, QString::number(100 + index));
        source.Edit_Parameter(record);
        keys.append(record.key);
    }
    QByteArray partial;
    if (!source.Partial_Content(keys, &partial))
    {
        std::fprintf(stderr, "%s\n", qPrintable(source.Last_Error()));
        return 1;
    }
    const QString set = directory.filePath(QStringLiteral("set.asc"));
    QFile set_file(set);
    if (!set_file.open(QIODevice::WriteOnly) || set_file.write(partial) != partial.size())
    {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(set));
        return 1;
    }
    set_file.close();

    std::vector<double> times;
    for (int round = 0; round < rounds; ++round)
    {
        const QString output = directory.filePath(QStringLiteral("out-%1").arg(round));
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(VANTREL_CLI_PATH), QStringList{QStringLiteral("apply"), set, fleet,
                                                                    QStringLiteral("--output-dir"), output});
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
        {
            std::fprintf(stderr, "apply did not run: %s\n", process.readAllStandardError().constData());
            return 1;
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
        QDir(output).removeRecursively();
    }
    std::printf("vantrel-cli apply: %d values into %d files of %d parameters, --output-dir: %.0f ms median "
                "of %d runs\n",
                value_count, file_count, parameter_count, Median(times), rounds);
    return 0;
}
