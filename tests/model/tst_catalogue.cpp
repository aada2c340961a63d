// The help texts shown for machine constants parameters: fixed texts, fallbacks and the layout of
// selection lists, bit lists, notes and worked examples.
#include "parameters.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <climits>
#include <cmath>

namespace
{
const QString NO_INFORMATION = QStringLiteral("No information available");

QList<int> Catalogue_Numbers()
{
    QList<int> numbers;
    for (int number = 1; number <= 140; ++number)
    {
        numbers.append(number);
    }
    numbers << 142 << 146 << 150;
    return numbers;
}

// Entries made of several pieces; every other entry is a single line without a line break.
const QSet<int> MULTI_LINE = {13,  25,  37,  39,  41,  42,  43,  45,  60,  69,  86, 96,
                              103, 112, 119, 130, 137, 138, 139, 140, 142, 146, 150};

// A small evaluator for the arithmetic of the worked examples: numbers, + - * / and brackets.
class TArithmetic
{
public:
    explicit TArithmetic(const QString& text) : d_text(text) {}

    bool Evaluate(double* result)
    {
        bool ok = true;
        *result = Sum(&ok);
        Skip_Blanks();
        return ok && d_position == d_text.size();
    }

private:
    void Skip_Blanks()
    {
        while (d_position < d_text.size() && d_text.at(d_position) == QLatin1Char(' '))
        {
            ++d_position;
        }
    }

    bool Take(QChar symbol)
    {
        Skip_Blanks();
        if (d_position < d_text.size() && d_text.at(d_position) == symbol)
        {
            ++d_position;
            return true;
        }
        return false;
    }

    double Sum(bool* ok)
    {
        double value = Product(ok);
        for (;;)
        {
            if (Take(QLatin1Char('+')))
                value += Product(ok);
            else if (Take(QLatin1Char('-')))
                value -= Product(ok);
            else
                return value;
        }
    }

    double Product(bool* ok)
    {
        double value = Factor(ok);
        for (;;)
        {
            if (Take(QLatin1Char('*')))
                value *= Factor(ok);
            else if (Take(QLatin1Char('/')))
                value /= Factor(ok);
            else
                return value;
        }
    }

    double Factor(bool* ok)
    {
        if (Take(QLatin1Char('-')))
            return -Factor(ok);
        if (Take(QLatin1Char('(')))
        {
            const double value = Sum(ok);
            if (!Take(QLatin1Char(')')))
                *ok = false;
            return value;
        }
        Skip_Blanks();
        const int start = d_position;
        while (d_position < d_text.size() &&
               (d_text.at(d_position).isDigit() || d_text.at(d_position) == '.'))
        {
            ++d_position;
        }
        bool converted = false;
        const double value = d_text.mid(start, d_position - start).toDouble(&converted);
        if (!converted)
            *ok = false;
        return value;
    }

    QString d_text;
    int d_position = 0;
};
} // namespace

class TCatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void Given_Entries_data();
    void Given_Entries();
    void Fallback_data();
    void Fallback();
    void Shared_Texts_data();
    void Shared_Texts();
    void Every_Entry_data();
    void Every_Entry();
    void Placeholders_data();
    void Placeholders();
    void Bit_Lists_data();
    void Bit_Lists();
    void Selection_Lists_data();
    void Selection_Lists();
    void Notes_data();
    void Notes();
    void Worked_Examples_data();
    void Worked_Examples();

private:
    TParameters d_parameters;
};

void TCatalogueTest::Given_Entries_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1 scale resolution") << 1 << QStringLiteral("Resolution of scale following interpolation");
    QTest::newRow("13 servo loop type")
        << 13
        << QStringLiteral("Servo loop type.  The sign changes the D/A polarity while the absolute value "
                          "indicates the type.\n\n0 = no axis\n1 = Tach-type proportional plus "
                          "feed-forward\n2 = Observer with analog D/A output\n3 = Observer with N.K. Digital "
                          "PWM amplifier output\n4 = Tach-type complete loop");
    QTest::newRow("37 wrist type") << 37
                                   << QStringLiteral(
                                          "Wrist type:\n\n0 = none\n1 = PH9\n2 = PH10\n3 = PH10MQ\n"
                                          "8 = PHS Servo wrist\n16 = CW43 wrist");
    QTest::newRow("103 D/A value at maximum speed")
        << 103
        << QStringLiteral(
               "D/A input value needed to move axis at the maximum speed. Defines the relationship "
               "between the output voltage of the D/A converter and the machine axis speed and is "
               "subsequently used for gain calculations\n\nGain = 32768 * DA_Volts / "
               "DA_Full_Scale\n\nwhere:\nDA_Full_Scale = 5v for FB-PC, B3C/LC, B3CS, B6CS\n"
               "DA_Full_Scale = 10v for Sharpe32\n");
    QTest::newRow("146 wrist bits") << 146
                                    << QStringLiteral("B0  - Wrist has Battery Backup\nB1  - Unused\n"
                                                      "B2  - Use Tesastar-M WD Command\n");
}

