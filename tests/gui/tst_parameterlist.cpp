#include "parameterlist.h"

#include "parameterdocument.h"
#include "parameterrecord.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

// The key list as it follows the document under "Changed only": edited keys enter at their place in
// list order and leave again, one by one or many at once, and the selection stays where it was.
class TParameterListTest : public QObject
{
    Q_OBJECT

private slots:
    void Edited_Keys_Enter_And_Leave_data()
    {
        QTest::addColumn<QVector<int>>("changed"); // the numbers of the keys K0 ... K99 changed first
        QTest::addColumn<QVector<int>>("edited");  // then these, in one step: changed ones back, others away
        QTest::addColumn<QVector<int>>("listed");

        QTest::newRow("one enters between others")
            << QVector<int>{2, 9} << QVector<int>{5} << QVector<int>{2, 5, 9};
        QTest::newRow("one enters first") << QVector<int>{2, 9} << QVector<int>{0} << QVector<int>{0, 2, 9};
        QTest::newRow("one leaves, one enters")
            << QVector<int>{2, 9} << QVector<int>{9, 50} << QVector<int>{2, 50};
        QVector<int> many;
        for (int number = 10; number < 70; ++number)
        {
            many << number;
        }
        QTest::newRow("many at once") << QVector<int>{2, 9} << many << QVector<int>{2, 9} + many;
        QTest::newRow("many leave at once") << many << many << QVector<int>{};
    }

    void Edited_Keys_Enter_And_Leave()
    {
        QFETCH(QVector<int>, changed);
        QFETCH(QVector<int>, edited);
        QFETCH(QVector<int>, listed);

        TParameterDocument document;
        TParameters parameters;
        QVERIFY(parameters.Load_Parameter_File(Testing::Data_Path(QStringLiteral("short_constants.asc"))));
        for (int number = 0; number < 100; ++number)
        {
            parameters.Add_Parameter(
                Record(QStringLiteral("K%1").arg(number), TParameters::TYPE_INTEGER, {0}));
        }
        document.Replace_List(std::move(parameters));
        TParameterList list(&document);
        list.Filter().Set_Changed_Only(true);
        list.Refill();
        Edit(&document, changed);
        // The selected key stays selected, whatever moves around it.
        const bool keep_selection = !edited.contains(changed.first());
        QVERIFY(list.Select_Key(QStringLiteral("K%1").arg(changed.first())));
        QSignalSpy selection(&list, &TParameterList::Selection_Changed);

        Edit(&document, edited);
        QStringList keys;
        for (int number : listed)
        {
            keys << QStringLiteral("K%1").arg(number);
        }
        QStringList shown;
        for (int row = 0; row < list.Count(); ++row)
        {
            shown << list.Key(row);
        }
        QCOMPARE(shown, keys);
        QString selected;
        QCOMPARE(list.Selected_Key(&selected), keep_selection);
        if (keep_selection)
        {
            QCOMPARE(selected, QStringLiteral("K%1").arg(changed.first()));
        }
        // A selected key that leaves is reported, so that its details leave too.
        if (!keep_selection)
        {
            QVERIFY(!selection.isEmpty());
        }
    }

private:
    // Changes the values of the keys given: one that is changed goes back to 0, the others to 1.
    static void Edit(TParameterDocument* document, const QVector<int>& numbers)
    {
        std::vector<TParameters::TParameter> records;
        for (int number : numbers)
        {
            TParameters::TParameter record =
                document->Parameters().Get_Parameter(QStringLiteral("K%1").arg(number));
            record.integer_values = {record.changed ? 0 : 1};
            records.push_back(record);
        }
        document->Edit(records);
    }
};

QTEST_MAIN(TParameterListTest)
#include "tst_parameterlist.moc"
