#include "parameterdocument.h"

#include "parameterrecord.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

// What the views rely on: every edit and every new list is told once, after the list holds it.
class TParameterDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void Edit_Tells_The_Held_Keys_Once_data()
    {
        QTest::addColumn<QStringList>("edited"); // each key's record is edited to the value 9
        QTest::addColumn<QStringList>("told");   // empty: no signal, and the edit reports false

        QTest::newRow("one key") << QStringList{"B"} << QStringList{"B"};
        QTest::newRow("several keys as one change, in the edit's order")
            << QStringList{"C", "A"} << QStringList{"C", "A"};
        QTest::newRow("a key the list lacks is passed over") << QStringList{"A", "GONE"} << QStringList{"A"};
        QTest::newRow("no key held") << QStringList{"GONE"} << QStringList{};
    }

    void Edit_Tells_The_Held_Keys_Once()
    {
        QFETCH(QStringList, edited);
        QFETCH(QStringList, told);

        TParameterDocument document;
        TParameters parameters;
        for (const QString& key : QStringList{"A", "B", "C"})
        {
            parameters.Add_Parameter(Record(key, TParameters::TYPE_INTEGER, {1}));
        }
        document.Replace_List(std::move(parameters));

        // A view reading the list when told sees the new values.
        QVector<int> values_seen;
        connect(&document, &TParameterDocument::Keys_Changed, this,
                [&](const QStringList& keys)
                {
                    for (const QString& key : keys)
                    {
                        values_seen << document.Parameters().Find_Parameter(key)->integer_values.value(0);
                    }
                });
        QSignalSpy keys_changed(&document, &TParameterDocument::Keys_Changed);
        QSignalSpy list_replaced(&document, &TParameterDocument::List_Replaced);

        std::vector<TParameters::TParameter> records;
        for (const QString& key : edited)
        {
            records.push_back(Record(key, TParameters::TYPE_INTEGER, {9}));
        }
        QCOMPARE(document.Edit(records), !told.isEmpty());

        QCOMPARE(keys_changed.count(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
        {
            QCOMPARE(keys_changed.first().first().toStringList(), told);
        }
        QCOMPARE(values_seen, QVector<int>(told.size(), 9));
        QCOMPARE(document.Parameters().Changed_Count(), told.size());
        QCOMPARE(list_replaced.count(), 0);
    }

    void Replace_List_Tells_The_New_List_data()
    {
        QTest::addColumn<QString>("file"); // read into the new list; empty: an empty list (New)
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("count");

        QTest::newRow("a file read") << "short_constants.asc" << true << 3;
        QTest::newRow("New") << "" << false << 0;
        QTest::newRow("a failed read, emptied") << "rules.xml" << false << 0;
    }

    void Replace_List_Tells_The_New_List()
    {
        QFETCH(QString, file);
        QFETCH(bool, loaded);
        QFETCH(int, count);

        TParameterDocument document;
        TParameters first;
        QVERIFY(first.Load_Parameter_File(Testing::Data_Path(QStringLiteral("constants.asc"))));
        document.Replace_List(std::move(first));
        // Views keep the address of the list: it stays the same object whatever is loaded.
        const TParameters* address = &document.Parameters();

        TParameters replacement;
        if (!file.isEmpty() && !replacement.Load_Parameter_File(Testing::Data_Path(file)))
        {
            // As the window does with a file that does not read: nothing of it is shown, the reason stays.
            replacement.Reset();
        }
        int count_seen = -1;
        connect(&document, &TParameterDocument::List_Replaced, this,
                [&]() { count_seen = document.Parameters().Parameter_Count(); });
        QSignalSpy list_replaced(&document, &TParameterDocument::List_Replaced);
        document.Replace_List(std::move(replacement));

        QCOMPARE(list_replaced.count(), 1);
        QCOMPARE(count_seen, count);
        QCOMPARE(document.Is_Loaded(), loaded);
        QCOMPARE(&document.Parameters(), address);
        QCOMPARE(document.Parameters().Last_Error().isEmpty(), file != QLatin1String("rules.xml"));
    }
};

QTEST_MAIN(TParameterDocumentTest)
#include "tst_parameterdocument.moc"
