// Time and peak memory of vantrel-cli on a file of 100,000 parameters (about 10 MB), as a script runs
// it: `list --json` and `check` with a 50-rule group, each run five times as its own process. The
// figures are the median wall time and the largest resident size of the runs, as /usr/bin/time -v
// reports them.
#include "benchfiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>

namespace
{
bool Write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray Rules_File(const std::vector<TRules::TRuleItem>& rules)
{
    QByteArray content = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Rules File_Version=\"1\">\n"
                         "<Rule_Group><Name>Bench</Name>\n";
    for (const TRules::TRuleItem& rule : rules)
    {
        content += "<Rule_Item><Name>" + rule.name.toUtf8() + "</Name><Left_Expression>" +
                   rule.left_expression.toUtf8() + "</Left_Expression><Right_Expression>" +
                   rule.right_expression.toUtf8() + "</Right_Expression><Operator>" +
                   TRules::Operator_Keyword(rule.operator_type).toUtf8() + "</Operator></Rule_Item>\n";
    }
    return content + "</Rule_Group>\n</Rules>\n";
}

// One run: wall milliseconds, and the child's peak resident size in kilobytes.
bool Run(const QStringList& arguments, double* milliseconds, long* peak_kilobytes)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(VANTREL_CLI_PATH), arguments);
    if (!process.waitForStarted() || !process.waitForFinished(60000))
    {
        return false;
    }
    *milliseconds = timer.nsecsElapsed() / 1e6;
    // The largest resident size of any child waited for so far: the runs of one command come one after
    // another and the smaller command is measured first.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    *peak_kilobytes = usage.ru_maxrss;
    return process.exitStatus() == QProcess::NormalExit;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int parameter_count = 100000;
    const int rounds = 5;

    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("big.asc"));
    const QString rules_file = directory.filePath(QStringLiteral("rules.xml"));
    QStringList names;
    for (int index = 0; index < parameter_count; index += 6)
    {
        names << QStringLiteral("AXIS_GAIN_%1").arg(index) << QStringLiteral("FLY_DFLT_%1.2").arg(index + 3);
    }
    QRandomGenerator random(20261208u);
    if (!directory.isValid() || !Write(file, Generate_File(parameter_count)) ||
        !Write(rules_file, Rules_File(Random_Rules(random, names, 50, 1, 4, true))))
    {
        std::fprintf(stderr, "cannot write the files\n");
        return 1;
    }

    const QList<QPair<const char*, QStringList>> commands{
        {"list --json", {QStringLiteral("list"), file, QStringLiteral("--json")}},
        {"check",
         {QStringLiteral("check"), file, QStringLiteral("--group"), QStringLiteral("Bench"),
          QStringLiteral("--rules"), rules_file}}};
    std::printf("vantrel-cli on %d parameters (%lld bytes), %d runs each\n", parameter_count,
                static_cast<long long>(QFile(file).size()), rounds);
    for (const auto& command : commands)
    {
        std::vector<double> times;
        long peak = 0;
        for (int round = 0; round < rounds; ++round)
        {
            double milliseconds = 0.0;
            if (!Run(command.second, &milliseconds, &peak))
            {
                std::fprintf(stderr, "%s did not run\n", command.first);
                return 1;
            }
            times.push_back(milliseconds);
        }
        std::printf("  %-12s %7.1f ms median, %6.1f MB peak resident\n", command.first, Median(times),
                    peak / 1024.0);
    }
    return 0;
}
