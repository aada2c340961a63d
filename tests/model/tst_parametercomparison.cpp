#include "parametercomparison.h"

#include "parameterrecord.h"
#include "valuetransfer.h"

#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(TParameters::TParameter)

class TParameterComparisonTest : public QObject
{
    Q_OBJECT

private slots:
    // One key in both lists, the loaded record against the reference record.
    void Match_data()
    {
        QTest::addColumn<TParameters::TParameter>("a");
        QTest::addColumn<TParameters::TParameter>("b");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<int>("match");

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const int same = TParameterComparison::MATCH_SAME;
        const int different = TParameterComparison::MATCH_DIFFERENT;
        QTest::newRow("integer against real of the same value")
            << Record("K", TParameters::TYPE_INTEGER, {250})
            << Record("K", TParameters::TYPE_DOUBLE, {}, {250.0}) << 0.0 << same;
        QTest::newRow("integer against text that reads as the number")
            << Record("K", TParameters::TYPE_INTEGER, {250})
            << Record("K", TParameters::TYPE_TEXT, {}, {}, {" 2.5E+02"}) << 0.0 << same;
        QTest::newRow("text against text differing in case")
            << Record("K", TParameters::TYPE_TEXT, {}, {}, {"Line"})
            << Record("K", TParameters::TYPE_TEXT, {}, {}, {"line"}) << 0.0 << different;
        QTest::newRow("number against a text that is no number")
            << Record("K", TParameters::TYPE_INTEGER, {1})
            << Record("K", TParameters::TYPE_TEXT, {}, {}, {"one"}) << 0.0 << different;
        QTest::newRow("reals within the tolerance")
            << Record("K", TParameters::TYPE_DOUBLE_ARRAY, {}, {1.0, 2.0})
            << Record("K", TParameters::TYPE_DOUBLE_ARRAY, {}, {1.0, 2.0005}) << 0.001 << same;
        QTest::newRow("reals beyond the tolerance")
            << Record("K", TParameters::TYPE_DOUBLE_ARRAY, {}, {1.0, 2.0})
            << Record("K", TParameters::TYPE_DOUBLE_ARRAY, {}, {1.0, 2.01}) << 0.001 << different;
        QTest::newRow("not a number equals not a number")
            << Record("K", TParameters::TYPE_DOUBLE, {}, {nan})
            << Record("K", TParameters::TYPE_DOUBLE, {}, {nan}) << 0.0 << same;
        QTest::newRow("not a number is no other number")
            << Record("K", TParameters::TYPE_DOUBLE, {}, {nan})
            << Record("K", TParameters::TYPE_DOUBLE, {}, {0.0}) << 1e300 << different;
        QTest::newRow("another count of values")
            << Record("K", TParameters::TYPE_INTEGER_ARRAY, {1, 2})
            << Record("K", TParameters::TYPE_INTEGER_ARRAY, {1, 2, 3}) << 0.0 << different;
    }

    void Match()
    {
        QFETCH(TParameters::TParameter, a);
        QFETCH(TParameters::TParameter, b);
        QFETCH(double, tolerance);
        QFETCH(int, match);

        TParameters list_a;
        TParameters list_b;
        list_a.Add_Parameter(a);
        list_b.Add_Parameter(b);
        const TParameterComparison comparison(&list_a, &list_b, tolerance);
        QCOMPARE(static_cast<int>(comparison.Match(QStringLiteral("K"))), match);
        QCOMPARE(static_cast<int>(comparison.Compare().different.size()),
                 match == TParameterComparison::MATCH_SAME ? 0 : 1);
    }

    // Keys held by one side only, and a comparison that follows an edit of the compared list.
    void Keys_On_One_Side()
    {
        TParameters list_a;
        TParameters list_b;
        list_a.Add_Parameter(Record("BOTH", TParameters::TYPE_INTEGER, {1}));
        list_a.Add_Parameter(Record("ONLY_A", TParameters::TYPE_INTEGER, {1}));
        list_b.Add_Parameter(Record("ONLY_B", TParameters::TYPE_INTEGER, {1}));
        list_b.Add_Parameter(Record("BOTH", TParameters::TYPE_INTEGER, {1}));
        const TParameterComparison comparison(&list_a, &list_b);

        QCOMPARE(comparison.Match("ONLY_A"), TParameterComparison::MATCH_ONLY_A);
        QCOMPARE(comparison.Match("ONLY_B"), TParameterComparison::MATCH_ONLY_B);
        QCOMPARE(comparison.Match("NEITHER"), TParameterComparison::MATCH_NONE);
        QCOMPARE(comparison.Match("BOTH"), TParameterComparison::MATCH_SAME);
        const TParameterComparison::TResult result = comparison.Compare();
        QCOMPARE(result.only_in_a, QStringList{"ONLY_A"});
        QCOMPARE(result.only_in_b, QStringList{"ONLY_B"});
        QVERIFY(!result.Same());

        TParameters::TParameter edited = list_a.Get_Parameter("BOTH");
        edited.integer_values = {2};
        list_a.Update_Parameter(edited);
        QCOMPARE(comparison.Match("BOTH"), TParameterComparison::MATCH_DIFFERENT);
    }

