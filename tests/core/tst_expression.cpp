#include "expression.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <limits>

namespace
{
const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
const double INFINITE = std::numeric_limits<double>::infinity();

void Compare_Result(double result, double expected)
{
    if (qIsNaN(expected))
    {
        QVERIFY2(qIsNaN(result), qPrintable(QString::number(result)));
    }
    else if (qIsInf(expected))
    {
        QVERIFY2(qIsInf(result) && (result > 0) == (expected > 0), qPrintable(QString::number(result)));
    }
    else
    {
        QCOMPARE(result, expected);
    }
}
} // namespace

class TExpressionTest : public QObject
{
    Q_OBJECT

private slots:
    void Evaluate_Without_Variables_data();
    void Evaluate_Without_Variables();
    void Evaluate_With_Variables_data();
    void Evaluate_With_Variables();
    void Invalid_Reason_data();
    void Invalid_Reason();
    void Usage_Depends_On_Values_data();
    void Usage_Depends_On_Values();
    void Nesting_Limit_data();
    void Nesting_Limit();
    void Deep_Nesting_Is_Invalid_Without_Crash();
    void Null_Valid_Flag_Is_Allowed();

    void Table_Order_Longest_First();
    void Table_Order_Matches_Insertion_Rule();
    void Names_Matching_Everywhere_Stop_Growing();
    void Same_Name_Replaces_Value_In_Place();
    void Empty_Name_Is_Refused();
    void Lookup_By_Name_Is_Case_Sensitive_data();
    void Lookup_By_Name_Is_Case_Sensitive();
    void Negative_Value_Is_Substituted_In_Parentheses();
};

