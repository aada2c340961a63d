#include "parameterfilter.h"

#include "parameterrecord.h"

#include <QtTest>

// The one rule for which keys a list shows: the search text, "Changed only" and the narrowings other
// parts decide, each alone and together, over the loaded keys and the keys another list adds.
class TParameterFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void Listed_Keys_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("changed_only");
        QTest::addColumn<QStringList>("differences"); // keys the first narrowing lets through; "-": off
        QTest::addColumn<QStringList>("failing");     // the same for the second one
        QTest::addColumn<QStringList>("listed");

        const QStringList off{"-"};
        QTest::newRow("nothing set: every key, the other list's last")
            << "" << false << off << off << QStringList{"A", "B", "CA", "D", "X", "AX"};
        QTest::newRow("search text in any case, in both lists")
            << "a" << false << off << off << QStringList{"A", "CA", "AX"};
        QTest::newRow("changed only: never a key of the other list")
            << "" << true << off << off << QStringList{"A", "CA"};
        QTest::newRow("one narrowing")
            << "" << false << QStringList{"B", "CA", "X"} << off << QStringList{"B", "CA", "X"};
        QTest::newRow("two narrowings together") << "" << false << QStringList{"A", "B", "CA"}
                                                 << QStringList{"B", "CA", "D"} << QStringList{"B", "CA"};
        QTest::newRow("a narrowing with changed only")
            << "" << true << QStringList{"B", "CA"} << off << QStringList{"CA"};
        QTest::newRow("search, changed only and a narrowing")
            << "C" << true << QStringList{"A", "CA"} << off << QStringList{"CA"};
        QTest::newRow("all shut out") << "" << true << QStringList{"B"} << off << QStringList{};
    }

    void Listed_Keys()
    {
        QFETCH(QString, search);
        QFETCH(bool, changed_only);
        QFETCH(QStringList, differences);
        QFETCH(QStringList, failing);
        QFETCH(QStringList, listed);

        TParameters loaded;
        for (const QString& key : QStringList{"A", "B", "CA", "D"})
        {
            TParameters::TParameter record = Record(key, TParameters::TYPE_INTEGER, {1});
            record.changed = key.contains(QLatin1Char('A'));
            loaded.Add_Parameter(record);
        }
        TParameters other;
        for (const QString& key : QStringList{"X", "AX", "A"})
        {
            other.Add_Parameter(Record(key, TParameters::TYPE_INTEGER, {2}));
        }
        // A key the other list lacks is passed over.
        const QStringList extra_keys{"X", "GONE", "AX"};

        TParameterFilter filter;
        filter.Set_Search_Text(search);
        filter.Set_Changed_Only(changed_only);
        const QStringList* narrowings[] = {&differences, &failing};
        for (int narrowing = 0; narrowing < TParameterFilter::NARROWING_COUNT; ++narrowing)
        {
            const QStringList passing = *narrowings[narrowing];
            if (passing != QStringList{"-"})
            {
                filter.Set_Narrowing(static_cast<TParameterFilter::TNarrowing>(narrowing),
                                     [passing](const QString& key) { return passing.contains(key); });
            }
        }
        filter.Set_Extra_Keys(&other, &extra_keys);
        QCOMPARE(filter.Listed_Keys(loaded), listed);

        // Lifting the narrowings and the search leaves only "Changed only" at work.
        filter.Set_Search_Text(QString());
        filter.Set_Narrowing(TParameterFilter::NARROWING_DIFFERENCES, {});
        filter.Set_Narrowing(TParameterFilter::NARROWING_FAILING_RULES, {});
        QCOMPARE(filter.Listed_Keys(loaded).size(), changed_only ? 2 : 6);
    }
};

QTEST_APPLESS_MAIN(TParameterFilterTest)
#include "tst_parameterfilter.moc"
