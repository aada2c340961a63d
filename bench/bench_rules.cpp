// Time of one rule run as Execute Rules does it: 10,000 variables shaped like those of a large parameter
// file (plain keys and array elements key.N), 1,000 rules whose expressions have 5 to 10 terms.
#include "benchfiles.h"
#include "rulerun.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>

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
    return 0;
}
