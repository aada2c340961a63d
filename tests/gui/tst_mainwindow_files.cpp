#include "windowtesting.h"

#include "loadwarningsdialog.h"
#include "variablespane.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

using namespace Testing;

// Opening parameter files by command and by drop, the search field, the variable pane and New.
class TMainWindowFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void Cancelled_Open_Changes_Nothing();
    void Open_Fills_The_Window_data();
    void Open_Fills_The_Window();
    void Failed_Open_Keeps_The_Window_data();
    void Failed_Open_Keeps_The_Window();
    void Variable_Pane_Pads_Names();
    void Search_Filters_Keys_data();
    void Search_Filters_Keys();
    void Search_Keeps_Selection_data();
    void Search_Keeps_Selection();
    void Find_Selects_Search_Text();
    void New_Answered_No_Keeps_Everything();
    void New_Answered_Yes_Clears_Everything();
    void Drag_Enter_data();
    void Drag_Enter();
    void Drop_data();
    void Drop();
    void Recent_Files_data();
    void Recent_Files();
    void Recent_File_Chosen_data();
    void Recent_File_Chosen();
    void Modified_Mark_Follows_History();
    void Unsaved_Edits_Question_data();
    void Unsaved_Edits_Question();
    void Load_Warnings_Shown();
    void Unsaved_Edits_Recovered_data();
    void Unsaved_Edits_Recovered();

private:
    struct TWidgets
    {
        TParameterList* list = nullptr;
        QLineEdit* search = nullptr;
        TVariablesPane* variables = nullptr;
        QPlainTextEdit* rules = nullptr;
        QStatusBar* status = nullptr;
        QAction* new_action = nullptr;
        QAction* export_action = nullptr;
        QAction* open_action = nullptr;
        QLabel* title = nullptr;
        QStackedWidget* stack = nullptr;
    };

    static TWidgets Widgets(TVantrel& window);
    static QStringList Recent_Entries(TVantrel& window);
    QString Write_Fixture(const QString& name, const QByteArray& content);

    QTemporaryDir d_files;
};

void TMainWindowFilesTest::init()
{
    Fresh_Home();
}

TMainWindowFilesTest::TWidgets TMainWindowFilesTest::Widgets(TVantrel& window)
{
    TWidgets widgets;
    widgets.list = Parameter_List(&window);
    widgets.search = window.findChild<QLineEdit*>(QStringLiteral("search_edit"));
    widgets.variables = window.findChild<TVariablesPane*>(QStringLiteral("variables_text"));
    widgets.rules = window.findChild<QPlainTextEdit*>(QStringLiteral("rules_text"));
    widgets.status = window.statusBar();
    widgets.new_action = window.findChild<QAction*>(QStringLiteral("new_action"));
    widgets.export_action = window.findChild<QAction*>(QStringLiteral("export_action"));
    widgets.open_action = window.findChild<QAction*>(QStringLiteral("open_action"));
    widgets.title = window.findChild<QLabel*>(QStringLiteral("title_label"));
    widgets.stack = window.findChild<QStackedWidget*>(QStringLiteral("editor_stack"));
    return widgets;
}

// The files on File > Open Recent, newest first, read from the menu entries.
QStringList TMainWindowFilesTest::Recent_Entries(TVantrel& window)
{
    QStringList files;
    const QMenu* menu = window.findChild<QMenu*>(QStringLiteral("recent_menu"));
    for (const QAction* action : menu->actions())
    {
        if (!action->data().toString().isEmpty())
        {
            files << action->data().toString();
        }
    }
    return files;
}

QString TMainWindowFilesTest::Write_Fixture(const QString& name, const QByteArray& content)
{
    QString path = d_files.filePath(name);
    if (!Write_File(path, content))
    {
        return QString();
    }
    return path;
}

void TMainWindowFilesTest::Cancelled_Open_Changes_Nothing()
{
    TTestWindow window;
    TWidgets widgets = Widgets(window);
    widgets.status->showMessage(QStringLiteral("earlier message"));

    widgets.open_action->trigger();
    QCOMPARE(window.open_asks, 1);
    QCOMPARE(widgets.status->currentMessage(), QStringLiteral("earlier message"));
    QCOMPARE(widgets.list->Count(), 0);
    QVERIFY(!widgets.new_action->isEnabled());
}

