#include "expression.h"
#include "plainsubstitution.h"

#include <QRandomGenerator>
#include <QtTest>

namespace
{
QString Normalise(const QString& expression)
{
    QString text = expression.simplified().toUpper().trimmed();
    text.remove(QLatin1Char(' '));
    return text;
}

class TGenerator
{
public:
    explicit TGenerator(quint32 seed) : d_random(seed) {}

    int Below(int bound) { return static_cast<int>(d_random.bounded(static_cast<quint32>(bound))); }

    QString Pick(const QStringList& choices) { return choices.at(Below(choices.size())); }

    // Parameter keys as they come from the files: letters, digits, underscores, element names with a
    // point, now and then a name that means something else as a regular expression.
    QString Name()
    {
        static const QStringList odd = {"X*", "A?", "B+", "[XY]", "X|Y", "\\d",
                                        "^A", "A$", "P.", ".5",   "Ä1",  "ß"};
        if (Below(25) == 0)
        {
            return Pick(odd);
        }
        static const QString letters = QStringLiteral("ABXYZPQabxyz");
        static const QString tail = QStringLiteral("ABXYZ0129_abxy");
        QString name(letters.at(Below(letters.size())));
        const int length = Below(4);
        for (int i = 0; i < length; ++i)
        {
            name += tail.at(Below(tail.size()));
        }
        switch (Below(6))
        {
        case 0:
            name += QLatin1Char('.') + QString::number(Below(12));
            break;
        case 1:
            name += QStringLiteral(".X");
            break;
        default:
            break;
        }
        return name;
    }

    double Value()
    {
        switch (Below(6))
        {
        case 0:
            return 0.0;
        case 1:
            return -static_cast<double>(Below(100));
        case 2:
            return Below(1000) / 8.0;
        case 3:
            return -Below(100000) / 1000.0;
        case 4:
            return d_random.generateDouble() * 1e6;
        default:
            return Below(10);
        }
    }

    // Terms are names of the table (in any case), names glued or extended, numbers and function calls.
    QString Expression(const QStringList& names)
    {
        QString text;
        const int terms = 1 + Below(9);
        for (int term = 0; term < terms; ++term)
        {
            if (term > 0)
            {
                text += Pick({"+", "-", "*", "/", "^", " + ", ","});
            }
            QString operand;
            switch (Below(8))
            {
            case 0:
                operand = QString::number(Below(1000) / 10.0);
                break;
            case 1:
                operand = Pick(names) + Pick({"2", "_", ".1", "X"});
                break;
            case 2:
                operand = QStringLiteral("SQRT(") + Pick(names) + QStringLiteral(")");
                break;
            case 3:
                operand = QStringLiteral("(") + Pick(names) + QStringLiteral("*") + Pick(names) +
                          QStringLiteral(")");
                break;
            case 4:
                operand = Name();
                break;
            default:
                operand = Pick(names);
                break;
            }
            text += Below(2) ? operand.toLower() : operand;
        }
        return text;
    }

private:
    QRandomGenerator d_random;
};
} // namespace

class TExpressionSubstitutionTest : public QObject
{
    Q_OBJECT

private slots:
    void Matches_Plain_Substitution_data();
    void Matches_Plain_Substitution();
    void Later_Name_Sees_Earlier_Replacement();
    void Pattern_That_Matches_Empty_Text();
    void Growth_Limit_data();
    void Growth_Limit();
    void Invalid_Pattern_Replaces_Nothing();
    void Value_Change_Reaches_Substitution();
    void Element_Names_data();
    void Element_Names();
};

void TExpressionSubstitutionTest::Matches_Plain_Substitution_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("variables");

    for (quint32 seed = 1; seed <= 30; ++seed)
    {
        const int variables = seed % 4 == 0 ? 400 : 5 + static_cast<int>(seed) * 3;
        QTest::addRow("seed %u, %d names", seed, variables) << seed << variables;
    }
}

void TExpressionSubstitutionTest::Matches_Plain_Substitution()
{
    QFETCH(quint32, seed);
    QFETCH(int, variables);

    TGenerator generator(seed);
    TExpression evaluator;
    QStringList names;
    for (int i = 0; i < variables; ++i)
    {
        const QString name = generator.Name();
        names << name;
        evaluator.Add_Variable(name, generator.Value());
        // Now and then a base name gets an extended twin: XY and XY.2, P and P_1.
        if (generator.Below(5) == 0)
        {
            const QString twin = name + generator.Pick({".2", "_1", "1", ".X"});
            names << twin;
            evaluator.Add_Variable(twin, generator.Value());
        }
    }
    TExpression empty;

    const int rounds = variables > 100 ? 40 : 150;
    for (int round = 0; round < rounds; ++round)
    {
        const QString expression = generator.Expression(names);
        const QString normalised = Normalise(expression);
        const QString expected = Plain_Substitute(evaluator, normalised);
        QCOMPARE(evaluator.Substitute(normalised), expected);

        // Evaluation scans exactly the substituted text.
        bool valid = false;
        bool expected_valid = false;
        const double value = evaluator.Evaluate(expression, &valid);
        const double expected_value = empty.Evaluate(expected, &expected_valid);
        QCOMPARE(valid, expected_valid);
        if (valid && !qIsNaN(expected_value))
        {
            QCOMPARE(value, expected_value);
        }
    }
}