void TCatalogueTest::Given_Entries()
{
    QFETCH(int, number);
    QFETCH(QString, expected);

    QCOMPARE(d_parameters.Get_Constants_Description(number), expected);
}

void TCatalogueTest::Fallback_data()
{
    QTest::addColumn<int>("number");

    QTest::newRow("zero") << 0;
    QTest::newRow("141 between entries") << 141;
    QTest::newRow("143") << 143;
    QTest::newRow("144") << 144;
    QTest::newRow("145") << 145;
    QTest::newRow("147") << 147;
    QTest::newRow("148") << 148;
    QTest::newRow("149") << 149;
    QTest::newRow("151 just past the table") << 151;
    QTest::newRow("1000") << 1000;
    QTest::newRow("minus one") << -1;
    QTest::newRow("-150 mirror of an entry") << -150;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TCatalogueTest::Fallback()
{
    QFETCH(int, number);

    QCOMPARE(d_parameters.Get_Constants_Description(number), NO_INFORMATION);
}

void TCatalogueTest::Shared_Texts_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("same");

    QTest::newRow("cut-plane PID 34 and 35") << 34 << 35 << true;
    QTest::newRow("cut-plane PID 34 and 36") << 34 << 36 << true;
    QTest::newRow("Steinhart-Hart 46 and 48") << 46 << 48 << true;
    QTest::newRow("Steinhart-Hart 47 and 49") << 47 << 49 << true;
    QTest::newRow("Steinhart-Hart 46 differs from 47") << 46 << 47 << false;
    QTest::newRow("cut-plane PID differs from scan deceleration") << 36 << 33 << false;
    QTest::newRow("X and Y axis sensors differ") << 51 << 52 << false;
    QTest::newRow("X and Z scale expansion differ") << 66 << 68 << false;
    QTest::newRow("minus and plus checkpoint differ") << 3 << 4 << false;
}

void TCatalogueTest::Shared_Texts()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, same);

    const QString first_text = d_parameters.Get_Constants_Description(first);
    const QString second_text = d_parameters.Get_Constants_Description(second);
    QCOMPARE(first_text == second_text, same);
}

void TCatalogueTest::Every_Entry_data()
{
    QTest::addColumn<int>("number");

    for (int number : Catalogue_Numbers())
    {
        QTest::addRow("entry %d", number) << number;
    }
}

void TCatalogueTest::Every_Entry()
{
    QFETCH(int, number);

    const QString text = d_parameters.Get_Constants_Description(number);
    QVERIFY(!text.isEmpty());
    QVERIFY(text != NO_INFORMATION);
    QCOMPARE(d_parameters.Get_Constants_Description(number), text);

    for (const QChar character : text)
    {
        QVERIFY2(character == QLatin1Char('\n') ||
                     (character.unicode() >= 0x20 && character.unicode() < 0x7f),
                 qPrintable(QStringLiteral("unexpected character %1").arg(character.unicode())));
    }
    QVERIFY2(!text.contains(QStringLiteral(" \n")), "blank before a line break");
    QVERIFY2(!text.contains(QStringLiteral("\n\n\n")), "more than one empty line");
    QVERIFY(!text.startsWith(QLatin1Char(' ')) && !text.startsWith(QLatin1Char('\n')));

    if (!MULTI_LINE.contains(number))
    {
        QVERIFY2(!text.contains(QLatin1Char('\n')), "a one-line description holds a line break");
        QVERIFY(!text.endsWith(QLatin1Char(' ')));
    }
}

void TCatalogueTest::Placeholders_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    for (int number : {12, 61, 62, 63, 64, 65, 73, 74, 75, 88, 89, 90, 91, 95})
    {
        QTest::addRow("reserved %d", number) << number << QStringLiteral("Reserved");
    }
    QTest::newRow("unused 26") << 26 << QStringLiteral("Unused");
    QTest::newRow("unused 54") << 54 << QStringLiteral("Unused");
}

void TCatalogueTest::Placeholders()
{
    QFETCH(int, number);
    QFETCH(QString, expected);

    QCOMPARE(d_parameters.Get_Constants_Description(number), expected);
}

void TCatalogueTest::Bit_Lists_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("highest_bit");
    QTest::addColumn<bool>("has_note");

    QTest::newRow("39 configuration bits") << 39 << 15 << false;
    QTest::newRow("112 FLY switch bits") << 112 << 8 << true;
    QTest::newRow("142 bits") << 142 << 6 << false;
    QTest::newRow("146 wrist bits") << 146 << 2 << false;
    QTest::newRow("150 configuration bits") << 150 << 15 << false;
}