void TMainWindowFilesTest::Open_Fills_The_Window_data()
{
    QTest::addColumn<QString>("file_name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("machine constants file") << "machine.asc" << Constants_File() << Constants_Keys();
    QTest::newRow("parameter settings file")
        << "settings.xml" << Settings_File_Content()
        << QStringList(
               {QStringLiteral("TTP_DECL"), QStringLiteral("DEA_TAPS"), QStringLiteral("EXAMPLE_TEXT")});
}

void TMainWindowFilesTest::Open_Fills_The_Window()
{
    QFETCH(QString, file_name);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, keys);

    const QString path = Write_Fixture(file_name, content);
    QVERIFY(!path.isEmpty());

    TTestWindow window;
    TWidgets widgets = Widgets(window);
    widgets.search->setText(QStringLiteral("left over"));
    widgets.rules->setPlainText(QStringLiteral("old report"));

    window.open_answers << path;
    widgets.open_action->trigger();

    QCOMPARE(widgets.status->currentMessage(), QDir::toNativeSeparators(path));
    QCOMPARE(List_Texts(widgets.list), keys);
    QVERIFY(widgets.search->text().isEmpty());
    QVERIFY(widgets.rules->toPlainText().isEmpty());
    QVERIFY(widgets.variables->Text().startsWith(QStringLiteral("Variable List...\n")));
    QVERIFY(widgets.new_action->isEnabled());
    QVERIFY(widgets.export_action->isEnabled());
    QCOMPARE(widgets.stack->currentWidget()->objectName(), QStringLiteral("empty_page"));
}

void TMainWindowFilesTest::Failed_Open_Keeps_The_Window_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected_error");

    QTest::newRow("neither marker") << QByteArray(300, 'x')
                                    << QStringLiteral("Unable to determine type of parameter file");
    QTest::newRow("too small") << QByteArray("Machine Constants File\n") << QStringLiteral("too small");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("Cannot open file");
}

void TMainWindowFilesTest::Failed_Open_Keeps_The_Window()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected_error);

    const QString good = Write_Fixture(QStringLiteral("good.asc"), Constants_File());
    const QString bad = content.isEmpty() ? d_files.filePath(QStringLiteral("no such file.asc"))
                                          : Write_Fixture(QStringLiteral("bad.asc"), content);

    TTestWindow window;
    TWidgets widgets = Widgets(window);
    window.open_answers << good << bad;
    widgets.open_action->trigger();
    QVERIFY(Select_Key(widgets.list, QStringLiteral("DEA_TAPS")));
    QLineEdit* field = window.findChild<QLineEdit*>(QStringLiteral("value_edit_0"));
    field->setText(QStringLiteral("12"));
    emit field->editingFinished();
    const QString title = widgets.title->text();
    const QString variables = widgets.variables->Text();

    // A file that does not read is reported in the status bar and a box; the loaded list, its edit
    // and the edit's history stay, and no question about them is asked.
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    widgets.open_action->trigger();
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    TMessageBox* box =
        window.findChild<TMessageBox*>(QStringLiteral("message_box"), Qt::FindDirectChildrenOnly);
    QVERIFY2(box->informativeText().contains(QStringLiteral("was not opened.")),
             qPrintable(box->informativeText()));
    QVERIFY(box->detailedText().contains(expected_error));
    const QString message = widgets.status->currentMessage();
    QVERIFY2(message.startsWith(QStringLiteral("ERR:  ")) && message.contains(expected_error),
             qPrintable(message));
    QCOMPARE(List_Texts(widgets.list), Constants_Keys());
    QCOMPARE(widgets.title->text(), title);
    QCOMPARE(widgets.variables->Text(), variables);
    QVERIFY(variables.contains(QStringLiteral(" = 12.000000")));
    QCOMPARE(TVantrelTestAccess::Parameters(window).Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values,
             QVector<qint32>{12});
    QVERIFY(window.findChild<QAction*>(QStringLiteral("undo_action"))->isEnabled());
    QVERIFY(window.isWindowModified());
    QVERIFY(widgets.new_action->isEnabled());
    QVERIFY(widgets.export_action->isEnabled());

    // The error stays in the status bar until the next message: no time-out, and hovering menu
    // entries and tool bar buttons, none of which has a status tip, does not wipe it.
    QTest::qWait(50);
    QCOMPARE(widgets.status->currentMessage(), message);
    for (QAction* action : window.findChild<QMenu*>(QStringLiteral("file_menu"))->actions())
    {
        action->showStatusText(window.menuBar());
    }
    for (QAction* action : window.findChild<QToolBar*>(QStringLiteral("tool_bar"))->actions())
    {
        action->showStatusText(window.findChild<QToolBar*>(QStringLiteral("tool_bar")));
    }
    window.open_answers.clear();
    widgets.open_action->trigger();
    QCOMPARE(widgets.status->currentMessage(), message);
}

