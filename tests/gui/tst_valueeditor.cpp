#include "bitfieldwidget.h"
#include "parameterrecord.h"
#include "valueswidget.h"

#include <QLineEdit>
#include <QtTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(TParameters::TParameter)

// The two value editors through the one interface the window uses: which types each edits, what is
// read from a field into a record and what is refused with which reason, and the refusal mark.
class TValueEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void Edits_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("editor"); // the editor that edits the type; empty: none

        QTest::newRow("integer") << int(TParameters::TYPE_INTEGER) << "values";
        QTest::newRow("real array") << int(TParameters::TYPE_DOUBLE_ARRAY) << "values";
        QTest::newRow("text array") << int(TParameters::TYPE_TEXT_ARRAY) << "values";
        QTest::newRow("bit pattern") << int(TParameters::TYPE_INTEGER_BIT_PATTERN) << "bits";
        QTest::newRow("no type") << int(TParameters::TYPE_NOT_SET) << "";
        QTest::newRow("unknown code") << 12 << "";
    }

    void Edits()
    {
        QFETCH(int, type);
        QFETCH(QString, editor);

        TValuesWidget values;
        TBitfieldWidget bits;
        QCOMPARE(values.Edits(type), editor == QLatin1String("values"));
        QCOMPARE(bits.Edits(type), editor == QLatin1String("bits"));
    }

    void Read_Value_data()
    {
        QTest::addColumn<TParameters::TParameter>("record");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed"); // null: the field is left as it was shown
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("value"); // the value at the index afterwards
        QTest::addColumn<QString>("refusal");

        const TParameters::TParameter integers = Record("I", TParameters::TYPE_INTEGER_ARRAY, {1, 2});
        const TParameters::TParameter bits = Record("B", TParameters::TYPE_INTEGER_BIT_PATTERN, {2048});
        QTest::newRow("typed integer") << integers << 1 << "42" << true << "42"
                                       << "";
        QTest::newRow("integer left as shown") << integers << 0 << QString() << false << "1"
                                               << "";
        QTest::newRow("integer retyped as shown") << integers << 0 << "1" << false << "1"
                                                  << "";
        QTest::newRow("letters in an integer") << integers << 0 << "abc" << false << "1"
                                               << "Not a finite number: abc";
        QTest::newRow("index beyond the values") << integers << 2 << "5" << false << ""
                                                 << "";
        // A field shows a real rounded; left as it is, the stored value stays bit for bit.
        for (const double stored : {0.623456789, 1e-16, std::nextafter(2.0, 3.0)})
        {
            QTest::newRow(qPrintable(QStringLiteral("real %1 left as shown").arg(stored, 0, 'g', 17)))
                << Record("R", TParameters::TYPE_DOUBLE, {}, {stored}) << 0 << QString() << false
                << QString::number(stored, 'g', QLocale::FloatingPointShortest) << "";
        }
        QTest::newRow("typed text") << Record("T", TParameters::TYPE_TEXT, {}, {}, {"Line 3"}) << 0
                                    << "Line 4" << true << "Line 4"
                                    << "";
        QTest::newRow("typed bit pattern") << bits << 0 << "-9" << true << "-9"
                                           << "";
        QTest::newRow("bit pattern, whatever index told") << bits << 3 << "7" << true << "7"
                                                          << "";
        QTest::newRow("hexadecimal bit pattern") << bits << 0 << "0x10" << true << "16"
                                                 << "";
        QTest::newRow("hexadecimal sign bit") << bits << 0 << "0XFFFFFFFF" << true << "-1"
                                              << "";
        QTest::newRow("hexadecimal beyond 32 bits")
            << bits << 0 << "0x100000000" << false << "2048"
            << "Not a hexadecimal pattern of at most 32 bits: 0x100000000";
        QTest::newRow("fraction in a bit pattern") << bits << 0 << "1.5" << false << "2048"
                                                   << "Not a whole number: 1.5";
        QTest::newRow("bit pattern without a value")
            << Record("B", TParameters::TYPE_INTEGER_BIT_PATTERN) << 0 << "7" << false << ""
            << "";
    }

    void Read_Value()
    {
        QFETCH(TParameters::TParameter, record);
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(bool, read);
        QFETCH(QString, value);
        QFETCH(QString, refusal);

        std::unique_ptr<TValueEditor> editor = Editor_For(record.type);
        editor->Show_Values(record);
        QLineEdit* field = Field(*editor, index);
        if (!typed.isNull() && field)
        {
            field->setText(typed);
        }

        QString reason;
        QCOMPARE(editor->Read_Value(index, &record, &reason), read);
        QCOMPARE(reason, refusal);
        QCOMPARE(TParameters::Value_Text(record, index == 3 ? 0 : index), value);
    }

    void Refusal_Mark_data()
    {
        QTest::addColumn<TParameters::TParameter>("record");
        QTest::addColumn<int>("index");

        QTest::newRow("values field") << Record("I", TParameters::TYPE_INTEGER_ARRAY, {1, 2, 3}) << 2;
        QTest::newRow("bit pattern field") << Record("B", TParameters::TYPE_INTEGER_BIT_PATTERN, {5}) << 0;
    }

    void Refusal_Mark()
    {
        QFETCH(TParameters::TParameter, record);
        QFETCH(int, index);

        std::unique_ptr<TValueEditor> editor = Editor_For(record.type);
        editor->Show_Values(record);
        QLineEdit* field = Field(*editor, index);
        editor->Mark_Refused(index, QStringLiteral("Not a whole number: 1.5"));
        QCOMPARE(field->toolTip(), QStringLiteral("Not a whole number: 1.5"));
        QVERIFY(field->styleSheet().contains(QLatin1String("red")));

        // The next values shown start unmarked, as does a cleared mark.
        editor->Show_Values(record);
        QVERIFY(field->styleSheet().isEmpty());
        editor->Mark_Refused(index, QStringLiteral("again"));
        editor->Mark_Refused(index, QString());
        QVERIFY(field->styleSheet().isEmpty());
        QVERIFY(field->toolTip() != QLatin1String("again"));
    }

private:
    static std::unique_ptr<TValueEditor> Editor_For(int type)
    {
        if (type == TParameters::TYPE_INTEGER_BIT_PATTERN)
        {
            return std::make_unique<TBitfieldWidget>();
        }
        return std::make_unique<TValuesWidget>();
    }

    static QLineEdit* Field(TValueEditor& editor, int index)
    {
        if (qobject_cast<TBitfieldWidget*>(&editor))
        {
            return editor.findChild<QLineEdit*>(QStringLiteral("value_edit"));
        }
        return editor.findChild<QLineEdit*>(QStringLiteral("value_edit_%1").arg(index));
    }
};

QTEST_MAIN(TValueEditorTest)
#include "tst_valueeditor.moc"