void TExpressionSubstitutionTest::Later_Name_Sees_Earlier_Replacement()
{
    // "A.B" (any character between A and B) is replaced first; the shorter name "5" then matches the
    // digits of the value that replacement put in.
    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("A.B"), 5.0);
    evaluator.Add_Variable(QStringLiteral("5"), 2.0);
    const QString expected = Plain_Substitute(evaluator, QStringLiteral("A+B"));
    QCOMPARE(expected, QStringLiteral("2.0000000000000000.0000000000000000"));
    QCOMPARE(evaluator.Substitute(QStringLiteral("A+B")), expected);
}

void TExpressionSubstitutionTest::Pattern_That_Matches_Empty_Text()
{
    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("Q?"), 1.0);
    evaluator.Add_Variable(QStringLiteral("X"), 3.0);
    const QString text = QStringLiteral("X+Y");
    QCOMPARE(evaluator.Substitute(text), Plain_Substitute(evaluator, text));
}

void TExpressionSubstitutionTest::Growth_Limit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");

    // "Z*" matches the empty text at both ends of every "1" and puts 18 characters there; a run of Zs it
    // replaces whole, which gives text back.
    const QString ones = QStringLiteral("1+");
    const int standard = TExpression::MAXIMUM_PATTERN_GROWTH;
    QTest::newRow("at the limit") << standard << ones.repeated(2777).chopped(1) << false;
    QTest::newRow("just over") << standard << ones.repeated(2778).chopped(1) << true;
    QTest::newRow("far over") << standard << ones.repeated(20000).chopped(1) << true;
    QTest::newRow("over midway, under at the end")
        << standard << ones.repeated(2800) + QString(2000, QLatin1Char('Z')) << false;
    QTest::newRow("over midway, still over at the end")
        << standard << ones.repeated(2800) + QString(500, QLatin1Char('Z')) << true;
    QTest::newRow("a limit of its own, under") << 100 << QStringLiteral("1+1") << false;
    QTest::newRow("a limit of its own, over") << 100 << QStringLiteral("1+1+1") << true;
    QTest::newRow("a limit of its own, exactly at it at the end")
        << 100 << ones.repeated(4) + QString(80, QLatin1Char('Z')) << false;
}

void TExpressionSubstitutionTest::Growth_Limit()
{
    QFETCH(int, limit);
    QFETCH(QString, text);
    QFETCH(bool, refused);

    TExpression evaluator(limit);
    evaluator.Add_Variable(QStringLiteral("Z*"), 1.0);
    const QString plain = Plain_Substitute(evaluator, text);
    QCOMPARE(plain.size() - text.size() > limit, refused);
    QCOMPARE(evaluator.Substitute(text), refused ? QString() : plain);
}

void TExpressionSubstitutionTest::Invalid_Pattern_Replaces_Nothing()
{
    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("A("), 1.0);
    evaluator.Add_Variable(QStringLiteral("A"), 2.0);
    QCOMPARE(evaluator.Substitute(QStringLiteral("A(+A")),
             QStringLiteral("2.0000000000000000(+2.0000000000000000"));
}

void TExpressionSubstitutionTest::Value_Change_Reaches_Substitution()
{
    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("Gain.X"), 1.5);
    QCOMPARE(evaluator.Substitute(QStringLiteral("GAIN.X")), QStringLiteral("1.5000000000000000"));
    evaluator.Add_Variable(QStringLiteral("Gain.X"), -1.5);
    QCOMPARE(evaluator.Substitute(QStringLiteral("GAIN.X")), QStringLiteral("(-1.5000000000000000)"));
}

void TExpressionSubstitutionTest::Element_Names_data()
{
    QTest::addColumn<QString>("text");

    // The names are XY.2, P. and AB.C.1; each text puts a point's match or a word boundary on trial.
    QTest::newRow("element") << "XY.2+1";
    QTest::newRow("point matches a letter") << "XYZ2";
    QTest::newRow("point matches an operator") << "XY+2*XY-2";
    QTest::newRow("no boundary after") << "XY.2A+XY.23";
    QTest::newRow("no boundary before") << "AXY.2+_XY.2";
    QTest::newRow("matches side by side") << "XY.2XY.2+XY.2.XY.2";
    QTest::newRow("point last, matching a word character") << "P.A+PA+P+";
    QTest::newRow("point last at the end of the text") << "1+P.";
    QTest::newRow("boundary after a point's non-word match") << "P+A+P++";
    QTest::newRow("two points") << "AB.C.1+ABXCY1+AB.C.12";
    QTest::newRow("point matches a letter beyond ASCII") << QString::fromUtf8("XY\xC3\x84"
                                                                              "2+P\xC3\x84");
    QTest::newRow("point matches a surrogate pair") << QString::fromUtf8("XY\xF0\x9F\x98\x80"
                                                                         "2+P\xF0\x9F\x98\x80");
}

void TExpressionSubstitutionTest::Element_Names()
{
    QFETCH(QString, text);

    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("XY.2"), 7.0);
    evaluator.Add_Variable(QStringLiteral("P."), -1.0);
    evaluator.Add_Variable(QStringLiteral("AB.C.1"), 0.5);
    QCOMPARE(evaluator.Substitute(text), Plain_Substitute(evaluator, text));
}

QTEST_GUILESS_MAIN(TExpressionSubstitutionTest)
#include "tst_expression_substitution.moc"