void TMainWindowFilesTest::Variable_Pane_Pads_Names()
{
    QByteArray content = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZIDParameterSettings>\n"
                         "  <A><Value>1</Value></A>\n  <BCD><Value>2.5</Value></BCD>\n"
                         "  <TEXTONLY><Value>not a number</Value></TEXTONLY>\n</ZIDParameterSettings>\n";
    content.append(QByteArray(200, ' '));
    const QString path = Write_Fixture(QStringLiteral("variables.xml"), content);

    TTestWindow window;
    window.open_answers << path;
    Widgets(window).open_action->trigger();

    TVariablesPane* variables = Widgets(window).variables;
    QCOMPARE(variables->Text(), QStringLiteral("Variable List...\nA    = 1.000000\nBCD  = 2.500000"));
    QCOMPARE(variables->verticalScrollBar()->value(), 0);
    QCOMPARE(variables->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!variables->wordWrap() && !variables->isWrapping());
}

void TMainWindowFilesTest::Search_Filters_Keys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("names"); // "Names and descriptions" ticked
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("lower case finds every case")
        << "ax" << false
        << QStringList({QStringLiteral("AX_LIMIT"), QStringLiteral("MAXSPEED"), QStringLiteral("SpAx_Gain")});
    QTest::newRow("upper case finds every case")
        << "AX" << false
        << QStringList({QStringLiteral("AX_LIMIT"), QStringLiteral("MAXSPEED"), QStringLiteral("SpAx_Gain")});
    QTest::newRow("no match") << "zz" << false << QStringList();
    QTest::newRow("one key") << "taps" << false << QStringList({QStringLiteral("DEA_TAPS")});
    // A whole number lists the parameter of exactly that number, never one whose number only holds it.
    QTest::newRow("number") << "94" << false << QStringList({QStringLiteral("DEA_TAPS")});
    QTest::newRow("number of one digit") << "7" << false << QStringList({QStringLiteral("AX_LIMIT")});
    QTest::newRow("number as the title writes it")
        << "007" << false << QStringList({QStringLiteral("AX_LIMIT")});
    QTest::newRow("four-digit number") << "1234" << false << QStringList({QStringLiteral("WIDE_NUM")});
    QTest::newRow("part of a number") << "12" << false << QStringList();
    QTest::newRow("signed number is a key text") << "+94" << false << QStringList();
    // Names and descriptions are searched only when ticked.
    QTest::newRow("name, not ticked") << "probe decel" << false << QStringList();
    QTest::newRow("name") << "Probe Decel" << true << QStringList({QStringLiteral("TTP_DECL")});
    QTest::newRow("description") << "ROTARY TABLE" << true << QStringList({QStringLiteral("CMMCONFG")});
    QTest::newRow("number with names ticked") << "98" << true << QStringList({QStringLiteral("TTP_DECL")});
    QTest::newRow("name and description") << "filter" << true << QStringList({QStringLiteral("DEA_TAPS")});
}

void TMainWindowFilesTest::Search_Filters_Keys()
{
    QFETCH(QString, text);
    QFETCH(bool, names);
    QFETCH(QStringList, expected);

    TTestWindow window;
    TWidgets widgets = Widgets(window);
    QCheckBox* names_check = window.findChild<QCheckBox*>(QStringLiteral("search_names_check"));
    QVERIFY(names_check);
    QVERIFY(!names_check->isChecked());
    window.open_answers << Write_Fixture(QStringLiteral("search.asc"), Constants_File());
    widgets.open_action->trigger();
    const QString variables = widgets.variables->Text();

    QTest::keyClicks(widgets.search, text);
    if (names)
    {
        names_check->click();
    }
    QCOMPARE(List_Texts(widgets.list), expected);
    QCOMPARE(widgets.variables->Text(), variables);

    // Clearing the field by hand lists every key again.
    widgets.search->selectAll();
    QTest::keyClick(widgets.search, Qt::Key_Backspace);
    QCOMPARE(List_Texts(widgets.list), Constants_Keys());
}

void TMainWindowFilesTest::Search_Keeps_Selection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("kept");

    QTest::newRow("text still matching the shown key") << "limit" << true;
    QTest::newRow("text matching it and others") << "ax" << true;
    QTest::newRow("text excluding the shown key") << "taps" << false;
}