void TExpressionTest::Evaluate_Without_Variables_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");

    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("blanks only") << "   " << 0.0 << false;
    QTest::newRow("blanks around and between") << "  2 +   3  " << 5.0 << true;
    QTest::newRow("tab and line feed") << "\t2\n*\r3 " << 6.0 << true;
    QTest::newRow("blank inside a number joins it") << "1 2+1" << 13.0 << true;
    QTest::newRow("single number") << "42" << 42.0 << true;
    QTest::newRow("fraction") << "10/4" << 2.5 << true;
    QTest::newRow("point first") << ".5*2" << 1.0 << true;
    QTest::newRow("point last") << "5.+1" << 6.0 << true;

    QTest::newRow("product before sum") << "2+3*4" << 14.0 << true;
    QTest::newRow("mixed precedence") << "1-2*3+4" << -1.0 << true;
    QTest::newRow("division left to right") << "8/4/2" << 1.0 << true;
    QTest::newRow("subtraction left to right") << "2-3-4" << -5.0 << true;
    QTest::newRow("power right to left") << "2^3^2" << 512.0 << true;
    QTest::newRow("power before product") << "2^3*4" << 32.0 << true;
    QTest::newRow("product before power on the right") << "4*2^3" << 32.0 << true;
    QTest::newRow("group first") << "(2+3)*4" << 20.0 << true;
    QTest::newRow("nested groups") << "1+(2*(3+(4)))" << 15.0 << true;
    QTest::newRow("redundant groups") << "((((1))))" << 1.0 << true;

    QTest::newRow("leading minus") << "-5+3" << -2.0 << true;
    QTest::newRow("leading plus") << "+5" << 5.0 << true;
    QTest::newRow("minus before group") << "-(2+3)" << -5.0 << true;
    QTest::newRow("plus before group") << "+(2+3)" << 5.0 << true;
    QTest::newRow("minus before group then more") << "-(2)+3" << 1.0 << true;
    QTest::newRow("sign belongs to the number") << "-2^2" << 4.0 << true;
    QTest::newRow("sign inside group") << "2*(-3)" << -6.0 << true;
    QTest::newRow("double negation in groups") << "-(-(3))" << 3.0 << true;
    QTest::newRow("minus before function") << "-SQRT(4)" << -2.0 << true;
    QTest::newRow("function after operator") << "3-SQRT(4)" << 1.0 << true;

    QTest::newRow("sign after operator") << "2*-3" << 0.0 << false;
    QTest::newRow("two operators") << "1++2" << 0.0 << false;
    QTest::newRow("negative exponent") << "2^-1" << 0.0 << false;
    QTest::newRow("two leading signs") << "--3" << 0.0 << false;
    QTest::newRow("trailing operator") << "1+" << 0.0 << false;
    QTest::newRow("lone plus") << "+" << 0.0 << false;
    QTest::newRow("lone minus") << "-" << 0.0 << false;
    QTest::newRow("leading star") << "*5" << 0.0 << false;
    QTest::newRow("two points") << "1..2" << 0.0 << false;
    QTest::newRow("lone point") << "." << 0.0 << false;
    QTest::newRow("unclosed group") << "(1+2" << 0.0 << false;
    QTest::newRow("unopened group") << "1+2)" << 0.0 << false;
    QTest::newRow("empty group") << "()" << 0.0 << false;
    QTest::newRow("exponent notation") << "1E5" << 0.0 << false;
    QTest::newRow("exponent notation lower case") << "1e5" << 0.0 << false;
    QTest::newRow("comma as decimal point") << "1,5" << 0.0 << false;
    QTest::newRow("percent") << "3%2" << 0.0 << false;
    QTest::newRow("letter outside latin-1") << QString(QChar(0x3A9)) << 0.0 << false;

    // Operands glued to groups are typing mistakes; they are refused rather than half read.
    QTest::newRow("number before group") << "5(6)" << 0.0 << false;
    QTest::newRow("number after group") << "(2)3" << 0.0 << false;
    QTest::newRow("group after group") << "(1)(2)" << 0.0 << false;
    QTest::newRow("star before group") << "*(5)" << 0.0 << false;
    QTest::newRow("number before function") << "2SQRT(4)" << 0.0 << false;
    QTest::newRow("function after group") << "(2)SQRT(4)" << 0.0 << false;

    QTest::newRow("division by zero") << "1/0" << INFINITE << true;
    QTest::newRow("negative division by zero") << "-1/0" << -INFINITE << true;
    QTest::newRow("zero by zero") << "0/0" << NOT_A_NUMBER << true;
    QTest::newRow("root of negative") << "SQRT(-4)" << NOT_A_NUMBER << true;
    QTest::newRow("fractional power of negative") << "(-8)^0.5" << NOT_A_NUMBER << true;
    QTest::newRow("infinity minus infinity") << "1/0-1/0" << NOT_A_NUMBER << true;

    QTest::newRow("square root") << "SQRT(16)" << 4.0 << true;
    QTest::newRow("square root lower case") << "sqrt(16)" << 4.0 << true;
    QTest::newRow("square root mixed case with blanks") << "Sqrt ( 16 )" << 4.0 << true;
    QTest::newRow("square root of expression") << "SQRT((1+3)*4)" << 4.0 << true;
    QTest::newRow("nested square roots") << "SQRT(SQRT(16))" << 2.0 << true;
    QTest::newRow("function in product") << "2*SQRT(9)+1" << 7.0 << true;
    QTest::newRow("vector length 2d") << "SUMSQ(3,4)" << 5.0 << true;
    QTest::newRow("vector length 3d") << "SUMSQ(3,4,12)" << 13.0 << true;
    QTest::newRow("vector length one component") << "SUMSQ(-3)" << 3.0 << true;
    QTest::newRow("vector length with expressions") << "SUMSQ(1+2,SQRT(16))" << 5.0 << true;
    QTest::newRow("vector length negative components") << "SUMSQ(-3,(-4))" << 5.0 << true;
    QTest::newRow("vector length empty component") << "SUMSQ(3,)" << 0.0 << false;
    QTest::newRow("vector length no component") << "SUMSQ()" << 0.0 << false;
    QTest::newRow("vector length inside vector length") << "SUMSQ(SUMSQ(3,4),12)" << 0.0 << false;
    QTest::newRow("square root without argument") << "SQRT()" << 0.0 << false;
    QTest::newRow("square root unclosed") << "SQRT(16" << 0.0 << false;
    QTest::newRow("square root without parenthesis") << "SQRT16" << 0.0 << false;
    QTest::newRow("unknown function") << "FOO(1)" << 0.0 << false;
    QTest::newRow("invalid argument") << "SQRT(1+)" << 0.0 << false;
}

