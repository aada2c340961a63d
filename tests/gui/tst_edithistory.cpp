#include "edithistory.h"

#include "messagebox.h"
#include "parameterdocument.h"
#include "parameterrecord.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

// The undo layer on the document: each kind of step taken back and forth as one step, the steps that
// record nothing, the reverts' question and actions, and a new list starting a new history.
class TEditHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TMessageBox::Clear_Answers();
        d_document = std::make_unique<TParameterDocument>();
        TParameters parameters;
        parameters.Add_Parameter(Record("A", TParameters::TYPE_INTEGER, {1}));
        parameters.Add_Parameter(Record("B", TParameters::TYPE_DOUBLE, {}, {2.5}));
        parameters.Add_Parameter(Record("C", TParameters::TYPE_TEXT, {}, {}, {"x"}));
        d_document->Replace_List(std::move(parameters));
        d_message_box = std::make_unique<TMessageBox>();
        d_history = std::make_unique<TEditHistory>(d_document.get(), d_message_box.get(), nullptr);
    }

    void Step_Undone_And_Redone_data()
    {
        QTest::addColumn<QString>("before"); // edits made first, each a step of its own: KEY=VALUE,...
        QTest::addColumn<QString>("step");   // the step under test
        QTest::addColumn<QString>("text");   // the undo action's text after it
        QTest::addColumn<QString>("after");  // the values of A, B and C after the step
        QTest::addColumn<QString>("undone"); // and after undoing it

        QTest::newRow("edit") << ""
                              << "edit A=5"
                              << "Undo edit of A"
                              << "5 2.5 x"
                              << "1 2.5 x";
        QTest::newRow("edit named by its caller") << ""
                                                  << "named B=3"
                                                  << "Undo reference value of B"
                                                  << "1 3 x"
                                                  << "1 2.5 x";
        QTest::newRow("several parameters as one step") << ""
                                                        << "several A=5,C=y"
                                                        << "Undo values from file"
                                                        << "5 2.5 y"
                                                        << "1 2.5 x";
        QTest::newRow("several, the unchanged ones left out") << ""
                                                              << "several A=1,B=4"
                                                              << "Undo values from file"
                                                              << "1 4 x"
                                                              << "1 2.5 x";
        QTest::newRow("revert parameter") << "A=5,B=4"
                                          << "revert A"
                                          << "Undo revert of A"
                                          << "1 4 x"
                                          << "5 4 x";
        QTest::newRow("revert all of one change, no question") << "A=5"
                                                               << "revert all"
                                                               << "Undo revert of all changes"
                                                               << "1 2.5 x"
                                                               << "5 2.5 x";
        QTest::newRow("revert all, confirmed") << "A=5,B=4,A=6"
                                               << "revert all yes"
                                               << "Undo revert of all changes"
                                               << "1 2.5 x"
                                               << "6 4 x";
    }

    void Step_Undone_And_Redone()
    {
        QFETCH(QString, before);
        QFETCH(QString, step);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(QString, undone);

        for (const TParameters::TParameter& edit : Edits(before))
        {
            d_history->Edit(edit);
        }
        QSignalSpy keys_changed(d_document.get(), &TParameterDocument::Keys_Changed);
        Run(step);
        QCOMPARE(TMessageBox::Pending_Answers(), 0);
        QCOMPARE(keys_changed.count(), 1);
        QCOMPARE(d_history->Undo_Action()->text(), text);
        QCOMPARE(Values(), after);

        d_history->Undo_Action()->trigger();
        QCOMPARE(keys_changed.count(), 2);
        QCOMPARE(Values(), undone);
        // The reverts follow the values, whoever changed them.
        QCOMPARE(d_history->Revert_All_Action()->isEnabled(), d_document->Parameters().Changed_Count() > 0);

        d_history->Redo_Action()->trigger();
        QCOMPARE(Values(), after);
        QVERIFY(!d_history->Redo_Action()->isEnabled());
    }

    void Step_Recording_Nothing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("step");

        QTest::newRow("edit to the values held") << ""
                                                 << "edit B=2.5";
        QTest::newRow("edit of a key not held") << ""
                                                << "edit GONE=1";
        QTest::newRow("several, none changed") << ""
                                               << "several A=1,C=x";
        QTest::newRow("revert of an unchanged parameter") << "B=4"
                                                          << "revert A";
        QTest::newRow("revert with nothing selected") << "A=5"
                                                      << "revert";
        QTest::newRow("revert all with nothing changed") << ""
                                                         << "revert all";
        QTest::newRow("revert all, declined") << "A=5,B=4"
                                              << "revert all no";
    }

    void Step_Recording_Nothing()
    {
        QFETCH(QString, before);
        QFETCH(QString, step);

        const std::vector<TParameters::TParameter> edits = Edits(before);
        for (const TParameters::TParameter& edit : edits)
        {
            d_history->Edit(edit);
        }
        const QString values = Values();
        QSignalSpy keys_changed(d_document.get(), &TParameterDocument::Keys_Changed);
        Run(step);
        QCOMPARE(TMessageBox::Pending_Answers(), 0);
        QCOMPARE(keys_changed.count(), 0);
        QCOMPARE(Values(), values);
        // The last step recorded is still the one undone next.
        QCOMPARE(d_history->Undo_Action()->isEnabled(), !edits.empty());
        if (!edits.empty())
        {
            QCOMPARE(d_history->Undo_Action()->text(),
                     QStringLiteral("Undo edit of %1").arg(edits.back().key));
        }
    }

    void Revert_Parameter_Follows_The_Selection()
    {
        QAction* revert = d_history->Revert_Parameter_Action();
        d_history->Edit(Edits("A=5").front());
        QVERIFY(!revert->isEnabled());
        d_history->Set_Selected(QStringLiteral("A"));
        QVERIFY(revert->isEnabled());
        d_history->Set_Selected(QStringLiteral("B"));
        QVERIFY(!revert->isEnabled());
        d_history->Set_Selected(QStringLiteral("A"));
        d_history->Undo_Action()->trigger();
        QVERIFY(!revert->isEnabled());
    }

    void New_List_Starts_A_New_History()
    {
        d_history->Set_Selected(QStringLiteral("A"));
        d_history->Edit(Edits("A=5").front());
        d_history->Undo_Action()->trigger();
        d_history->Edit(Edits("B=4").front());
        QVERIFY(d_history->Revert_All_Action()->isEnabled());

        TParameters other;
        other.Add_Parameter(Record("A", TParameters::TYPE_INTEGER, {1}));
        d_document->Replace_List(std::move(other));

        for (QAction* action : {d_history->Undo_Action(), d_history->Redo_Action(),
                                d_history->Revert_Parameter_Action(), d_history->Revert_All_Action()})
        {
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
        }
    }