void TMainWindowFilesTest::Search_Keeps_Selection()
{
    QFETCH(QString, text);
    QFETCH(bool, kept);

    TTestWindow window;
    TWidgets widgets = Widgets(window);
    window.open_answers << Write_Fixture(QStringLiteral("select.asc"), Constants_File());
    widgets.open_action->trigger();
    QVERIFY(Select_Key(widgets.list, QStringLiteral("AX_LIMIT")));
    const QString title = widgets.title->text();
    QVERIFY(!title.isEmpty());

    QTest::keyClicks(widgets.search, text);

    const QStringList selected = Selected_Keys(widgets.list);
    if (kept)
    {
        QCOMPARE(selected, QStringList{QStringLiteral("AX_LIMIT")});
        QCOMPARE(widgets.title->text(), title);
        QCOMPARE(widgets.stack->currentWidget()->objectName(), QStringLiteral("values_widget"));
    }
    else
    {
        QVERIFY(selected.isEmpty());
        QVERIFY(widgets.title->text().isEmpty());
        QCOMPARE(widgets.stack->currentWidget()->objectName(), QStringLiteral("empty_page"));

        // Nothing is on show now, so widening the search again selects nothing.
        widgets.search->selectAll();
        QTest::keyClick(widgets.search, Qt::Key_Backspace);
        QVERIFY(Selected_Keys(widgets.list).isEmpty());
    }
}

void TMainWindowFilesTest::Find_Selects_Search_Text()
{
    TTestWindow window;
    TWidgets widgets = Widgets(window);
    window.open_answers << Write_Fixture(QStringLiteral("find.asc"), Constants_File());
    widgets.open_action->trigger();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClicks(widgets.search, QStringLiteral("ax"));
    widgets.list->setFocus();
    QVERIFY(Select_Key(widgets.list, QStringLiteral("AX_LIMIT")));

    // The find keys reach the search from the list: its text is selected, so typing replaces it.
    QTest::keyClick(widgets.list, Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(widgets.search->hasFocus());
    QCOMPARE(widgets.search->selectedText(), QStringLiteral("ax"));
    QTest::keyClicks(widgets.search, QStringLiteral("taps"));
    QCOMPARE(List_Texts(widgets.list), QStringList{QStringLiteral("DEA_TAPS")});
}

void TMainWindowFilesTest::New_Answered_No_Keeps_Everything()
{
    TTestWindow window;
    TWidgets widgets = Widgets(window);
    window.open_answers << Write_Fixture(QStringLiteral("keep.asc"), Constants_File());
    widgets.open_action->trigger();
    widgets.search->setText(QStringLiteral("a"));
    const QString variables = widgets.variables->Text();

    TMessageBox::Queue_Answer(QMessageBox::No);
    QVERIFY(widgets.new_action->isEnabled());
    widgets.new_action->trigger();
    QCOMPARE(TMessageBox::Pending_Answers(), 0);

    TMessageBox* box =
        window.findChild<TMessageBox*>(QStringLiteral("message_box"), Qt::FindDirectChildrenOnly);
    QVERIFY(box->text().contains(QStringLiteral(">Warning<")));
    QVERIFY(box->informativeText().contains(QStringLiteral(">Clear loaded parameter file?<")));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));

    QCOMPARE(widgets.list->Count(), Constants_Keys().size());
    QCOMPARE(widgets.variables->Text(), variables);
    QCOMPARE(widgets.search->text(), QStringLiteral("a"));
    QVERIFY(widgets.new_action->isEnabled());
    QCOMPARE(TVantrelTestAccess::Parameters(window).Parameter_Count(), Constants_Keys().size());
}

void TMainWindowFilesTest::New_Answered_Yes_Clears_Everything()
{
    TTestWindow window;
    TWidgets widgets = Widgets(window);
    const QString path = Write_Fixture(QStringLiteral("clear.asc"), Constants_File());
    window.open_answers << path;
    widgets.open_action->trigger();
    QVERIFY(Select_Key(widgets.list, QStringLiteral("TTP_DECL")));
    widgets.search->setText(QStringLiteral("a"));
    widgets.rules->setPlainText(QStringLiteral("report"));

    TMessageBox::Queue_Answer(QMessageBox::Yes);
    widgets.new_action->trigger();

    QCOMPARE(widgets.list->Count(), 0);
    QVERIFY(widgets.variables->Text().isEmpty());
    QVERIFY(widgets.rules->toPlainText().isEmpty());
    QVERIFY(widgets.search->text().isEmpty());
    QVERIFY(widgets.title->text().isEmpty());
    QCOMPARE(widgets.stack->currentWidget()->objectName(), QStringLiteral("empty_page"));
    QVERIFY(!widgets.new_action->isEnabled());
    QVERIFY(!widgets.export_action->isEnabled());
    QCOMPARE(TVantrelTestAccess::Parameters(window).Parameter_Count(), 0);
}

