#include "utilities.h"

#include <QtTest>
#include <cmath>
#include <limits>

class TUtilitiesTest : public QObject
{
    Q_OBJECT

private slots:
    void High_Precision_Display_data();
    void High_Precision_Display();
    void Real_Text_data();
    void Real_Text();
    void Shown_Real_Text_data();
    void Shown_Real_Text();
};

void TUtilitiesTest::High_Precision_Display_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("expected");

    QTest::newRow("whole number") << 2.0 << false;
    QTest::newRow("exact half") << 2.5 << false;
    QTest::newRow("half below one") << 0.5 << false;
    QTest::newRow("four decimals") << 0.1234 << false;
    QTest::newRow("five decimals") << 0.12345 << true;
    QTest::newRow("five decimals, fraction above half") << 0.62345 << true;
    QTest::newRow("nine decimals, fraction above half") << 0.623456789 << true;
    QTest::newRow("four decimals, fraction above half") << 3.6789 << false;
    QTest::newRow("negative five decimals") << -0.12345 << true;
    QTest::newRow("ten micrometres") << 1e-5 << true;
    QTest::newRow("pi to five places") << 3.14159 << true;
    QTest::newRow("12.34 is held below itself") << 12.34 << true;
    QTest::newRow("four decimals above ten") << 12.3456 << true;
    QTest::newRow("zero") << 0.0 << false;
    QTest::newRow("negative zero") << -0.0 << false;
    QTest::newRow("half minus a hair") << 0.49999 << true;
    QTest::newRow("largest double below one half") << std::nextafter(0.5, 0.0) << true;
    QTest::newRow("seven nines below one half") << 0.4999999 << true;
    // Its extra digit lies below the tolerance; the shown text falls back to the shortest exact form.
    QTest::newRow("smallest double above one half") << std::nextafter(0.5, 1.0) << false;
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << false;
    QTest::newRow("fifty micrometres") << 0.00005 << true;
    QTest::newRow("large whole number inside range") << 2147483000.0 << false;
    QTest::newRow("largest below the 32-bit limit") << 2147483647.0 - 0.5 - 0.25 << false;
    QTest::newRow("exactly 2^31 - 0.5") << 2147483647.5 << true;
    QTest::newRow("2^31") << 2147483648.0 << true;
    QTest::newRow("negative 2^31") << -2147483648.0 << true;
    QTest::newRow("far beyond 32 bits") << 1e300 << true;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << true;
    QTest::newRow("positive infinity") << std::numeric_limits<double>::infinity() << true;
    QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity() << true;
    QTest::newRow("quiet NaN") << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::newRow("negative NaN") << -std::numeric_limits<double>::quiet_NaN() << false;
}

void TUtilitiesTest::High_Precision_Display()
{
    QFETCH(double, value);
    QFETCH(bool, expected);
    QCOMPARE(Utilities::Use_High_Precision_Display(value), expected);
}

void TUtilitiesTest::Real_Text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("six decimals") << 2.5 << "2.500000";
    QTest::newRow("whole number") << 250.0 << "250.000000";
    QTest::newRow("negative zero") << -0.0 << "0.000000";
    QTest::newRow("fifteen decimals, shortest digits padded") << 125.123456789 << "125.123456789000000";
    QTest::newRow("fifty micrometres") << 0.00005 << "0.000050000000000";
    QTest::newRow("negative fine digits") << -0.00035 << "-0.000350000000000";
    QTest::newRow("beyond 32 bits") << 1e20 << "100000000000000000000.000000000000000";
    QTest::newRow("far beyond 32 bits, shortest digits")
        << 1.5e300
        << QStringLiteral("15") + QString(299, QLatin1Char('0')) + QStringLiteral(".000000000000000");
    QTest::newRow("more digits than fifteen decimals hold") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("too small for fifteen decimals") << 1e-16 << "1e-16";
    QTest::newRow("too small for six decimals") << 1e-17 << "1e-17";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "inf";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "nan";
}

void TUtilitiesTest::Real_Text()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Utilities::Real_Text(value), text);
    if (std::isfinite(value))
    {
        QCOMPARE(QLocale::c().toDouble(text), value);
    }
}

void TUtilitiesTest::Shown_Real_Text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("fixed point below 15 digits") << 123456789012345.0 << "123456789012345.000000000000000";
    QTest::newRow("exponent form from 15 digits on") << 1e15 << "1e+15";
    QTest::newRow("a huge negative value") << -1.5e300 << "-1.5e+300";
    QTest::newRow("a tiny value as Real_Text") << 1.2345e-09 << "0.000000001234500";
}

void TUtilitiesTest::Shown_Real_Text()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Utilities::Shown_Real_Text(value), text);
    QCOMPARE(QLocale::c().toDouble(text), value);
}

QTEST_APPLESS_MAIN(TUtilitiesTest)
#include "tst_utilities.moc"