private:
    // "KEY=VALUE,..." as records of the document with those values.
    std::vector<TParameters::TParameter> Edits(const QString& list) const
    {
        std::vector<TParameters::TParameter> edits;
        for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        {
            const QString key = item.section(QLatin1Char('='), 0, 0);
            TParameters::TParameter edit = d_document->Parameters().Get_Parameter(key);
            if (edit.key.isEmpty())
            {
                edit = Record(key, TParameters::TYPE_INTEGER, {0});
            }
            [&]() { QVERIFY(TParameters::Set_Value_Text(&edit, 0, item.section(QLatin1Char('='), 1))); }();
            edits.push_back(edit);
        }
        return edits;
    }

    void Run(const QString& step)
    {
        const QString command = step.section(QLatin1Char(' '), 0, 0);
        const QString argument = step.section(QLatin1Char(' '), 1);
        if (command == QLatin1String("edit"))
        {
            d_history->Edit(Edits(argument).front());
        }
        else if (command == QLatin1String("named"))
        {
            d_history->Edit(Edits(argument).front(), QStringLiteral("reference value of B"));
        }
        else if (command == QLatin1String("several"))
        {
            d_history->Edit(Edits(argument), QStringLiteral("values from file"));
        }
        else if (step.startsWith(QLatin1String("revert all")))
        {
            if (step.endsWith(QLatin1String("yes")) || step.endsWith(QLatin1String("no")))
            {
                TMessageBox::Queue_Answer(step.endsWith(QLatin1String("yes")) ? QMessageBox::Yes
                                                                              : QMessageBox::No);
            }
            d_history->Revert_All();
        }
        else
        {
            d_history->Set_Selected(argument);
            d_history->Revert_Parameter();
        }
    }

    QString Values() const
    {
        QStringList values;
        for (const TParameters::TParameter& parameter : d_document->Parameters().Parameters())
        {
            values << TParameters::Value_Text(parameter, 0);
        }
        return values.join(QLatin1Char(' '));
    }

    std::unique_ptr<TParameterDocument> d_document;
    std::unique_ptr<TMessageBox> d_message_box;
    std::unique_ptr<TEditHistory> d_history;
};

QTEST_MAIN(TEditHistoryTest)
#include "tst_edithistory.moc"