void TMainWindowFilesTest::Drag_Enter_data()
{
    QTest::addColumn<bool>("with_urls");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("uri list") << true << true;
    QTest::newRow("plain text only") << false << false;
}

void TMainWindowFilesTest::Drag_Enter()
{
    QFETCH(bool, with_urls);
    QFETCH(bool, accepted);

    TTestWindow window;
    QMimeData data;
    if (with_urls)
    {
        data.setUrls({QUrl::fromLocalFile(d_files.filePath(QStringLiteral("x.asc")))});
    }
    else
    {
        data.setText(QStringLiteral("/tmp/x.asc"));
    }

    QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.ignore();
    QCoreApplication::sendEvent(&window, &event);
    QCOMPARE(event.isAccepted(), accepted);
}

void TMainWindowFilesTest::Drop_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");

    QTest::newRow("one constants file") << "constants" << true;
    QTest::newRow("one settings file") << "settings" << true;
    QTest::newRow("two files") << "two files" << false;
    QTest::newRow("web link") << "web link" << false;
    QTest::newRow("text without urls") << "text" << false;
    QTest::newRow("directory fails as a load") << "directory" << true;
}

void TMainWindowFilesTest::Drop()
{
    QFETCH(QString, kind);
    QFETCH(bool, opens);

    const QString loaded = Write_Fixture(QStringLiteral("loaded.asc"), Constants_File());
    const QString constants = Write_Fixture(QStringLiteral("dropped.asc"), Constants_File());
    const QString settings = Write_Fixture(QStringLiteral("dropped.xml"), Settings_File_Content());
    const QString directory = d_files.filePath(QStringLiteral("a directory"));
    QVERIFY(QDir().mkpath(directory));

    TTestWindow window;
    TWidgets widgets = Widgets(window);
    window.open_answers << loaded;
    widgets.open_action->trigger();
    QVERIFY(Select_Key(widgets.list, QStringLiteral("DEA_TAPS")));
    const QString title = widgets.title->text();

    QMimeData data;
    QString dropped;
    if (kind == QLatin1String("constants"))
    {
        dropped = constants;
        data.setUrls({QUrl::fromLocalFile(constants)});
    }
    else if (kind == QLatin1String("settings"))
    {
        dropped = settings;
        data.setUrls({QUrl::fromLocalFile(settings)});
    }
    else if (kind == QLatin1String("two files"))
    {
        data.setUrls({QUrl::fromLocalFile(constants), QUrl::fromLocalFile(settings)});
    }
    else if (kind == QLatin1String("web link"))
    {
        data.setUrls({QUrl(QStringLiteral("https://example.org/machine.asc"))});
    }
    else if (kind == QLatin1String("text"))
    {
        data.setText(constants);
    }
    else
    {
        dropped = directory;
        data.setUrls({QUrl::fromLocalFile(directory)});
    }

    if (kind == QLatin1String("directory"))
    {
        TMessageBox::Queue_Answer(QMessageBox::Ok);
    }
    // As from a file manager: the drag enters the window, then the data is dropped.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);

    const QString message = widgets.status->currentMessage();
    if (!opens)
    {
        QCOMPARE(message, QDir::toNativeSeparators(loaded));
        QCOMPARE(List_Texts(widgets.list), Constants_Keys());
        QCOMPARE(widgets.title->text(), title);
        QCOMPARE(Selected_Keys(widgets.list).size(), 1);
    }
    else if (kind == QLatin1String("directory"))
    {
        QVERIFY2(message.startsWith(QStringLiteral("ERR:  ")), qPrintable(message));
        QCOMPARE(TMessageBox::Pending_Answers(), 0);
        QCOMPARE(List_Texts(widgets.list), Constants_Keys());
        QCOMPARE(widgets.title->text(), title);
    }
    else
    {
        QCOMPARE(message, QDir::toNativeSeparators(dropped));
        QVERIFY(widgets.list->Count() > 0);
        QVERIFY(Selected_Keys(widgets.list).isEmpty());
        QVERIFY(widgets.title->text().isEmpty());
        QVERIFY(widgets.export_action->isEnabled());
    }
}