void TExpressionTest::Evaluate_Without_Variables()
{
    QFETCH(QString, expression);
    QFETCH(double, value);
    QFETCH(bool, valid);

    TExpression evaluator;
    bool result_valid = !valid;
    const double result = evaluator.Evaluate(expression, &result_valid);
    QCOMPARE(result_valid, valid);
    Compare_Result(result, value);
    // Every text that does not evaluate has a reason, and only those.
    QCOMPARE(evaluator.Invalid_Reason(expression).isEmpty(), valid);
}

void TExpressionTest::Evaluate_With_Variables_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    // The variables written into the text, whatever the result.
    QTest::addColumn<QStringList>("used");

    QTest::newRow("negative variable in product") << "X*3" << -6.0 << true << QStringList({"X"});
    QTest::newRow("negative variable after operator") << "2*X" << -4.0 << true << QStringList({"X"});
    QTest::newRow("minus before negative variable") << "-X" << 2.0 << true << QStringList({"X"});
    QTest::newRow("longer name first") << "XY-X" << 12.0 << true << QStringList({"XY", "X"});
    QTest::newRow("names ignore case") << "x*3" << -6.0 << true << QStringList({"X"});
    QTest::newRow("negative variable squared") << "X^2" << 4.0 << true << QStringList({"X"});
    QTest::newRow("element name with point") << "XY.2+1" << 8.0 << true << QStringList({"XY.2"});
    QTest::newRow("point in a name matches any character") << "XYZ2" << 7.0 << true << QStringList({"XY.2"});
    QTest::newRow("point in a name matches an underscore") << "XY_2" << 7.0 << true << QStringList({"XY.2"});
    QTest::newRow("name inside a longer word is not replaced") << "XY_3" << 0.0 << false << QStringList();
    QTest::newRow("digits in a name") << "A1+A10" << 3.0 << true << QStringList({"A1", "A10"});
    QTest::newRow("underscore name") << "Servo_Gain*2" << 1.0 << true << QStringList({"Servo_Gain"});
    QTest::newRow("variable in function") << "SUMSQ(XY*10)" << 100.0 << true << QStringList({"XY"});
    QTest::newRow("variables in vector length")
        << "SUMSQ(P.X,P.Y,P.Z)" << 13.0 << true << QStringList({"P.X", "P.Y", "P.Z"});
    QTest::newRow("huge values") << "BIG/BIG" << 1.0 << true << QStringList({"BIG"});
    // Each term is written in with over 300 digits: the text grows far beyond 100,000 characters.
    QTest::newRow("321 terms of a huge value")
        << QStringLiteral("BIG/BIG+").repeated(320) + QStringLiteral("BIG/BIG") << 321.0 << true
        << QStringList{"BIG"};
    QTest::newRow("321 terms of a huge element")
        << QStringLiteral("P.BIG/BIG+").repeated(320) + QStringLiteral("P.BIG/BIG") << 321.0 << true
        << QStringList{"P.BIG", "BIG"};
    QTest::newRow("zero variable") << "ZERO+1" << 1.0 << true << QStringList({"ZERO"});
    QTest::newRow("negative zero stays an operand") << "2*NEGZERO" << 0.0 << true << QStringList({"NEGZERO"});
    QTest::newRow("infinite value is not a number")
        << "INFINITE+1" << 0.0 << false << QStringList({"INFINITE"});
    QTest::newRow("missing value is not a number") << "UNSET+1" << 0.0 << false << QStringList({"UNSET"});
    QTest::newRow("function name as variable") << "SQRT+1" << 10.0 << true << QStringList({"SQRT"});
    QTest::newRow("function name as variable inside call")
        << "SQRT(16)" << 0.0 << false << QStringList({"SQRT"});
    QTest::newRow("vector length function still works") << "SUMSQ(3,4)" << 5.0 << true << QStringList();
    QTest::newRow("name with blank never matches") << "A B" << 0.0 << false << QStringList();
    QTest::newRow("unknown name") << "Q*2" << 0.0 << false << QStringList();
    QTest::newRow("single letter E is a name, not an exponent") << "E*2" << 4.0 << true << QStringList({"E"});
    QTest::newRow("exponent notation still refused") << "1E5" << 0.0 << false << QStringList();
}

