#include "bitfieldwidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TBitfieldWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void Construction_Is_Empty();
    void Box_Labels_And_Grid_Places();
    void Focus_Order_Runs_Value_Then_Bits();
    void Set_Integer_Ticks_Bits_data();
    void Set_Integer_Ticks_Bits();
    void Ticking_By_Hand_data();
    void Ticking_By_Hand();
    void Clearing_By_Hand_Emits_Once();
    void Reset_Clears_Silently();
    void Reset_With_Nothing_Ticked_Keeps_Text();
    void Bit_Meanings_From_The_Description();
    void Typed_Text_data();
    void Typed_Text();

private:
    static QCheckBox* Box(TBitfieldWidget& widget, int bit)
    {
        return widget.findChild<QCheckBox*>(QStringLiteral("bit_check_%1").arg(bit));
    }
    static QLineEdit* Value_Edit(TBitfieldWidget& widget)
    {
        return widget.findChild<QLineEdit*>(QStringLiteral("value_edit"));
    }
};

void TBitfieldWidgetTest::Construction_Is_Empty()
{
    TBitfieldWidget widget;
    QCOMPARE(widget.findChildren<QCheckBox*>().size(), 32);
    QCOMPARE(Value_Edit(widget)->text(), QString());
    QCOMPARE(widget.Integer(), 0);
    for (int bit = 0; bit < 32; ++bit)
    {
        QVERIFY(!Box(widget, bit)->isChecked());
    }
}

void TBitfieldWidgetTest::Box_Labels_And_Grid_Places()
{
    TBitfieldWidget widget;
    for (int bit = 0; bit < 32; ++bit)
    {
        QCheckBox* box = Box(widget, bit);
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("B%1").arg(bit));
    }
    QGridLayout* bits_layout = nullptr;
    for (QGridLayout* layout : widget.findChildren<QGridLayout*>())
    {
        if (layout->indexOf(Box(widget, 0)) >= 0)
        {
            bits_layout = layout;
        }
    }
    QVERIFY(bits_layout);
    for (int bit = 0; bit < 32; ++bit)
    {
        int row = -1;
        int column = -1;
        int row_span = 0;
        int column_span = 0;
        bits_layout->getItemPosition(bits_layout->indexOf(Box(widget, bit)), &row, &column, &row_span,
                                     &column_span);
        QCOMPARE(row, bit % 8);
        QCOMPARE(column, bit / 8);
    }
}

void TBitfieldWidgetTest::Focus_Order_Runs_Value_Then_Bits()
{
    TBitfieldWidget widget;
    QWidget* next = Value_Edit(widget)->nextInFocusChain();
    for (int bit = 0; bit < 32; ++bit)
    {
        QCOMPARE(next, static_cast<QWidget*>(Box(widget, bit)));
        next = next->nextInFocusChain();
    }
}

void TBitfieldWidgetTest::Set_Integer_Ticks_Bits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<quint32>("ticked");
    QTest::addColumn<QString>("shown");

    QTest::newRow("five") << 5 << quint32(0x5) << QStringLiteral("5");
    QTest::newRow("zero") << 0 << quint32(0) << QStringLiteral("0");
    QTest::newRow("minus one ticks all") << -1 << quint32(0xFFFFFFFF) << QStringLiteral("-1");
    QTest::newRow("smallest ticks only the sign")
        << int(-2147483647 - 1) << quint32(0x80000000) << QStringLiteral("-2147483648");
    QTest::newRow("largest clears only the sign")
        << 2147483647 << quint32(0x7FFFFFFF) << QStringLiteral("2147483647");
    QTest::newRow("minus two") << -2 << quint32(0xFFFFFFFE) << QStringLiteral("-2");
}

void TBitfieldWidgetTest::Set_Integer_Ticks_Bits()
{
    QFETCH(int, value);
    QFETCH(quint32, ticked);
    QFETCH(QString, shown);

    TBitfieldWidget widget;
    QSignalSpy spy(&widget, &TBitfieldWidget::Value_Changed);
    // Start from the opposite pattern so that every box has to move.
    widget.Set_Integer(static_cast<int>(~ticked));
    widget.Set_Integer(value);

    for (int bit = 0; bit < 32; ++bit)
    {
        QCOMPARE(Box(widget, bit)->isChecked(), ((ticked >> bit) & 1u) != 0);
    }
    QCOMPARE(Value_Edit(widget)->text(), shown);
    QCOMPARE(widget.Integer(), value);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(widget.findChild<QLabel*>(QStringLiteral("hex_label"))->text(),
             QStringLiteral("0x%1").arg(
                 QString::number(ticked, 16).toUpper().rightJustified(8, QLatin1Char('0'))));
}