void TMainWindowFilesTest::Recent_Files_data()
{
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("newest first, a file opened again moves to the front")
        << QStringList({"a.asc", "b.asc", "a.asc"}) << QStringList({"a.asc", "b.asc"});
    QTest::newRow("failed open is not kept")
        << QStringList({"a.asc", "broken.asc"}) << QStringList({"a.asc"});
    QStringList ten;
    for (int index = 0; index < 10; ++index)
    {
        ten << QStringLiteral("file%1.asc").arg(index);
    }
    QTest::newRow("at most eight") << ten
                                   << QStringList({"file9.asc", "file8.asc", "file7.asc", "file6.asc",
                                                   "file5.asc", "file4.asc", "file3.asc", "file2.asc"});
}

void TMainWindowFilesTest::Recent_Files()
{
    QFETCH(QStringList, opened);
    QFETCH(QStringList, expected);

    QStringList expected_paths;
    for (const QString& name : expected)
    {
        expected_paths << d_files.filePath(name);
    }
    {
        TTestWindow window;
        for (const QString& name : opened)
        {
            const bool broken = name.startsWith(QLatin1String("broken"));
            window.open_answers << Write_Fixture(name, broken ? QByteArray(300, 'x') : Constants_File());
            if (broken)
            {
                TMessageBox::Queue_Answer(QMessageBox::Ok);
            }
            Widgets(window).open_action->trigger();
        }
        QCOMPARE(Recent_Entries(window), expected_paths);
        window.close();
    }

    QSettings settings(Settings_File(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Recent_Files")).toStringList(), expected_paths);
    TTestWindow next;
    QCOMPARE(Recent_Entries(next), expected_paths);
}

void TMainWindowFilesTest::Recent_File_Chosen_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QString>("message");

    QTest::newRow("existing file opens and moves to the front")
        << "recent_file_1" << QStringList({"settings.xml", "machine.asc"}) << "settings.xml";
    QTest::newRow("vanished file is dropped with a message")
        << "recent_file_0" << QStringList({"settings.xml"}) << "no longer exists";
    QTest::newRow("clear recent empties the list") << "clear_recent_action" << QStringList() << "";
}

void TMainWindowFilesTest::Recent_File_Chosen()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, remaining);
    QFETCH(QString, message);

    const QString machine = Write_Fixture(QStringLiteral("machine.asc"), Constants_File());
    const QString settings = Write_Fixture(QStringLiteral("settings.xml"), Settings_File_Content());
    TTestWindow window;
    TWidgets widgets = Widgets(window);
    window.open_answers << settings << machine;
    widgets.open_action->trigger();
    widgets.open_action->trigger();
    QVERIFY(QFile::remove(machine));
    widgets.status->clearMessage();

    QAction* action = window.findChild<QAction*>(choice);
    QVERIFY(action && action->isEnabled());
    action->trigger();

    QStringList remaining_paths;
    for (const QString& name : remaining)
    {
        remaining_paths << d_files.filePath(name);
    }
    QCOMPARE(Recent_Entries(window), remaining_paths);
    QVERIFY2(widgets.status->currentMessage().contains(message),
             qPrintable(widgets.status->currentMessage()));
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("clear_recent_action"))->isEnabled(),
             !remaining.isEmpty());
    // Choosing a vanished file is not an open: the loaded list stays.
    QVERIFY(widgets.list->Count() > 0);
}

namespace
{
void Edit_Taps(TVantrel& window, const QString& text)
{
    QVERIFY(Select_Key(Parameter_List(&window), QStringLiteral("DEA_TAPS")));
    QLineEdit* field = window.findChild<QLineEdit*>(QStringLiteral("value_edit_0"));
    field->setText(text);
    emit field->editingFinished();
}

qint32 Taps_In(const QString& path)
{
    TParameters read;
    return read.Load_Parameter_File(path)
               ? read.Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values.value(0)
               : -1;
}
} // namespace

void TMainWindowFilesTest::Modified_Mark_Follows_History()
{
    const QString path = Write_Fixture(QStringLiteral("machine.asc"), Constants_File());
    TTestWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Vantrel Version 1.0"));
    window.open_answers << path;
    Widgets(window).open_action->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("machine.asc[*] - Vantrel Version 1.0"));
    QAction* save = window.findChild<QAction*>(QStringLiteral("save_action"));
    QAction* undo = window.findChild<QAction*>(QStringLiteral("undo_action"));
    QAction* redo = window.findChild<QAction*>(QStringLiteral("redo_action"));
    QVERIFY(!window.isWindowModified() && !save->isEnabled());
    QVERIFY(window.findChild<QAction*>(QStringLiteral("save_as_action"))->isEnabled());

    Edit_Taps(window, QStringLiteral("12"));
    QVERIFY(window.isWindowModified() && save->isEnabled());
    undo->trigger();
    QVERIFY(!window.isWindowModified() && !save->isEnabled());
    redo->trigger();
    QVERIFY(window.isWindowModified());

    save->trigger();
    QVERIFY(!window.isWindowModified() && !save->isEnabled());
    QCOMPARE(Taps_In(path), 12);
    QCOMPARE(
        Widgets(window).status->currentMessage(),
        QStringLiteral("Saved %1; the file as it was is kept as %1.bak").arg(QDir::toNativeSeparators(path)));
    // The change marks still count from the values the file was opened with.
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("changed_count_label"))->text(),
             QStringLiteral("1 changed"));
    // Undone past the save, the values differ from the file again.
    undo->trigger();
    QVERIFY(window.isWindowModified());
}