    // The reference's values taken into a loaded record of another type; refused ones leave it whole.
    void Take_Values_data()
    {
        QTest::addColumn<TParameters::TParameter>("reference");
        QTest::addColumn<TParameters::TParameter>("target");
        QTest::addColumn<QString>("taken"); // the target's values afterwards, or empty: refused

        QTest::newRow("settings text into a real array")
            << Record("K", TParameters::TYPE_TEXT_ARRAY, {}, {}, {"2.5E+02", "0.1"})
            << Record("K", TParameters::TYPE_DOUBLE_ARRAY, {}, {1.0, 2.0}) << "250, 0.1";
        QTest::newRow("whole real into an integer") << Record("K", TParameters::TYPE_DOUBLE, {}, {12.0})
                                                    << Record("K", TParameters::TYPE_INTEGER, {1}) << "12";
        QTest::newRow("integer into a settings text")
            << Record("K", TParameters::TYPE_INTEGER, {-4})
            << Record("K", TParameters::TYPE_TEXT, {}, {}, {"x"}) << "-4";
        QTest::newRow("fraction into an integer is refused")
            << Record("K", TParameters::TYPE_DOUBLE_ARRAY, {}, {3.0, 2.5})
            << Record("K", TParameters::TYPE_INTEGER_ARRAY, {1, 2}) << "";
        QTest::newRow("another count of values is refused")
            << Record("K", TParameters::TYPE_INTEGER_ARRAY, {1, 2})
            << Record("K", TParameters::TYPE_INTEGER_ARRAY, {1, 2, 3}) << "";
    }

    void Take_Values()
    {
        QFETCH(TParameters::TParameter, reference);
        QFETCH(TParameters::TParameter, target);
        QFETCH(QString, taken);

        TParameters::TParameter result = target;
        QString refusal;
        const bool ok = TParameterComparison::Take_Values(reference, &result, &refusal);
        QCOMPARE(ok, !taken.isEmpty());
        QCOMPARE(refusal.isEmpty(), ok);
        QCOMPARE(result.type, target.type);
        QCOMPARE(TParameterComparison::Values_Text(TParameterComparison::Values_Of(result)),
                 ok ? taken : TParameterComparison::Values_Text(TParameterComparison::Values_Of(target)));
    }

    // A partial source set against a list: every source parameter is planned in the source's order,
    // and only those with other values that fit are handed to the edit path.
    void Value_Transfer_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("plan"); // key, standing and what is shown for it

        QTest::newRow("every parameter of the source")
            << QStringList()
            << QStringList{"TAPS 0 8 -> 12", "GAIN 1 ", "NEW 2 Not in this file.",
                           "TABLE 3 3 values instead of 2.", "DECEL 3 Not a whole number: 2.5"};
        QTest::newRow("keys narrow it, a key the source lacks is named")
            << QStringList{"DECEL", "NONE", "TAPS"}
            << QStringList{"TAPS 0 8 -> 12", "DECEL 3 Not a whole number: 2.5",
                           "NONE 2 Not in the file the values come from."};
    }

    void Value_Transfer()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, plan);

        TParameters target;
        target.Add_Parameter(Record("GAIN", TParameters::TYPE_DOUBLE, {}, {250.0}));
        target.Add_Parameter(Record("TAPS", TParameters::TYPE_INTEGER, {8}));
        target.Add_Parameter(Record("TABLE", TParameters::TYPE_INTEGER_ARRAY, {1, 2}));
        target.Add_Parameter(Record("DECEL", TParameters::TYPE_INTEGER, {4}));
        TParameters source;
        source.Add_Parameter(Record("TAPS", TParameters::TYPE_INTEGER, {12}));
        // The same value in another notation is no change.
        source.Add_Parameter(Record("GAIN", TParameters::TYPE_TEXT, {}, {}, {"2.5E+02"}));
        source.Add_Parameter(Record("NEW", TParameters::TYPE_INTEGER, {1}));
        source.Add_Parameter(Record("TABLE", TParameters::TYPE_INTEGER_ARRAY, {1, 2, 3}));
        source.Add_Parameter(Record("DECEL", TParameters::TYPE_DOUBLE, {}, {2.5}));

        const TValueTransfer transfer(target, source, keys);
        QStringList planned;
        for (const TValueTransfer::TItem& item : transfer.Items())
        {
            planned << QStringLiteral("%1 %2 %3")
                           .arg(item.key)
                           .arg(item.standing)
                           .arg(item.standing == TValueTransfer::STANDING_DIFFERENT
                                    ? TValueTransfer::Change_Text(item.current, item.taken)
                                    : item.reason);
        }
        QCOMPARE(planned, plan);
        const std::vector<TParameters::TParameter> taken = transfer.Taken();
        QCOMPARE(taken.size(), std::size_t(1));
        QCOMPARE(taken.front().integer_values, QVector<int>{12});
        QCOMPARE(transfer.Taken(QStringList{"GAIN"}).size(), std::size_t(0));
    }
};

QTEST_GUILESS_MAIN(TParameterComparisonTest)
#include "tst_parametercomparison.moc"