void TCatalogueTest::Bit_Lists()
{
    QFETCH(int, number);
    QFETCH(int, highest_bit);
    QFETCH(bool, has_note);

    const QString text = d_parameters.Get_Constants_Description(number);
    const QStringList lines = text.split(QLatin1Char('\n'));
    static const QRegularExpression bit_line(QStringLiteral("^B(\\d{1,2}) {1,2}- \\S"));

    for (int bit = 0; bit <= highest_bit; ++bit)
    {
        const QString& line = lines.at(bit);
        QVERIFY2(bit_line.match(line).hasMatch(), qPrintable(line));
        // The name is padded to four characters so that every meaning starts in the same column.
        QCOMPARE(line.left(4), QStringLiteral("B%1").arg(bit).leftJustified(4));
        QCOMPARE(line.mid(4, 2), QStringLiteral("- "));
    }

    const QStringList rest = lines.mid(highest_bit + 1);
    if (has_note)
    {
        QVERIFY(!bit_line.match(rest.join(QLatin1Char('\n'))).hasMatch());
        QVERIFY(text.contains(QStringLiteral("\n\nNote: ")));
        QVERIFY(!text.endsWith(QLatin1Char('\n')));
    }
    else
    {
        // The last bit line keeps its line break and nothing follows it.
        QCOMPARE(rest, QStringList{QString()});
        QVERIFY(text.endsWith(QLatin1Char('\n')));
    }
}

void TCatalogueTest::Selection_Lists_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<bool>("ends_with_break");

    QTest::newRow("13 servo loop type") << 13 << " = " << QList<int>{0, 1, 2, 3, 4} << false;
    QTest::newRow("25 probe input source") << 25 << " = " << QList<int>{0, 1, 2} << false;
    QTest::newRow("37 wrist type") << 37 << " = " << QList<int>{0, 1, 2, 3, 8, 16} << false;
    QTest::newRow("45 power mode") << 45 << " = " << QList<int>{0, 1, 2} << false;
    QTest::newRow("86 two rack lists") << 86 << " = " << QList<int>{0, 1, 2, 0, 1, 2} << false;
    QTest::newRow("119 primary axis") << 119 << " = " << QList<int>{0, 1, 2} << false;
    QTest::newRow("130 home sequence") << 130 << ": " << QList<int>{0, 1, 2, 3} << false;
}

void TCatalogueTest::Selection_Lists()
{
    QFETCH(int, number);
    QFETCH(QString, separator);
    QFETCH(QList<int>, choices);
    QFETCH(bool, ends_with_break);

    const QString text = d_parameters.Get_Constants_Description(number);
    const QRegularExpression choice_line(QStringLiteral("^(\\d+)") + QRegularExpression::escape(separator) +
                                         QStringLiteral("\\S"));

    // A heading paragraph comes first and no choice sits inside it.
    const int heading_end = text.indexOf(QStringLiteral("\n\n"));
    QVERIFY(heading_end > 0);
    QVERIFY(!choice_line.match(text.left(heading_end)).hasMatch());

    QList<int> found;
    for (const QString& line : text.split(QLatin1Char('\n')))
    {
        const QRegularExpressionMatch match = choice_line.match(line);
        if (match.hasMatch())
        {
            found.append(match.captured(1).toInt());
        }
    }
    QCOMPARE(found, choices);
    QCOMPARE(text.endsWith(QLatin1Char('\n')), ends_with_break);
}

void TCatalogueTest::Notes_data()
{
    QTest::addColumn<int>("number");

    for (int number : {41, 42, 43, 60, 69, 86, 112})
    {
        QTest::addRow("note in %d", number) << number;
    }
}

void TCatalogueTest::Notes()
{
    QFETCH(int, number);

    const QString text = d_parameters.Get_Constants_Description(number);
    // The note is a paragraph of its own after a first part.
    const int note = text.indexOf(QStringLiteral("\n\nNote: "));
    QVERIFY2(note > 0, qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("Note:")), 1);
    QVERIFY(text.length() > note + 8);
}

void TCatalogueTest::Worked_Examples_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("examples");

    QTest::newRow("96 FLY jerk limiter") << 96 << 1;
    QTest::newRow("137 stroke reduction by input") << 137 << 2;
    QTest::newRow("138 stroke reduction by output") << 138 << 2;
    QTest::newRow("139 minimum coordinate reduction") << 139 << 2;
    QTest::newRow("140 maximum coordinate reduction") << 140 << 1;
}

void TCatalogueTest::Worked_Examples()
{
    QFETCH(int, number);
    QFETCH(int, examples);

    const QString text = d_parameters.Get_Constants_Description(number);
    // A formula paragraph "name = expression" precedes the examples.
    QVERIFY(QRegularExpression(QStringLiteral("\n\n[A-Za-z_ ]+ = [^\n]+\n\n")).match(text).hasMatch());

    // "... = <arithmetic> = <result>": the arithmetic must give the stated result.
    static const QRegularExpression example(QStringLiteral("= ([-0-9.() +*/]+) = (-?[0-9.]+)"));
    int checked = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
    {
        const QRegularExpressionMatch match = example.match(line);
        if (!match.hasMatch())
        {
            continue;
        }
        double value = 0.0;
        TArithmetic arithmetic(match.captured(1).trimmed());
        QVERIFY2(arithmetic.Evaluate(&value), qPrintable(line));
        QVERIFY2(std::fabs(value - match.captured(2).toDouble()) < 1e-9, qPrintable(line));
        ++checked;
    }
    QCOMPARE(checked, examples);
}

QTEST_GUILESS_MAIN(TCatalogueTest)
#include "tst_catalogue.moc"