void TMainWindowFilesTest::Unsaved_Edits_Question_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");

    for (const char* command : {"close", "new", "open", "drop", "recent"})
    {
        QTest::addRow("%s, save", command) << command << int(QMessageBox::Save);
        QTest::addRow("%s, discard", command) << command << int(QMessageBox::Discard);
        QTest::addRow("%s, cancel", command) << command << int(QMessageBox::Cancel);
    }
}

void TMainWindowFilesTest::Unsaved_Edits_Question()
{
    QFETCH(QString, command);
    QFETCH(int, answer);

    const QString other = Write_Fixture(QStringLiteral("other.xml"), Settings_File_Content());
    const QString machine = Write_Fixture(QStringLiteral("machine.asc"), Constants_File());
    TTestWindow window;
    TWidgets widgets = Widgets(window);
    window.open_answers << other << machine;
    widgets.open_action->trigger();
    widgets.open_action->trigger();
    Edit_Taps(window, QStringLiteral("12"));

    TMessageBox::Queue_Answer(static_cast<QMessageBox::StandardButton>(answer));
    bool closed = false;
    QMimeData data;
    if (command == QLatin1String("close"))
    {
        closed = window.close();
    }
    else if (command == QLatin1String("new"))
    {
        widgets.new_action->trigger();
    }
    else if (command == QLatin1String("open"))
    {
        window.open_answers << other;
        widgets.open_action->trigger();
    }
    else if (command == QLatin1String("drop"))
    {
        data.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    else
    {
        window.findChild<QAction*>(QStringLiteral("recent_file_1"))->trigger();
    }
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    TMessageBox* box =
        window.findChild<TMessageBox*>(QStringLiteral("message_box"), Qt::FindDirectChildrenOnly);
    QVERIFY(box->text().contains(QStringLiteral("Save changes to machine.asc?")));

    QCOMPARE(Taps_In(machine), answer == QMessageBox::Save ? 12 : 8);
    if (answer == QMessageBox::Cancel)
    {
        // Nothing changed: the same file, its edit, its history and its mark.
        QVERIFY(!closed);
        QCOMPARE(window.windowTitle(), QStringLiteral("machine.asc[*] - Vantrel Version 1.0"));
        QVERIFY(window.isWindowModified());
        QCOMPARE(
            TVantrelTestAccess::Parameters(window).Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values,
            QVector<qint32>{12});
        QVERIFY(window.findChild<QAction*>(QStringLiteral("undo_action"))->isEnabled());
        return;
    }
    if (command == QLatin1String("close"))
    {
        QVERIFY(closed);
        return;
    }
    QVERIFY(!window.isWindowModified());
    if (command == QLatin1String("new"))
    {
        QCOMPARE(widgets.list->Count(), 0);
        QCOMPARE(window.windowTitle(), QStringLiteral("Vantrel Version 1.0"));
    }
    else
    {
        QCOMPARE(window.windowTitle(), QStringLiteral("other.xml[*] - Vantrel Version 1.0"));
    }
}

void TMainWindowFilesTest::Load_Warnings_Shown()
{
    // A second entry of a key: the first is kept, the second is reported.
    QByteArray content = Constants_File();
    content.append("\n#95 DEA filter taps     : Longint                               DEA_TAPS\n  9\n");
    const QString doubled = Write_Fixture(QStringLiteral("doubled.asc"), content);
    const QString clean = Write_Fixture(QStringLiteral("clean.asc"), Constants_File());

    TTestWindow window;
    TWidgets widgets = Widgets(window);
    QAction* show = window.findChild<QAction*>(QStringLiteral("load_warnings_action"));
    QVERIFY(!show->isEnabled());
    window.open_answers << doubled << clean;
    widgets.open_action->trigger();
    const QStringList warnings = TVantrelTestAccess::Parameters(window).Load_Warnings();
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(widgets.status->currentMessage(),
             QStringLiteral("%1 loaded with 1 warning").arg(QDir::toNativeSeparators(doubled)));
    QVERIFY(show->isEnabled());
    show->trigger();
    TLoadWarningsDialog* dialog =
        window.findChild<TLoadWarningsDialog*>(QStringLiteral("load_warnings_dialog"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->Text(), warnings.first());
    QVERIFY2(warnings.first().contains(QStringLiteral("DEA_TAPS")), qPrintable(warnings.first()));

    // A file that reads whole has nothing to show: the command is off and the dialog gone.
    widgets.open_action->trigger();
    QCOMPARE(widgets.status->currentMessage(), QDir::toNativeSeparators(clean));
    QVERIFY(!show->isEnabled());
    QVERIFY(!dialog->isVisible());
}

void TMainWindowFilesTest::Unsaved_Edits_Recovered_data()
{
    QTest::addColumn<QString>("end");     // how the first session ends: "crash", "save", "discard"
    QTest::addColumn<bool>("changed");    // another program wrote the file before the next start
    QTest::addColumn<int>("answer");      // to the offer; NoButton: no offer is made
    QTest::addColumn<qint32>("restored"); // DEA_TAPS in the next session's window; 0: nothing loaded

    QTest::newRow("crash, restored") << "crash" << false << int(QMessageBox::Yes) << 12;
    QTest::newRow("crash, declined") << "crash" << false << int(QMessageBox::No) << 0;
    QTest::newRow("crash, file changed since: kept aside")
        << "crash" << true << int(QMessageBox::NoButton) << 0;
    QTest::newRow("saved: nothing to recover") << "save" << false << int(QMessageBox::NoButton) << 0;
    QTest::newRow("discarded at close: nothing to recover")
        << "discard" << false << int(QMessageBox::NoButton) << 0;
}

void TMainWindowFilesTest::Unsaved_Edits_Recovered()
{
    QFETCH(QString, end);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(qint32, restored);

    const QString machine = Write_Fixture(QStringLiteral("machine.asc"), Constants_File());
    const QDir recovery(Vantrel_Directory() + QStringLiteral("/recovery"));
    {
        auto first = std::make_unique<TTestWindow>();
        first->open_answers << machine;
        Widgets(*first).open_action->trigger();
        Edit_Taps(*first, QStringLiteral("12"));
        QCOMPARE(recovery.entryList({QStringLiteral("*.journal")}, QDir::Files).size(), 1);
        if (end == QLatin1String("save"))
        {
            first->findChild<QAction*>(QStringLiteral("save_action"))->trigger();
        }
        else if (end == QLatin1String("discard"))
        {
            TMessageBox::Queue_Answer(QMessageBox::Discard);
            QVERIFY(first->close());
        }
        // A crash: the window goes without a close.
    }
    if (changed)
    {
        QVERIFY(Write_File(machine, Constants_File().replace("  8\n", "  9\n")));
    }
    const qint32 on_disk = Taps_In(machine);

    TTestWindow next;
    if (answer != QMessageBox::NoButton)
    {
        TMessageBox::Queue_Answer(static_cast<QMessageBox::StandardButton>(answer));
    }
    next.Offer_Recovery();
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    TParameters& parameters = TVantrelTestAccess::Parameters(next);
    if (restored == 0)
    {
        QCOMPARE(parameters.Parameter_Count(), 0);
        QCOMPARE(recovery.entryList({QStringLiteral("*.journal")}, QDir::Files).size(), 0);
        QCOMPARE(recovery.entryList({QStringLiteral("*.kept")}, QDir::Files).size(), changed ? 1 : 0);
        QCOMPARE(Taps_In(machine), on_disk);
        return;
    }
    // Restored as one step on the file as it was read: Undo takes it back to the file's values.
    QCOMPARE(parameters.Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values, QVector<qint32>{restored});
    QVERIFY(next.isWindowModified());
    QAction* undo = next.findChild<QAction*>(QStringLiteral("undo_action"));
    QCOMPARE(undo->text(), QStringLiteral("Undo restored edits"));
    undo->trigger();
    QCOMPARE(parameters.Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values, QVector<qint32>{8});
    QVERIFY(!next.isWindowModified());
    QCOMPARE(recovery.entryList({QStringLiteral("*.journal")}, QDir::Files).size(), 0);
}

QTEST_MAIN(TMainWindowFilesTest)
#include "tst_mainwindow_files.moc"
