#pragma once

#include "expression.h"

#include <QRegularExpression>
#include <QString>

// The substitution as a rule author reads it: every name in table order, one regular expression each,
// built and run on every evaluation, applied one after the other to the text the previous one left.
// TExpression does the same work once per variable; the tests prove the two equal and the benchmark
// measures the difference.
inline QString Plain_Substitute(const TExpression& evaluator, const QString& normalised)
{
    QString text = normalised;
    for (int index = 0; index < evaluator.Variable_Count(); ++index)
    {
        const TExpression::TVariable variable = evaluator.Variable(index);
        const QString number = QString::number(variable.value, 'f', 16);
        const QString replacement = variable.value < 0.0 ? QStringLiteral("(%1)").arg(number) : number;
        text.replace(
            QRegularExpression(QStringLiteral("(\\b") + variable.name.toUpper() + QStringLiteral("\\b)")),
            replacement);
    }
    return text;
}
