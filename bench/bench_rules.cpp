// Time of one rule run as Execute Rules does it: 10,000 variables shaped like those of a large parameter
// file (plain keys and array elements key.N), 1,000 rules whose expressions have 5 to 10 terms. Then the
// same run on a generated file of 100,000 parameters, step by step: the file's variables, the evaluator
// filled with them, the rules, and the evaluator freed.
#include "benchfiles.h"
#include "liverules.h"
#include "parameters.h"
#include "rulerun.h"

#include <QFile>
#include <QTemporaryDir>

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace
{
struct TSteps
{
    std::vector<double> variables;
    std::vector<double> evaluator;
    std::vector<double> rules;
    std::vector<double> freed;
    std::vector<double> whole;
};

bool Big_File_Run(int entry_count, int rule_count, int rounds)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("big.asc"));
    QFile file(path);
    if (!directory.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(Generate_File(entry_count)) < 0)
    {
        std::fprintf(stderr, "cannot write the parameter file\n");
        return false;
    }
    file.close();
    TParameters parameters;
    if (!parameters.Load_Parameter_File(path))
    {
        std::fprintf(stderr, "cannot load the parameter file\n");
        return false;
    }
    QStringList names;
    for (const TExpression::TVariable& variable : parameters.Get_Variables())
    {
        names.append(variable.name);
    }
    QRandomGenerator random(20261207u);
    const std::vector<TRules::TRuleItem> rules = Random_Rules(random, names, rule_count, 5, 6, true);

    TSteps steps;
    for (int round = 0; round < rounds; ++round)
    {
        QElapsedTimer timer;
        timer.start();
        qint64 mark = 0;
        const auto step = [&timer, &mark](std::vector<double>* series)
        {
            const qint64 now = timer.nsecsElapsed();
            series->push_back((now - mark) / 1e6);
            mark = now;
        };
        {
            const std::vector<TExpression::TVariable> variables = parameters.Get_Variables();
            step(&steps.variables);
            const TRuleRun run(variables);
            step(&steps.evaluator);
            run.Run_Group(rules);
            step(&steps.rules);
        }
        step(&steps.freed);
        steps.whole.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%d parameters (%d variables), %d rules, medians of %d:\n", entry_count,
                static_cast<int>(names.size()), rule_count, rounds);
    std::printf("  variables listed:   %7.1f ms\n", Median(steps.variables));
    std::printf("  evaluator filled:   %7.1f ms\n", Median(steps.evaluator));
    std::printf("  rules evaluated:    %7.1f ms\n", Median(steps.rules));
    std::printf("  freed:              %7.1f ms\n", Median(steps.freed));
    std::printf("  whole run:          %7.1f ms\n", Median(steps.whole));

    // The rules kept evaluated while the list is edited: one whole check, then each edit of one value
    // evaluates again only the rules that read it.
    QElapsedTimer timer;
    timer.start();
    TLiveRules live(parameters, rules);
    const double whole_check = timer.nsecsElapsed() / 1e6;
    std::vector<double> edits;
    std::vector<double> rules_checked;
    const std::vector<TParameters::TParameter>& records = parameters.Parameters();
    for (int edit = 0; edit < 200; ++edit)
    {
        TParameters::TParameter edited = records.at(random.bounded(static_cast<int>(records.size())));
        const int count = TParameters::Value_Count(edited);
        if (count == 0 || !TParameters::Set_Value_Text(&edited, random.bounded(count),
                                                       QString::number(random.bounded(100))))
        {
            continue;
        }
        parameters.Edit_Parameter(edited);
        std::vector<int> changed;
        timer.restart();
        live.Update(parameters, {edited.key}, &changed);
        edits.push_back(timer.nsecsElapsed() / 1e6);
        rules_checked.push_back(
            static_cast<double>(live.Rules_Reading(parameters.Parameter_Index(edited.key)).size()));
    }
    std::printf("  live check, whole:  %7.1f ms (%s)\n", whole_check, qPrintable(live.Totals().Text()));
    std::printf("  live check, edit:   %7.3f ms median, %.3f ms longest (%zu edits, %.0f rules read the\n"
                "                      median parameter, %.0f the most read)\n",
                Median(edits), *std::max_element(edits.begin(), edits.end()), edits.size(),
                Median(rules_checked), *std::max_element(rules_checked.begin(), rules_checked.end()));
    return true;
}
} // namespace

int main()
{
    const int variable_count = 10000;
    const int rule_count = 1000;

    QRandomGenerator random(20240611u);

    std::vector<TExpression::TVariable> variables;
    variables.reserve(variable_count);
    QStringList names;
    int key = 0;
    while (static_cast<int>(variables.size()) < variable_count)
    {
        const QString base = QStringLiteral("AXIS_%1_GAIN").arg(key++);
        // About one parameter in four is an array of 2 to 6 values, as servo tables are.
        const int elements = (random.bounded(4) == 0) ? 2 + random.bounded(5) : 1;
        for (int element = 1; element <= elements && static_cast<int>(variables.size()) < variable_count;
             ++element)
        {
            TExpression::TVariable variable;
            variable.name = elements == 1 ? base : QStringLiteral("%1.%2").arg(base).arg(element);
            variable.value = random.bounded(2000.0) - 1000.0;
            variables.push_back(variable);
            names.append(variable.name);
        }
    }

    const std::vector<TRules::TRuleItem> rules = Random_Rules(random, names, rule_count, 5, 6, true);

    QElapsedTimer timer;
    timer.start();
    const TRuleRun run(variables);
    const qint64 setup_ms = timer.elapsed();

    const TRuleRun::TGroupResult group = run.Run_Group(rules);
    const int lines = static_cast<int>(group.Report_Lines().size());
    const qint64 total_ms = timer.elapsed();

    std::printf("bench_rules: %d variables, %d rules (5-10 terms per side)\n", variable_count, rule_count);
    std::printf("  variables loaded:  %lld ms\n", static_cast<long long>(setup_ms));
    std::printf("  whole run:         %lld ms (%s, %d report lines)\n", static_cast<long long>(total_ms),
                qPrintable(group.totals.Text()), lines);
    return Big_File_Run(100000, rule_count, 5) ? 0 : 1;
}
