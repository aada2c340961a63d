#include "valueswidget.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

class TValuesWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void Construction_Shows_One_Row();
    void Reset_Grows_And_Hides();
    void Reset_Zero_Keeps_Row_Zero_Usable();
    void Set_Integer_Shows_Label_And_Value();
    void Set_Float_Precision_data();
    void Set_Float_Precision();
    void Set_Text_Unchanged();
    void Integer_From_Text_data();
    void Integer_From_Text();
    void Float_From_Text_data();
    void Float_From_Text();
    void Setting_From_Code_Emits_Nothing();
    void Return_Emits_Row_Index_data();
    void Return_Emits_Row_Index();
    void Finished_Edit_Without_Change_Emits();
    void Hidden_Row_Still_Settable();
    void Destroying_With_Focus_Reports_No_Edit();

private:
    static QLineEdit* Edit(TValuesWidget& widget, int row)
    {
        return widget.findChild<QLineEdit*>(QStringLiteral("value_edit_%1").arg(row));
    }
    static QLabel* Label(TValuesWidget& widget, int row)
    {
        return widget.findChild<QLabel*>(QStringLiteral("value_label_%1").arg(row));
    }
};

void TValuesWidgetTest::Construction_Shows_One_Row()
{
    TValuesWidget widget;
    widget.show();
    QCOMPARE(widget.findChildren<QLineEdit*>().size(), 1);
    QVERIFY(Edit(widget, 0));
    QVERIFY(Edit(widget, 0)->isVisible());
    QCOMPARE(Label(widget, 0)->text(), QStringLiteral("Index:"));
    QCOMPARE(Edit(widget, 0)->text(), QString());
    QVERIFY(Edit(widget, 0)->alignment() & Qt::AlignHCenter);
}

void TValuesWidgetTest::Reset_Grows_And_Hides()
{
    TValuesWidget widget;
    widget.show();
    widget.Reset(3);
    QCOMPARE(widget.findChildren<QLineEdit*>().size(), 3);
    for (int row = 0; row < 3; ++row)
    {
        QVERIFY(Edit(widget, row)->isVisible());
        QVERIFY(Label(widget, row)->isVisible());
        QVERIFY(Edit(widget, row)->alignment() & Qt::AlignHCenter);
    }

    widget.Set_Text(2, QStringLiteral("kept"));
    widget.Reset(1);
    // Rows only grow: the hidden ones keep their fields and texts.
    QCOMPARE(widget.findChildren<QLineEdit*>().size(), 3);
    QVERIFY(Edit(widget, 0)->isVisible());
    QVERIFY(!Edit(widget, 1)->isVisible());
    QVERIFY(!Label(widget, 2)->isVisible());
    QCOMPARE(widget.Text(2), QStringLiteral("kept"));

    widget.Reset(4);
    QCOMPARE(widget.findChildren<QLineEdit*>().size(), 4);
    QVERIFY(Edit(widget, 2)->isVisible());
    QCOMPARE(widget.Text(2), QStringLiteral("kept"));
    QCOMPARE(widget.Text(3), QString());
}

void TValuesWidgetTest::Reset_Zero_Keeps_Row_Zero_Usable()
{
    TValuesWidget widget;
    widget.show();
    widget.Set_Text(0, QStringLiteral("x"));
    widget.Reset(0);
    QVERIFY(!Edit(widget, 0)->isVisible());
    QCOMPARE(widget.Text(0), QStringLiteral("x"));
}

void TValuesWidgetTest::Set_Integer_Shows_Label_And_Value()
{
    TValuesWidget widget;
    widget.Reset(2);
    widget.Set_Integer(0, -12);
    widget.Set_Integer(1, 2147483647);
    QCOMPARE(Label(widget, 0)->text(), QStringLiteral("Index: 1"));
    QCOMPARE(Edit(widget, 0)->text(), QStringLiteral("-12"));
    QCOMPARE(Label(widget, 1)->text(), QStringLiteral("Index: 2"));
    QCOMPARE(widget.Integer(1), 2147483647);
}

void TValuesWidgetTest::Set_Float_Precision_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("half, six decimals") << 2.5 << QStringLiteral("2.500000");
    QTest::newRow("digits past the fourth decimal, fifteen")
        << 0.123456789 << QStringLiteral("0.123456789000000");
    QTest::newRow("fraction above one half, fifteen") << 0.623456789 << QStringLiteral("0.623456789000000");
    // Where no fixed form reads back as the same number, the shortest text that does.
    QTest::newRow("too small for fifteen decimals") << 1e-16 << QStringLiteral("1e-16");
    QTest::newRow("far too small for fifteen decimals") << 1e-300 << QStringLiteral("1e-300");
    QTest::newRow("last bit beyond fifteen decimals")
        << std::nextafter(2.0, 3.0) << QStringLiteral("2.0000000000000004");
    QTest::newRow("negative with fine digits, fifteen") << -0.12345 << QStringLiteral("-0.123450000000000");
    QTest::newRow("whole number, six") << 2.0 << QStringLiteral("2.000000");
}

void TValuesWidgetTest::Set_Float_Precision()
{
    QFETCH(double, value);
    QFETCH(QString, shown);

    TValuesWidget widget;
    widget.Set_Float(0, value);
    QCOMPARE(Label(widget, 0)->text(), QStringLiteral("Index: 1"));
    QCOMPARE(Edit(widget, 0)->text(), shown);
}