void TExpressionTest::Evaluate_With_Variables()
{
    QFETCH(QString, expression);
    QFETCH(double, value);
    QFETCH(bool, valid);
    QFETCH(QStringList, used);

    // Added in this order: a variable's sequence number is its place here.
    const std::vector<TExpression::TVariable> variables = {
        {QStringLiteral("X"), -2.0},
        {QStringLiteral("XY"), 10.0},
        {QStringLiteral("XY.2"), 7.0},
        {QStringLiteral("A1"), 1.0},
        {QStringLiteral("A10"), 2.0},
        {QStringLiteral("Servo_Gain"), 0.5},
        {QStringLiteral("P.X"), 3.0},
        {QStringLiteral("P.Y"), -4.0},
        {QStringLiteral("P.Z"), 12.0},
        {QStringLiteral("BIG"), 1e300},
        {QStringLiteral("P.BIG"), 1e300},
        {QStringLiteral("ZERO"), 0.0},
        {QStringLiteral("NEGZERO"), -0.0},
        {QStringLiteral("INFINITE"), INFINITE},
        {QStringLiteral("UNSET"), NOT_A_NUMBER},
        {QStringLiteral("SQRT"), 9.0},
        {QStringLiteral("A B"), 1.0},
        {QStringLiteral("E"), 2.0},
    };
    TExpression evaluator;
    for (const TExpression::TVariable& variable : variables)
    {
        evaluator.Add_Variable(variable);
    }

    bool result_valid = !valid;
    TExpression::TUsage usage;
    const double result = evaluator.Evaluate(expression, &result_valid, &usage);
    QCOMPARE(result_valid, valid);
    Compare_Result(result, value);
    QCOMPARE(evaluator.Invalid_Reason(expression).isEmpty(), valid);

    QStringList used_names;
    for (const int sequence : usage.variables)
    {
        used_names << variables.at(static_cast<std::size_t>(sequence)).name;
    }
    used_names.sort();
    used.sort();
    QCOMPARE(used_names, used);
}

void TExpressionTest::Invalid_Reason_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("reason");

    QTest::newRow("blanks only") << "  "
                                 << "The expression is empty.";
    QTest::newRow("misspelt key") << "DEA_TAP * 2"
                                  << "Unknown name: DEA_TAP.";
    QTest::newRow("element past the array's end") << "TTP_DECL.4"
                                                  << "Unknown name: TTP_DECL.4.";
    QTest::newRow("unknown key starting with digits") << "2ND_AXIS+1"
                                                      << "Unknown name: 2ND_AXIS.";
    QTest::newRow("unknown function") << "ABS(X)"
                                      << "Unknown name: ABS.";
    QTest::newRow("function without brackets") << "sqrt 16"
                                               << "SQRT takes its argument in brackets, as in SQRT(4).";
    QTest::newRow("exponent") << "1e5"
                              << "Numbers are written without an exponent: 1E5 cannot be read.";
    QTest::newRow("unclosed bracket") << "SQRT((X+1)"
                                      << "A bracket is not closed.";
    QTest::newRow("two unclosed brackets") << "((X"
                                           << "2 brackets are not closed.";
    QTest::newRow("closing bracket first") << "X+1)"
                                           << "A closing bracket has no opening bracket before it.";
    QTest::newRow("sign after an operator")
        << "2*-X"
        << "The operators * and - stand together; write a negative number in brackets, as in 2*(-3).";
    QTest::newRow("trailing operator") << "(X+)"
                                       << "Nothing follows the operator +.";
    QTest::newRow("leading star") << "*X"
                                  << "Nothing stands before the operator *.";
    QTest::newRow("two points") << "1..2"
                                << "The number 1..2 cannot be read.";
    QTest::newRow("empty brackets") << "X+()"
                                    << "Empty brackets hold no value.";
    QTest::newRow("empty root") << "SQRT()"
                                << "SQRT( ) needs a value in its brackets.";
    QTest::newRow("empty vector component") << "SUMSQ(X,)"
                                            << "A value of SUMSQ( ) is missing.";
    QTest::newRow("vector inside vector") << "SUMSQ(1,SUMSQ(2,3))"
                                          << "SUMSQ( ) with several values cannot stand inside SUMSQ( ).";
    QTest::newRow("comma as decimal point") << "2,5"
                                            << "A comma separates the values of SUMSQ( ) only.";
    QTest::newRow("operator missing") << "X(2)"
                                      << "An operator is missing between two values.";
    QTest::newRow("unknown character") << "X%2"
                                       << "The character \"%\" has no meaning in an expression.";
    QTest::newRow("value not finite") << "INFINITE-1"
                                      << "The value of INFINITE is not a finite number.";
}

