#pragma once

// What the benchmarks share: generated machine constants files (every type the reader knows, arrays
// included, laid out as the controller writes them), random rule groups and the median of a series of
// timings.
#include "rules.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

inline QByteArray Header(int number, const QByteArray& name, const QByteArray& type_word,
                         const QByteArray& key)
{
    QByteArray line = "#" + QByteArray::number(number).rightJustified(2, ' ') + " " + name;
    line = line.leftJustified(24, ' ') + ": " + type_word;
    return line.leftJustified(64, ' ') + key + "\n";
}

inline QByteArray Generate_File(int entry_count)
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

// Rules whose two sides are sums, differences, products and quotients of a random number of terms
// (first_terms to first_terms + more_terms - 1); with constants, about one term in five is a number.
inline std::vector<TRules::TRuleItem> Random_Rules(QRandomGenerator& random, const QStringList& names,
                                                   int count, int first_terms, int more_terms, bool constants)
{
    const char operators[] = {'+', '-', '*', '/'};
    const auto expression = [&]()
    {
        const int terms = first_terms + random.bounded(more_terms);
        QString text;
        for (int term = 0; term < terms; ++term)
        {
            if (term > 0)
            {
                text += QLatin1Char(' ') + QLatin1Char(operators[random.bounded(4)]) + QLatin1Char(' ');
            }
            if (constants && random.bounded(5) == 0)
            {
                text += QString::number(random.bounded(100.0), 'f', 3);
            }
            else
            {
                text += names.at(random.bounded(names.size()));
            }
        }
        return text;
    };

    std::vector<TRules::TRuleItem> rules;
    rules.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
    {
        TRules::TRuleItem rule;
        rule.name = QStringLiteral("Rule %1").arg(index);
        rule.left_expression = expression();
        rule.right_expression = expression();
        rule.operator_type = static_cast<TRules::TOperatorType>(random.bounded(6));
        rules.push_back(rule);
    }
    return rules;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
