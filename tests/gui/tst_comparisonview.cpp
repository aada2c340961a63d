#include "comparisonview.h"

#include "edithistory.h"
#include "messagebox.h"
#include "parameterdocument.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

// The comparison with a reference list as the document changes under it: the standing of each key and
// the count after edits, undo, another list and New, and taking the reference's values as one step.
class TComparisonViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TMessageBox::Clear_Answers();
        d_document = std::make_unique<TParameterDocument>();
        d_message_box = std::make_unique<TMessageBox>();
        d_history = std::make_unique<TEditHistory>(d_document.get(), d_message_box.get(), nullptr);
        d_parent = std::make_unique<QWidget>();
        d_comparison = new TComparisonView(d_document.get(), d_history.get(), d_parent.get());
        Load(QStringLiteral("A=1 B=2 C=3 L=1,2"));
        QString error;
        QVERIFY(d_comparison->Load_Reference(Write(QStringLiteral("A=1 B=5 D=4 L=1,2,3")), &error));
    }

    void cleanup()
    {
        d_parent.reset();
        d_history.reset();
    }

    // The standing of the keys A, B, C, D and L after each step: = same, * other values, + not in the
    // reference, - only in the reference, blank not compared.
    void Standing_Follows_The_Document_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("standing");
        QTest::addColumn<QString>("count");

        QTest::newRow("reference read") << QStringList{} << "=*+-*"
                                        << "4 differ";
        QTest::newRow("edited to the reference's value") << QStringList{"B=5"} << "==+-*"
                                                         << "3 differ";
        QTest::newRow("edited away from it") << QStringList{"A=7"} << "**+-*"
                                             << "5 differ";
        QTest::newRow("several at once, undone") << QStringList{"B=5 A=7", "undo"} << "=*+-*"
                                                 << "4 differ";
        QTest::newRow("another list loaded") << QStringList{"load A=1 B=5 D=4"} << "== =-"
                                             << "1 differs";
        QTest::newRow("New") << QStringList{"new"} << "     "
                             << "";
        QTest::newRow("a list after New") << QStringList{"new", "load A=2"} << "*- --"
                                          << "4 differ";
        QTest::newRow("comparison cleared") << QStringList{"clear"} << "     "
                                            << "";
    }

    void Standing_Follows_The_Document()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, standing);
        QFETCH(QString, count);

        for (const QString& step : steps)
        {
            if (step == QLatin1String("undo"))
            {
                d_history->Undo_Action()->trigger();
            }
            else if (step == QLatin1String("new"))
            {
                d_document->Replace_List(TParameters());
            }
            else if (step == QLatin1String("clear"))
            {
                d_comparison->Clear();
            }
            else if (step.startsWith(QLatin1String("load ")))
            {
                Load(step.mid(5));
            }
            else
            {
                Edit(step);
            }
        }
        QCOMPARE(Standing(), standing);
        QCOMPARE(d_comparison->Difference_Count_Label()->text(), count);
    }

    void Use_Reference_Value_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("state"); // what the detail box says
        QTest::addColumn<int>("taken");     // the value after Use Reference Value; -1 not offered

        QTest::newRow("other value") << "B"
                                     << "The reference holds other values." << 5;
        QTest::newRow("same value") << "A"
                                    << "The reference holds the same values." << -1;
        QTest::newRow("not in the reference") << "C"
                                              << "The reference has no such parameter." << -1;
        QTest::newRow("only in the reference")
            << "D"
            << "Only the reference holds this parameter; there is nothing to edit." << -1;
        QTest::newRow("another count of values")
            << "L"
            << "The reference holds other values, not usable here: 3 values instead of 2." << -1;
    }

    void Use_Reference_Value()
    {
        QFETCH(QString, key);
        QFETCH(QString, state);
        QFETCH(int, taken);

        d_comparison->Show_Parameter(key);
        QCOMPARE(d_parent->findChild<QLabel*>(QStringLiteral("reference_state_label"))->text(), state);
        QCOMPARE(d_comparison->Use_Reference_Action()->isEnabled(), taken >= 0);

        const QString loaded = Values();
        d_comparison->Use_Reference_Value(key);
        if (taken < 0)
        {
            QCOMPARE(Values(), loaded);
            QVERIFY(!d_history->Undo_Action()->isEnabled());
            return;
        }
        QCOMPARE(d_document->Parameters().Get_Parameter(key).integer_values.value(0), taken);
        QCOMPARE(d_history->Undo_Action()->text(), QStringLiteral("Undo reference value of %1").arg(key));
        d_history->Undo_Action()->trigger();
        QCOMPARE(Values(), loaded);
    }

private:
    // A settings file of "KEY=V1,V2 ..." (above the smallest size a parameter file has).
    QString Write(const QString& entries)
    {
        QByteArray content = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZIDParameterSettings>\n";
        for (const QString& entry : entries.split(QLatin1Char(' ')))
        {
            const QByteArray key = entry.section(QLatin1Char('='), 0, 0).toLatin1();
            const QStringList values = entry.section(QLatin1Char('='), 1).split(QLatin1Char(','));
            content += "<" + key + ">";
            for (int index = 0; index < values.size(); ++index)
            {
                const QByteArray tag =
                    values.size() == 1 ? QByteArray("Value") : "Value_" + QByteArray::number(index + 1);
                content += "<" + tag + ">" + values.at(index).toLatin1() + "</" + tag + ">";
            }
            content += "</" + key + ">\n";
        }
        content += "</ZIDParameterSettings>\n" + QByteArray(160, ' ');
        return Testing::Write_In(d_files, QStringLiteral("list_%1.xml").arg(++d_written), content);
    }

    void Load(const QString& entries)
    {
        TParameters parameters;
        QVERIFY(parameters.Load_Parameter_File(Write(entries)));
        d_document->Replace_List(std::move(parameters));
    }

    // "KEY=VALUE ..." as one step of the edit history.
    void Edit(const QString& edits)
    {
        std::vector<TParameters::TParameter> records;
        for (const QString& edit : edits.split(QLatin1Char(' ')))
        {
            TParameters::TParameter record =
                d_document->Parameters().Get_Parameter(edit.section(QLatin1Char('='), 0, 0));
            record.integer_values = {edit.section(QLatin1Char('='), 1).toInt()};
            records.push_back(record);
        }
        d_history->Edit(records, QStringLiteral("edits"));
    }

    QString Standing() const
    {
        QString standing;
        for (const QString& key : QStringList{"A", "B", "C", "D", "L"})
        {
            TParameterList::TEntryMarks marks;
            d_comparison->Mark_Entry(key, &marks);
            const QStringList signs = {"Same values in the reference", "Other values in the reference",
                                       "Not in the reference"};
            const int sign = signs.indexOf(marks.tool_tip);
            standing += marks.tool_tip.isEmpty()                           ? QLatin1Char(' ')
                        : sign >= 0                                        ? QLatin1Char("=*+"[sign])
                        : marks.tool_tip.startsWith(QLatin1String("Only")) ? QLatin1Char('-')
                                                                           : QLatin1Char('?');
        }
        return standing;
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

    QTemporaryDir d_files;
    int d_written = 0;
    std::unique_ptr<TParameterDocument> d_document;
    std::unique_ptr<TMessageBox> d_message_box;
    std::unique_ptr<TEditHistory> d_history;
    std::unique_ptr<QWidget> d_parent;
    TComparisonView* d_comparison = nullptr;
};

QTEST_MAIN(TComparisonViewTest)
#include "tst_comparisonview.moc"