void TExpressionTest::Invalid_Reason()
{
    QFETCH(QString, expression);
    QFETCH(QString, reason);

    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("X"), -2.0);
    evaluator.Add_Variable(QStringLiteral("DEA_TAPS"), 8.0);
    for (int element = 1; element <= 3; ++element)
    {
        evaluator.Add_Variable(QStringLiteral("TTP_DECL.%1").arg(element), 125.0);
    }
    evaluator.Add_Variable(QStringLiteral("INFINITE"), INFINITE);
    QCOMPARE(evaluator.Invalid_Reason(expression), reason);
}

void TExpressionTest::Usage_Depends_On_Values_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("value_dependent");

    QTest::newRow("plain names never match inside a value") << QStringList{"X", "P.X"} << "X+P.X" << false;
    QTest::newRow("a name starting with a digit can") << QStringList{"X", "2ND"} << "X+1" << true;
    QTest::newRow("a name that is no plain word can") << QStringList{"X", "A-B"} << "X*2" << true;
    QTest::newRow("no value written in, nothing to depend on") << QStringList{"2ND"} << "1+1" << false;
}

void TExpressionTest::Usage_Depends_On_Values()
{
    QFETCH(QStringList, names);
    QFETCH(QString, expression);
    QFETCH(bool, value_dependent);

    TExpression evaluator;
    for (const QString& name : names)
    {
        evaluator.Add_Variable(name, 1.0);
    }
    TExpression::TUsage usage;
    bool valid = false;
    evaluator.Evaluate(expression, &valid, &usage);
    QVERIFY(valid);
    QCOMPARE(usage.value_dependent, value_dependent);
    QCOMPARE(evaluator.Variable_Sequence(names.first()), 0);
    QCOMPARE(evaluator.Variable_Sequence(QStringLiteral("NOT_THERE")), -1);
}

void TExpressionTest::Nesting_Limit_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("valid");

    QTest::newRow("groups at the limit") << "(" << TExpression::MAXIMUM_NESTING << true;
    QTest::newRow("groups beyond the limit") << "(" << TExpression::MAXIMUM_NESTING + 1 << false;
    QTest::newRow("square roots at the limit") << "SQRT(" << TExpression::MAXIMUM_NESTING << true;
    QTest::newRow("square roots beyond the limit") << "SQRT(" << TExpression::MAXIMUM_NESTING + 1 << false;
    QTest::newRow("vector lengths beyond the limit") << "SUMSQ(" << TExpression::MAXIMUM_NESTING + 1 << false;
}

void TExpressionTest::Nesting_Limit()
{
    QFETCH(QString, opening);
    QFETCH(int, levels);
    QFETCH(bool, valid);

    const QString expression =
        opening.repeated(levels) + QStringLiteral("1") + QStringLiteral(")").repeated(levels);
    TExpression evaluator;
    bool result_valid = !valid;
    const double result = evaluator.Evaluate(expression, &result_valid);
    QCOMPARE(result_valid, valid);
    QCOMPARE(result, valid ? 1.0 : 0.0);
}

void TExpressionTest::Deep_Nesting_Is_Invalid_Without_Crash()
{
    const int levels = 100000;
    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("X"), 1.0);
    bool valid = true;

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(evaluator.Evaluate(
                 QStringLiteral("(").repeated(levels) + "X" + QStringLiteral(")").repeated(levels), &valid),
             0.0);
    QVERIFY(!valid);
    valid = true;
    QCOMPARE(evaluator.Evaluate(QStringLiteral("SQRT(").repeated(levels) + "1" +
                                    QStringLiteral(")").repeated(levels),
                                &valid),
             0.0);
    QVERIFY(!valid);
    valid = true;
    QCOMPARE(evaluator.Evaluate(QStringLiteral("(").repeated(levels), &valid), 0.0);
    QVERIFY(!valid);
    QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
}