void TBitfieldWidgetTest::Bit_Meanings_From_The_Description()
{
    TBitfieldWidget widget;
    TParameters::TParameter record;
    record.type = TParameters::TYPE_INTEGER_BIT_PATTERN;
    record.integer_values = {1};
    record.description = QStringLiteral("Machine options.\nB0  - Rotary table fitted\n  B12 - Laser scanner\n"
                                        "B120 is no bit\nB0 - a second meaning of B0 is left out");
    widget.Show_Values(record);
    QCOMPARE(Box(widget, 0)->toolTip(), QStringLiteral("B0  - Rotary table fitted"));
    QCOMPARE(Box(widget, 12)->toolTip(), QStringLiteral("B12 - Laser scanner"));
    QCOMPARE(Box(widget, 1)->toolTip(), QString());

    // Another parameter's meanings replace these.
    record.description = QStringLiteral("B1 - Air bearings");
    widget.Show_Values(record);
    QCOMPARE(Box(widget, 0)->toolTip(), QString());
    QCOMPARE(Box(widget, 1)->toolTip(), QStringLiteral("B1 - Air bearings"));
}

void TBitfieldWidgetTest::Ticking_By_Hand_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("bit");
    QTest::addColumn<QString>("shown");

    QTest::newRow("B3 after five") << 5 << 3 << QStringLiteral("13");
    QTest::newRow("B31 after zero") << 0 << 31 << QStringLiteral("-2147483648");
    QTest::newRow("B0 after five clears it") << 5 << 0 << QStringLiteral("4");
    QTest::newRow("B31 after minus one") << -1 << 31 << QStringLiteral("2147483647");
    QTest::newRow("B30 after zero") << 0 << 30 << QStringLiteral("1073741824");
}

void TBitfieldWidgetTest::Ticking_By_Hand()
{
    QFETCH(int, start);
    QFETCH(int, bit);
    QFETCH(QString, shown);

    TBitfieldWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.Set_Integer(start);
    QSignalSpy spy(&widget, &TBitfieldWidget::Value_Changed);

    Box(widget, bit)->click();

    QCOMPARE(Value_Edit(widget)->text(), shown);
    QCOMPARE(widget.Integer(), shown.toInt());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
}

void TBitfieldWidgetTest::Clearing_By_Hand_Emits_Once()
{
    TBitfieldWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.Set_Integer(-1);
    QSignalSpy spy(&widget, &TBitfieldWidget::Value_Changed);
    QTest::mouseClick(Box(widget, 0), Qt::LeftButton);
    QCOMPARE(widget.Integer(), -2);
    QCOMPARE(spy.count(), 1);
}

void TBitfieldWidgetTest::Reset_Clears_Silently()
{
    TBitfieldWidget widget;
    widget.Set_Integer(-12345);
    QSignalSpy spy(&widget, &TBitfieldWidget::Value_Changed);
    widget.Reset();
    for (int bit = 0; bit < 32; ++bit)
    {
        QVERIFY(!Box(widget, bit)->isChecked());
    }
    QCOMPARE(Value_Edit(widget)->text(), QStringLiteral("0"));
    QCOMPARE(spy.count(), 0);
}

void TBitfieldWidgetTest::Reset_With_Nothing_Ticked_Keeps_Text()
{
    TBitfieldWidget widget;
    Value_Edit(widget)->setText(QStringLiteral("77"));
    widget.Reset();
    QCOMPARE(Value_Edit(widget)->text(), QStringLiteral("77"));
}

void TBitfieldWidgetTest::Typed_Text_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");

    QTest::newRow("decimal") << QStringLiteral("42") << 42;
    QTest::newRow("negative decimal") << QStringLiteral("-7") << -7;
    QTest::newRow("hexadecimal is not decimal") << QStringLiteral("0x10") << 0;
    QTest::newRow("real is not an integer") << QStringLiteral("1.5") << 0;
    QTest::newRow("above range") << QStringLiteral("2147483648") << 0;
    QTest::newRow("below range") << QStringLiteral("-2147483649") << 0;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("letters") << QStringLiteral("abc") << 0;
}

void TBitfieldWidgetTest::Typed_Text()
{
    QFETCH(QString, typed);
    QFETCH(int, expected);

    TBitfieldWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.Set_Integer(0);
    QSignalSpy spy(&widget, &TBitfieldWidget::Value_Changed);

    QLineEdit* edit = Value_Edit(widget);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(widget.Integer(), expected);
    // Keystrokes move nothing; a finished edit goes to the owner, which sets the boxes or refuses it.
    for (int bit = 0; bit < 32; ++bit)
    {
        QVERIFY(!Box(widget, bit)->isChecked());
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(widget.Text(), typed);

    // Finishing again with the text the boxes already show is no edit.
    widget.Set_Integer(5);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TBitfieldWidgetTest)
#include "tst_bitfieldwidget.moc"