void TValuesWidgetTest::Set_Text_Unchanged()
{
    TValuesWidget widget;
    const QString text = QStringLiteral("  Probe <A> & 1,5  ");
    widget.Set_Text(0, text);
    QCOMPARE(widget.Text(0), text);
    QCOMPARE(Label(widget, 0)->text(), QStringLiteral("Index: 1"));
}

void TValuesWidgetTest::Integer_From_Text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << QStringLiteral("42") << 42;
    QTest::newRow("negative") << QStringLiteral("-17") << -17;
    QTest::newRow("truncates down") << QStringLiteral("7.99") << 7;
    QTest::newRow("truncates toward zero") << QStringLiteral("-3.9") << -3;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000;
    QTest::newRow("not a number") << QStringLiteral("abc") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("comma is no separator") << QStringLiteral("1,5") << 0;
    QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("just above range saturates") << QStringLiteral("2147483648") << 2147483647;
    QTest::newRow("far above range saturates") << QStringLiteral("1e20") << 2147483647;
    QTest::newRow("far below range saturates") << QStringLiteral("-1e20") << int(-2147483647 - 1);
    QTest::newRow("infinity saturates") << QStringLiteral("inf") << 2147483647;
    QTest::newRow("nan is zero") << QStringLiteral("nan") << 0;
}

void TValuesWidgetTest::Integer_From_Text()
{
    QFETCH(QString, text);
    QFETCH(int, expected);

    TValuesWidget widget;
    Edit(widget, 0)->setText(text);
    QCOMPARE(widget.Integer(0), expected);
}

void TValuesWidgetTest::Float_From_Text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("decimal point") << QStringLiteral("1.25") << 1.25;
    QTest::newRow("exponent") << QStringLiteral("-2.5e-3") << -0.0025;
    QTest::newRow("surrounding blanks") << QStringLiteral(" 3.5 ") << 3.5;
    QTest::newRow("not a number") << QStringLiteral("abc") << 0.0;
    QTest::newRow("comma decimal") << QStringLiteral("1,5") << 0.0;
    QTest::newRow("trailing junk") << QStringLiteral("1.5mm") << 0.0;
}

void TValuesWidgetTest::Float_From_Text()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    TValuesWidget widget;
    Edit(widget, 0)->setText(text);
    QCOMPARE(widget.Float(0), expected);
}

void TValuesWidgetTest::Setting_From_Code_Emits_Nothing()
{
    TValuesWidget widget;
    widget.show();
    QSignalSpy spy(&widget, qOverload<int>(&TValuesWidget::Value_Changed));
    widget.Reset(3);
    widget.Set_Integer(0, 5);
    widget.Set_Float(1, 2.5);
    widget.Set_Text(2, QStringLiteral("abc"));
    widget.Reset(1);
    QCOMPARE(spy.count(), 0);
}

void TValuesWidgetTest::Return_Emits_Row_Index_data()
{
    QTest::addColumn<int>("row");

    QTest::newRow("first row") << 0;
    QTest::newRow("middle row") << 2;
    QTest::newRow("last row") << 4;
}

void TValuesWidgetTest::Return_Emits_Row_Index()
{
    QFETCH(int, row);

    TValuesWidget widget;
    widget.Reset(5);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy spy(&widget, qOverload<int>(&TValuesWidget::Value_Changed));

    QLineEdit* edit = Edit(widget, row);
    QTest::keyClicks(edit, QStringLiteral("12.5"));
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), row);
    QCOMPARE(widget.Float(row), 12.5);
    QCOMPARE(widget.Integer(row), 12);
}

// Closing the window while a value field has the focus takes the focus away during destruction; the
// field's finished edit must not reach the half-destroyed widget.
void TValuesWidgetTest::Destroying_With_Focus_Reports_No_Edit()
{
    auto* widget = new TValuesWidget;
    widget->setAttribute(Qt::WA_DeleteOnClose);
    widget->Reset(2);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QApplication::setActiveWindow(widget);
    Edit(*widget, 1)->setFocus();
    int reports = 0;
    connect(widget, qOverload<int>(&TValuesWidget::Value_Changed), this, [&reports]() { ++reports; });
    QPointer<TValuesWidget> guard(widget);
    widget->close();
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(reports, 0);
}

void TValuesWidgetTest::Finished_Edit_Without_Change_Emits()
{
    // Leaving a field counts as finishing the edit even when the text stayed the same.
    TValuesWidget widget;
    widget.Reset(3);
    widget.Set_Integer(1, 9);
    QSignalSpy spy(&widget, qOverload<int>(&TValuesWidget::Value_Changed));
    emit Edit(widget, 1)->editingFinished();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(widget.Integer(1), 9);
}

void TValuesWidgetTest::Hidden_Row_Still_Settable()
{
    TValuesWidget widget;
    widget.Reset(3);
    widget.Reset(1);
    widget.Set_Integer(2, 5);
    QCOMPARE(widget.Integer(2), 5);
    QCOMPARE(Label(widget, 2)->text(), QStringLiteral("Index: 3"));
}

QTEST_MAIN(TValuesWidgetTest)
#include "tst_valueswidget.moc"