void TExpressionTest::Null_Valid_Flag_Is_Allowed()
{
    TExpression evaluator;
    QCOMPARE(evaluator.Evaluate(QStringLiteral("2+3"), nullptr), 5.0);
    QCOMPARE(evaluator.Evaluate(QStringLiteral("2+"), nullptr), 0.0);
    QCOMPARE(evaluator.Variable_Value(QStringLiteral("A"), nullptr), 0.0);
}

// The table is kept as if every new name were inserted in front of the first shorter one, also when
// thousands of names of mixed lengths arrive, values are replaced between reads, and the table is read
// in the middle of the additions.
void TExpressionTest::Table_Order_Matches_Insertion_Rule()
{
    TExpression evaluator;
    std::vector<TExpression::TVariable> expected;
    QRandomGenerator random(7);
    for (int step = 0; step < 3000; ++step)
    {
        const int length = 1 + static_cast<int>(random.bounded(6));
        QString name;
        for (int i = 0; i < length; ++i)
        {
            name.append(QLatin1Char(static_cast<char>('A' + random.bounded(3))));
        }
        const double value = step;
        QVERIFY(evaluator.Add_Variable(name, value));

        auto same = std::find_if(expected.begin(), expected.end(),
                                 [&](const TExpression::TVariable& record) { return record.name == name; });
        if (same != expected.end())
        {
            same->value = value;
        }
        else
        {
            auto shorter = std::find_if(expected.begin(), expected.end(),
                                        [&](const TExpression::TVariable& record)
                                        { return record.name.size() < length; });
            expected.insert(shorter, TExpression::TVariable{name, value});
        }

        if (step % 500 == 0 || step == 2999)
        {
            QCOMPARE(evaluator.Variable_Count(), static_cast<int>(expected.size()));
            for (int index = 0; index < evaluator.Variable_Count(); ++index)
            {
                QCOMPARE(evaluator.Variable_Name(index), expected[static_cast<std::size_t>(index)].name);
                QCOMPARE(evaluator.Variable_Value(index), expected[static_cast<std::size_t>(index)].value);
            }
        }
    }
    bool found = false;
    QCOMPARE(evaluator.Variable_Value(expected.front().name, &found), expected.front().value);
    QVERIFY(found);
}

