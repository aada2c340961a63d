#include "variablespane.h"

#include "parameterdocument.h"
#include "parameterrecord.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

// The variable pane as the document changes: the lines after each kind of edit and load, a line longer
// than the pane, and copying lines.
class TVariablesPaneTest : public QObject
{
    Q_OBJECT

private slots:
    void Lines_Follow_The_Document_data()
    {
        QTest::addColumn<QString>("edit"); // KEY=VALUE of one edit after the load; "new": New instead
        QTest::addColumn<QStringList>("lines");

        const QString heading = QStringLiteral("Variable List...");
        QTest::newRow("loaded") << ""
                                << QStringList{heading, "A      = 1.000000", "ARR.1  = 2.000000",
                                               "ARR.2  = 3.500000", "T      = 4.000000"};
        QTest::newRow("edit of one value") << "ARR=-2.5"
                                           << QStringList{heading, "A      = 1.000000", "ARR.1  = -2.500000",
                                                          "ARR.2  = 3.500000", "T      = 4.000000"};
        QTest::newRow("a text no longer a number: the lines below move up")
            << "T=four"
            << QStringList{heading, "A      = 1.000000", "ARR.1  = 2.000000", "ARR.2  = 3.500000"};
        QTest::newRow("a value too small for six decimals, with the field's")
            << "ARR=1.2345e-9"
            << QStringList{heading, "A      = 1.000000", "ARR.1  = 0.000000001234500", "ARR.2  = 3.500000",
                           "T      = 4.000000"};
        QTest::newRow("New") << "new" << QStringList{};
    }

    void Lines_Follow_The_Document()
    {
        QFETCH(QString, edit);
        QFETCH(QStringList, lines);

        TParameterDocument document;
        TVariablesPane pane(&document);
        Load(&document);
        if (edit == QLatin1String("new"))
        {
            document.Replace_List(TParameters());
        }
        else if (!edit.isEmpty())
        {
            TParameters::TParameter record = document.Parameters().Get_Parameter(edit.section('=', 0, 0));
            QVERIFY(TParameters::Set_Value_Text(&record, 0, edit.section('=', 1)));
            QVERIFY(document.Edit(record));
        }
        QCOMPARE(pane.Text(), lines.join(QLatin1Char('\n')));
    }

    void Long_Line_Can_Be_Scrolled_To()
    {
        TParameterDocument document;
        TVariablesPane pane(&document);
        pane.resize(200, 150);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        Load(&document);
        QApplication::processEvents();
        // A value grown far wider than any before widens every line.
        TParameters::TParameter record = document.Parameters().Get_Parameter(QStringLiteral("ARR"));
        QVERIFY(TParameters::Set_Value_Text(&record, 1, QStringLiteral("-1e40")));
        QVERIFY(document.Edit(record));
        QApplication::processEvents();

        const QModelIndex line = pane.model()->index(3, 0);
        const QString text = line.data().toString();
        QVERIFY2(text.size() > 50, qPrintable(text));
        QVERIFY(pane.visualRect(line).width() >= pane.fontMetrics().horizontalAdvance(text));
        QScrollBar* scroll_bar = pane.horizontalScrollBar();
        QVERIFY(scroll_bar->maximum() > 0);
    }

    void Copy_Takes_The_Selected_Lines()
    {
        TParameterDocument document;
        TVariablesPane pane(&document);
        Load(&document);
        // Picked out of order, copied in the pane's order.
        pane.selectionModel()->select(pane.model()->index(4, 0), QItemSelectionModel::Select);
        pane.selectionModel()->select(pane.model()->index(1, 0), QItemSelectionModel::Select);
        QTest::keySequence(&pane, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("A      = 1.000000\nT      = 4.000000"));
    }

private:
    // An integer, a real array, a text that reads as a number and one that does not.
    void Load(TParameterDocument* document)
    {
        QByteArray content = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZIDParameterSettings>\n"
                             "<A><Value>1</Value></A>\n"
                             "<ARR><Value_1>2.0</Value_1><Value_2>3.5E+00</Value_2></ARR>\n"
                             "<T><Value_1>4</Value_1><Value_2>x</Value_2></T>\n"
                             "<WORD><Value>none</Value></WORD>\n"
                             "</ZIDParameterSettings>\n" +
                             QByteArray(160, ' ');
        TParameters parameters;
        QVERIFY(
            parameters.Load_Parameter_File(Testing::Write_In(d_files, QStringLiteral("list.xml"), content)));
        document->Replace_List(std::move(parameters));
    }

    QTemporaryDir d_files;
};

QTEST_MAIN(TVariablesPaneTest)
#include "tst_variablespane.moc"
