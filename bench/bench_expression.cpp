// Rule run cost: every rule's two expressions are evaluated against all variables of the loaded
// parameter file. Prints evaluations per second for a plain substitution (one regular expression built
// and run per variable per evaluation) and for TExpression, and the time of a 1,000-rule run.
#include "expression.h"
#include "plainsubstitution.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

namespace
{
const int VARIABLE_COUNT = 10000;
const int EXPRESSION_COUNT = 1000;
const int PLAIN_EXPRESSION_COUNT = 20; // the plain version is too slow to run all of them

// Parameter keys: plain keys such as SERVO_GAIN_X12 and element names such as AXIS3.2.
QString Key(QRandomGenerator* random, int index)
{
    static const QStringList stems = {"SERVO_GAIN", "SPEED", "LIMIT", "PROBE",
                                      "WRIST",      "AXIS",  "ACCEL", "Kp"};
    const QString stem = stems.at(static_cast<int>(random->bounded(static_cast<quint32>(stems.size()))));
    if (random->bounded(4) == 0)
    {
        return QStringLiteral("%1%2.%3").arg(stem).arg(index).arg(random->bounded(8));
    }
    return QStringLiteral("%1_%2").arg(stem).arg(index);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QRandomGenerator random(20240611);

    QElapsedTimer timer;
    timer.start();
    TExpression evaluator;
    QStringList names;
    for (int index = 0; index < VARIABLE_COUNT; ++index)
    {
        const QString name = Key(&random, index);
        names << name;
        evaluator.Add_Variable(name, (random.generateDouble() - 0.3) * 1000.0);
    }
    const qint64 load_ms = timer.elapsed();

    static const QStringList operators = {"+", "-", "*", "/"};
    QStringList expressions;
    for (int index = 0; index < EXPRESSION_COUNT; ++index)
    {
        const int terms = 5 + static_cast<int>(random.bounded(6));
        QString text;
        for (int term = 0; term < terms; ++term)
        {
            if (term > 0)
            {
                text +=
                    QLatin1Char(' ') + operators.at(static_cast<int>(random.bounded(4))) + QLatin1Char(' ');
            }
            if (random.bounded(4) == 0)
            {
                text += QString::number(random.bounded(100));
            }
            else
            {
                text += names.at(static_cast<int>(random.bounded(static_cast<quint32>(names.size()))));
            }
        }
        expressions << text;
    }

    TExpression empty;
    timer.restart();
    double checksum = 0.0;
    for (int index = 0; index < PLAIN_EXPRESSION_COUNT; ++index)
    {
        QString normalised = expressions.at(index).simplified().toUpper();
        normalised.remove(QLatin1Char(' '));
        checksum += empty.Evaluate(Plain_Substitute(evaluator, normalised), nullptr);
    }
    const double plain_seconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    for (const QString& expression : expressions)
    {
        checksum += evaluator.Evaluate(expression, nullptr);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;

    // A rule run as the rules pane does it: a fresh evaluator loaded with every variable, then 1,000
    // rules with a left and a right expression each.
    timer.restart();
    TExpression run_evaluator;
    for (int index = 0; index < evaluator.Variable_Count(); ++index)
    {
        run_evaluator.Add_Variable(evaluator.Variable(index));
    }
    for (int rule = 0; rule < 1000; ++rule)
    {
        checksum += run_evaluator.Evaluate(expressions.at(rule % EXPRESSION_COUNT), nullptr);
        checksum += run_evaluator.Evaluate(expressions.at((rule + 500) % EXPRESSION_COUNT), nullptr);
    }
    const double run_seconds = timer.nsecsElapsed() / 1e9;

    out << "variables: " << VARIABLE_COUNT << ", loaded in " << load_ms << " ms\n";
    out << "plain substitution: " << QString::number(PLAIN_EXPRESSION_COUNT / plain_seconds, 'f', 1)
        << " evaluations/s (" << PLAIN_EXPRESSION_COUNT << " expressions)\n";
    out << "TExpression: " << QString::number(EXPRESSION_COUNT / seconds, 'f', 1) << " evaluations/s ("
        << EXPRESSION_COUNT << " expressions)\n";
    out << "1,000-rule run (fresh evaluator, 2,000 evaluations): "
        << QString::number(run_seconds * 1000.0, 'f', 1) << " ms\n";
    out << "checksum: " << checksum << "\n";
    return 0;
}