// Names are patterns: a key ending in "|" matches the empty text at every word boundary, and each value
// written in brings new boundaries for the next name. The text must stop growing, not the program.
void TExpressionTest::Names_Matching_Everywhere_Stop_Growing()
{
    TExpression evaluator;
    QString name = QStringLiteral("|");
    for (int i = 0; i < 24; ++i)
    {
        name.prepend(QLatin1Char(static_cast<char>('A' + i)));
        QVERIFY(evaluator.Add_Variable(name, 1.0));
    }
    QElapsedTimer timer;
    timer.start();
    bool valid = true;
    QCOMPARE(evaluator.Evaluate(QStringLiteral("1+2"), &valid), 0.0);
    QVERIFY(!valid);
    QVERIFY(evaluator.Substitute(QStringLiteral("1+2")).isEmpty());
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

void TExpressionTest::Table_Order_Longest_First()
{
    TExpression evaluator;
    for (const char* name : {"B", "CCC", "DD", "EEE"})
    {
        QVERIFY(evaluator.Add_Variable(QString::fromLatin1(name), 1.0));
    }
    QCOMPARE(evaluator.Variable_Count(), 4);
    QStringList names;
    for (int index = 0; index < evaluator.Variable_Count(); ++index)
    {
        names << evaluator.Variable_Name(index);
    }
    QCOMPARE(names, QStringList({"CCC", "EEE", "DD", "B"}));

    // Names differing only in case are separate records.
    QVERIFY(evaluator.Add_Variable(QStringLiteral("dd"), 5.0));
    QCOMPARE(evaluator.Variable_Count(), 5);
    QCOMPARE(evaluator.Variable_Name(3), QStringLiteral("dd"));
    QVERIFY(evaluator.Add_Variable(QStringLiteral("FFFF"), 6.0));
    QCOMPARE(evaluator.Variable_Name(0), QStringLiteral("FFFF"));
}

void TExpressionTest::Same_Name_Replaces_Value_In_Place()
{
    TExpression evaluator;
    QVERIFY(evaluator.Add_Variable(QStringLiteral("AB"), 3.0));
    QVERIFY(evaluator.Add_Variable(QStringLiteral("A"), 1.0));
    QVERIFY(evaluator.Add_Variable(QStringLiteral("C"), 4.0));
    QVERIFY(evaluator.Add_Variable(QStringLiteral("A"), 2.0));
    QCOMPARE(evaluator.Variable_Count(), 3);
    QCOMPARE(evaluator.Variable_Name(1), QStringLiteral("A"));
    QCOMPARE(evaluator.Variable_Value(1), 2.0);
    const TExpression::TVariable record = evaluator.Variable(1);
    QCOMPARE(record.name, QStringLiteral("A"));
    QCOMPARE(record.value, 2.0);
    // The expression sees the new value, not the old one.
    bool valid = false;
    QCOMPARE(evaluator.Evaluate(QStringLiteral("A*10+AB"), &valid), 23.0);
    QVERIFY(valid);
    QVERIFY(evaluator.Add_Variable(QStringLiteral("A"), -1.0));
    QCOMPARE(evaluator.Evaluate(QStringLiteral("3*A"), &valid), -3.0);
    QVERIFY(valid);
}

void TExpressionTest::Empty_Name_Is_Refused()
{
    TExpression evaluator;
    TExpression::TVariable variable;
    variable.value = 3.0;
    QVERIFY(!evaluator.Add_Variable(variable));
    QVERIFY(!evaluator.Add_Variable(QString(), 1.0));
    QCOMPARE(evaluator.Variable_Count(), 0);
}

void TExpressionTest::Lookup_By_Name_Is_Case_Sensitive_data()
{
    QTest::addColumn<int>("reserved");
    QTest::newRow("nothing reserved") << 0;
    QTest::newRow("fewer reserved than added") << 5;
    QTest::newRow("room for all") << 1000;
}

// Keys, their elements and case twins, enough of them that the name index grows several times.
void TExpressionTest::Lookup_By_Name_Is_Case_Sensitive()
{
    QFETCH(int, reserved);

    TExpression evaluator;
    evaluator.Reserve_Variables(reserved);
    QStringList names;
    for (int key = 0; key < 60; ++key)
    {
        const QString base = QStringLiteral("Gain_%1").arg(key);
        names << base << base.toUpper() << base + QStringLiteral(".1")
              << base.toUpper() + QStringLiteral(".2");
    }
    for (int index = 0; index < names.size(); ++index)
    {
        QVERIFY(evaluator.Add_Variable(names.at(index), index + 0.5));
    }
    QCOMPARE(evaluator.Variable_Count(), names.size());
    for (int index = 0; index < names.size(); ++index)
    {
        bool ok = false;
        QCOMPARE(evaluator.Variable_Value(names.at(index), &ok), index + 0.5);
        QVERIFY(ok);
    }
    bool ok = true;
    QCOMPARE(evaluator.Variable_Value(QStringLiteral("gain_1"), &ok), 0.0);
    QVERIFY(!ok);
    QCOMPARE(evaluator.Variable_Value(QStringLiteral("Gain_1.2"), &ok), 0.0);
    QVERIFY(!ok);
    // A case twin is its own record; in an expression, where case does not count, the one added first
    // is the one written in.
    bool valid = false;
    QCOMPARE(evaluator.Evaluate(QStringLiteral("gain_2 + gain_2.2"), &valid), 8.5 + 11.5);
    QVERIFY(valid);
}

void TExpressionTest::Negative_Value_Is_Substituted_In_Parentheses()
{
    TExpression evaluator;
    evaluator.Add_Variable(QStringLiteral("X"), -2.0);
    evaluator.Add_Variable(QStringLiteral("XY"), 10.0);
    QCOMPARE(evaluator.Substitute(QStringLiteral("X*3")), QStringLiteral("(-2.0000000000000000)*3"));
    QCOMPARE(evaluator.Substitute(QStringLiteral("XY-X")),
             QStringLiteral("10.0000000000000000-(-2.0000000000000000)"));
}

QTEST_GUILESS_MAIN(TExpressionTest)
#include "tst_expression.moc"
