#include "helpmenu.h"
#include "shortcutsdialog.h"
#include "translations.h"
#include "vantrelversion.h"
#include "variablespane.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>
#include <cstdio>
#include <memory>

using namespace Testing;

namespace
{
// What a user sees first of the window's language: the menu titles, one command, the About box's
// title, a value (MAXSPEED of the constants file), whose number is the same in every language, and
// the load warning the reader words for the file.
QStringList Window_Texts()
{
    // A second entry of a key gives the reader a load warning to word.
    QByteArray content = Constants_File();
    content.append("\n#95 DEA filter taps     : Longint                               DEA_TAPS\n  9\n");
    const QString path = QDir::home().filePath(QStringLiteral("constants.asc"));
    if (!Write_File(path, content))
    {
        return {QStringLiteral("constants.asc not written")};
    }
    TTestWindow window;
    window.open_answers << path;
    window.findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    QStringList texts;
    for (const QAction* menu_action : window.menuBar()->actions())
    {
        texts << menu_action->text();
    }
    texts << window.findChild<QAction*>(QStringLiteral("user_guide_action"))->text();
    const auto answered = Answer_Next_Dialog(
        [&texts](QDialog* dialog)
        {
            texts << dialog->windowTitle();
            dialog->reject();
        },
        QStringLiteral("about_dialog"));
    window.findChild<QAction*>(QStringLiteral("about_action"))->trigger();
    if (!*answered)
    {
        texts << QStringLiteral("no About box");
    }
    Select_Key(Parameter_List(&window), QStringLiteral("MAXSPEED"));
    const QLineEdit* value = window.findChild<QWidget*>(QStringLiteral("values_widget"))
                                 ->findChild<QLineEdit*>(QStringLiteral("value_edit_0"));
    texts << (value ? value->text() : QStringLiteral("no value field"));
    texts << TVantrelTestAccess::Parameters(window).Load_Warnings().value(0);
    return texts;
}

// The controls under top, shown or not, that a screen reader would announce by their class alone: a
// button or label is announced by its text, every other control (a field, list, table, combo box or
// anything else the keyboard reaches) needs an accessible name. Qt names its own parts: a scroll bar,
// the dock's title buttons, a table's headers (its column names), a combo box's list.
void Add_Unnamed_Controls(const QWidget* top, QStringList* unnamed)
{
    for (const QWidget* widget : top->findChildren<QWidget*>())
    {
        if (widget->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QMenu*>(widget) ||
            qobject_cast<const QHeaderView*>(widget) || widget->inherits("QTableCornerButton") ||
            widget->inherits("QComboBoxListView"))
        {
            continue;
        }
        const bool interactive =
            widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(widget) ||
            qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
            qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
            qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
            qobject_cast<const QSlider*>(widget) || qobject_cast<const QTabBar*>(widget);
        if (!interactive || !widget->accessibleName().trimmed().isEmpty())
        {
            continue;
        }
        QString text;
        if (const QAbstractButton* button = qobject_cast<const QAbstractButton*>(widget))
        {
            text = button->text();
        }
        else if (const QLabel* label = qobject_cast<const QLabel*>(widget))
        {
            text = label->text();
        }
        if (text.remove(QLatin1Char('&')).trimmed().isEmpty())
        {
            const QString name = QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()),
                                                             widget->objectName());
            if (!unnamed->contains(name))
            {
                *unnamed << name;
            }
        }
    }
}

void Remove_Translations()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>())
    {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
} // namespace

// Start-up, window geometry and what the window leaves in the settings file when it closes.
class TMainWindowStartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void First_Start_Creates_User_Directory();
    void Start_Up_State();
    void Actions_data();
    void Actions();
    void Tool_Tips_And_Titles_data();
    void Tool_Tips_And_Titles();
    void Geometry_data();
    void Geometry();
    void Splitter_Sizes_Restored();
    void Close_Writes_Window_State();
    void Close_Without_Export_Keeps_Export_Keys();
    void Default_Rule_Group_data();
    void Default_Rule_Group();
    void Failed_Rule_Save_Is_Reported();
    void Unchanged_Rules_Close_Silently();
    void Shortcuts_Dialog_Lists_Every_Shortcut();
    void About_Names_Version_And_Folder();
    void User_Guide_data();
    void User_Guide();
    void Every_Control_Is_Named_For_A_Screen_Reader_data();
    void Every_Control_Is_Named_For_A_Screen_Reader();
    void Window_Language_data();
    void Window_Language();
    void Window_Language_Of_Environment_data();
    void Window_Language_Of_Environment();

private:
    QTemporaryDir d_files;
};

void TMainWindowStartupTest::init()
{
    Fresh_Home();
}

void TMainWindowStartupTest::First_Start_Creates_User_Directory()
{
    QVERIFY(!QFileInfo::exists(Vantrel_Directory()));
    TTestWindow window;
    QVERIFY(QFileInfo(Vantrel_Directory()).isDir());

    window.close();
    QVERIFY(QFileInfo::exists(Settings_File()));
}

void TMainWindowStartupTest::Start_Up_State()
{
    TTestWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Vantrel Version 1.0"));
    QVERIFY(window.acceptDrops());

    QStackedWidget* stack = window.findChild<QStackedWidget*>(QStringLiteral("editor_stack"));
    QVERIFY(stack);
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("empty_page"));
    QCOMPARE(stack->widget(1)->objectName(), QStringLiteral("values_widget"));
    QCOMPARE(stack->widget(2)->objectName(), QStringLiteral("bitfield_widget"));

    QDockWidget* dock = window.findChild<QDockWidget*>(QStringLiteral("rules_dock"));
    QVERIFY(dock);
    QCOMPARE(window.dockWidgetArea(dock), Qt::LeftDockWidgetArea);
    QVERIFY(!(dock->features() & QDockWidget::DockWidgetClosable));
    QVERIFY(dock->features() & QDockWidget::DockWidgetMovable);
    QVERIFY(dock->features() & QDockWidget::DockWidgetFloatable);
    QCOMPARE(dock->allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    // No rules file yet: an empty selector, and nothing in either text pane.
    QComboBox* combo = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    QVERIFY(combo);
    QCOMPARE(combo->count(), 0);
    QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("rules_text"))->toPlainText().isEmpty());
    QVERIFY(window.findChild<TVariablesPane*>(QStringLiteral("variables_text"))->Text().isEmpty());
    QCOMPARE(Parameter_List(&window)->Count(), 0);

    QToolBar* tool_bar = window.findChild<QToolBar*>(QStringLiteral("tool_bar"));
    QVERIFY(tool_bar);
    QStringList tool_bar_entries;
    for (QAction* action : tool_bar->actions())
    {
        tool_bar_entries << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    }
    QCOMPARE(tool_bar_entries, QStringList({QStringLiteral("new_action"), QStringLiteral("open_action"),
                                            QStringLiteral("save_action"), QStringLiteral("export_action"),
                                            QStringLiteral("quit_action"), QStringLiteral("|")}));
}

void TMainWindowStartupTest::Actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("tool_tip");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("menu");

    QTest::newRow("new, off until a file is loaded") << "new_action"
                                                     << "New"
                                                     << "Ctrl+N"
                                                     << "Clear parameter list." << false << "file_menu";
    QTest::newRow("open") << "open_action"
                          << "Open"
                          << "Ctrl+O"
                          << "Open parameter file." << true << "file_menu";
    QTest::newRow("save, off until there are edits")
        << "save_action"
        << "&Save"
        << "Ctrl+S"
        << "Write the changed values back into the parameter file" << false << "file_menu";
    QTest::newRow("save as, off until a file is loaded")
        << "save_as_action"
        << "Save &As\u2026"
        << "Ctrl+Shift+S"
        << "Write the parameter file with its changed values to another file" << false << "file_menu";
    QTest::newRow("export, off until a file is loaded") << "export_action"
                                                        << "Export Changes"
                                                        << "Ctrl+E"
                                                        << "Export changes" << false << "file_menu";
    QTest::newRow("execute rules") << "execute_action"
                                   << "Execute Rules"
                                   << "Ctrl+R"
                                   << "Execute rules" << true << "file_menu";
    QTest::newRow("quit") << "quit_action"
                          << "Quit"
                          << "Ctrl+Q"
                          << "Close vantrel utility." << true << "file_menu";
    QTest::newRow("edit rules, no shortcut") << "edit_rules_action"
                                             << "Edit Rules"
                                             << ""
                                             << "Edit rules" << true << "edit_menu";
    QTest::newRow("save report, off until a run")
        << "save_report_action"
        << "Save Report\u2026"
        << ""
        << "Save the last run as PDF, HTML or text" << false << "file_menu";
    QTest::newRow("import rules") << "import_rules_action"
                                  << "Import Rules\u2026"
                                  << ""
                                  << "Add the rule groups of a rules file" << true << "edit_menu";
    QTest::newRow("export rule group")
        << "export_rule_group_action"
        << "Export Rule Group\u2026"
        << ""
        << "Write the selected rule group alone as a rules file" << true << "edit_menu";
    QTest::newRow("find parameter") << "find_action"
                                    << "Find Parameter"
                                    << "Ctrl+F"
                                    << "Put the cursor in the search field" << true << "edit_menu";
}

void TMainWindowStartupTest::Actions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, tool_tip);
    QFETCH(bool, enabled);
    QFETCH(QString, menu);

    TTestWindow window;
    QAction* action = window.findChild<QAction*>(name);
    QVERIFY(action);
    QVERIFY(window.findChild<QMenu*>(menu)->actions().contains(action));
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->toolTip(), tool_tip);
    QCOMPARE(action->isEnabled(), enabled);
    QVERIFY(!action->icon().isNull());
}

void TMainWindowStartupTest::Tool_Tips_And_Titles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tool_tip");
    QTest::addColumn<QString>("title");

    QTest::newRow("create group button") << "add_group_button"
                                         << "Create rule group" << QString();
    QTest::newRow("remove group button") << "remove_group_button"
                                         << "Remove rule group" << QString();
    QTest::newRow("edit rules button") << "edit_rules_button"
                                       << "Edit rules" << QString();
    QTest::newRow("execute button") << "execute_button"
                                    << "Execute rules" << QString();
    QTest::newRow("save report button, the action's")
        << "save_report_button"
        << "Save the last run as PDF, HTML or text" << QString();
    // Titles label the tool bar and the dock in the tool area's context menu and on the dock's handle.
    QTest::newRow("tool bar") << "tool_bar" << QString() << "Tool Bar";
    QTest::newRow("rules dock") << "rules_dock" << QString() << "Rules";
}

void TMainWindowStartupTest::Tool_Tips_And_Titles()
{
    QFETCH(QString, name);
    QFETCH(QString, tool_tip);
    QFETCH(QString, title);

    TTestWindow window;
    QWidget* widget = window.findChild<QWidget*>(name);
    QVERIFY(widget);
    if (!tool_tip.isNull())
    {
        QCOMPARE(widget->toolTip(), tool_tip);
    }
    if (!title.isNull())
    {
        QCOMPARE(widget->windowTitle(), title);
    }
    // The dock's handle is a title bar the user can see and grab.
    QDockWidget* dock = window.findChild<QDockWidget*>(QStringLiteral("rules_dock"));
    QVERIFY(!dock->titleBarWidget());
}

void TMainWindowStartupTest::Geometry_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The default, wholly on the screen: no wider or taller than it, moved in where it would stick out.
    QRect fallback(QPoint(30, 30), QSize(1008, 519).boundedTo(screen.size()));
    fallback.moveRight(qMin(fallback.right(), screen.right()));
    fallback.moveBottom(qMin(fallback.bottom(), screen.bottom()));

    QTest::newRow("first start: default") << false << QPoint() << QSize() << fallback;
    // The sizes stay above the smallest the window can be laid out in, even on the small offscreen screen.
    const QSize stored_size = screen.size() - QSize(20, 40);
    QTest::newRow("stored geometry inside the screen")
        << true << screen.topLeft() + QPoint(10, 20) << stored_size
        << QRect(screen.topLeft() + QPoint(10, 20), stored_size);
    QTest::newRow("stored size larger than the screen is clipped")
        << true << QPoint(0, 0) << QSize(5000, 4000) << screen;
    QTest::newRow("partly off screen moves wholly onto it")
        << true << QPoint(screen.right() - 99, screen.top() + 10) << stored_size
        << QRect(QPoint(screen.right() + 1 - stored_size.width(), screen.top() + 10), stored_size);
    QTest::newRow("corner of the screen: the visible part is below the smallest size")
        << true << screen.bottomRight() - QPoint(99, 99) << stored_size
        << QRect(screen.bottomRight() + QPoint(1, 1) - QPoint(stored_size.width(), stored_size.height()),
                 stored_size);
    // An empty expected size stands for the smallest size the window's layout allows.
    QTest::newRow("stored size below the smallest size")
        << true << screen.topLeft() + QPoint(10, 10) << QSize(100, 80)
        << QRect(screen.topLeft() + QPoint(10, 10), QSize());
    // A null expected rectangle: only wholly on the screen, at the smallest size.
    QTest::newRow("strip at the bottom of the screen")
        << true << QPoint(screen.right() - 199, screen.bottom() - 19) << QSize(200, 20) << QRect();
    QTest::newRow("far off screen gives the default")
        << true << QPoint(20000, 20000) << QSize(400, 300) << fallback;
    QTest::newRow("off screen to the left gives the default")
        << true << QPoint(-3000, 40) << QSize(400, 300) << fallback;
}

void TMainWindowStartupTest::Geometry()
{
    QFETCH(bool, stored);
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    QFETCH(QRect, expected);

    if (stored)
    {
        QDir().mkpath(Vantrel_Directory());
        QSettings settings(Settings_File(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Mainwindow_Position"), position);
        settings.setValue(QStringLiteral("Mainwindow_Size"), size);
        settings.sync();
    }

    TTestWindow window;
    if (!expected.isNull())
    {
        QCOMPARE(window.pos(), expected.topLeft());
    }
    QCOMPARE(window.size(), expected.isEmpty() ? window.minimumSizeHint() : expected.size());

    // Shown, the window keeps to the screen at the smallest size its finished layout allows.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect shown(window.pos(), window.size());
    QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().contains(shown),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())));
}

void TMainWindowStartupTest::Splitter_Sizes_Restored()
{
    {
        TTestWindow window;
        QSplitter* splitter = window.findChild<QSplitter*>(QStringLiteral("splitter"));
        QVERIFY(splitter);
        QCOMPARE(splitter->orientation(), Qt::Horizontal);
        QCOMPARE(splitter->count(), 2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<int> sizes = splitter->sizes();
        QCOMPARE(sizes.size(), 2);
        // The window is narrower than 1000 pixels on this screen; the panes keep the proportions.
        QVERIFY2(qAbs(sizes.at(0) * 7 - sizes.at(1) * 3) <= 10,
                 qPrintable(QStringLiteral("%1/%2").arg(sizes.at(0)).arg(sizes.at(1))));
    }

    QSettings settings(Settings_File(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Splitter_Size_0"), 200);
    settings.setValue(QStringLiteral("Splitter_Size_1"), 800);
    settings.sync();

    TTestWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QList<int> sizes = window.findChild<QSplitter*>(QStringLiteral("splitter"))->sizes();
    QCOMPARE(sizes.size(), 2);
    // Scaled to the narrow offscreen window, the stored proportion 1 : 4 stays.
    QVERIFY2(qAbs(sizes.at(0) * 4 - sizes.at(1)) <= 10,
             qPrintable(QStringLiteral("%1/%2").arg(sizes.at(0)).arg(sizes.at(1))));
}

void TMainWindowStartupTest::Close_Writes_Window_State()
{
    QRect geometry;
    QList<int> sizes;
    {
        TTestWindow window;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        window.resize(screen.size() - QSize(10, 10));
        window.move(screen.topLeft() + QPoint(5, 5));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        sizes = window.findChild<QSplitter*>(QStringLiteral("splitter"))->sizes();
        geometry = QRect(window.pos(), window.size());
        QCheckBox* names_check = window.findChild<QCheckBox*>(QStringLiteral("search_names_check"));
        QVERIFY(!names_check->isChecked());
        names_check->click();
        QVERIFY(window.close());
    }

    QSettings settings(Settings_File(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Mainwindow_Position")).toPoint(), geometry.topLeft());
    QCOMPARE(settings.value(QStringLiteral("Mainwindow_Size")).toSize(), geometry.size());
    QCOMPARE(settings.value(QStringLiteral("Splitter_Size_0")).toInt(), sizes.at(0));
    QCOMPARE(settings.value(QStringLiteral("Splitter_Size_1")).toInt(), sizes.at(1));
    QVERIFY(settings.contains(QStringLiteral("Default_Rule_Group")));
    QCOMPARE(settings.value(QStringLiteral("Default_Rule_Group")).toString(), QString());
    QCOMPARE(settings.value(QStringLiteral("Search_Names_And_Descriptions")).toBool(), true);

    // The next start comes back where the last one ended.
    TTestWindow next;
    QCOMPARE(next.pos(), geometry.topLeft());
    QCOMPARE(next.size(), geometry.size());
    QVERIFY(next.findChild<QCheckBox*>(QStringLiteral("search_names_check"))->isChecked());
}

void TMainWindowStartupTest::Close_Without_Export_Keeps_Export_Keys()
{
    QDir().mkpath(Vantrel_Directory());
    {
        QSettings settings(Settings_File(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Export_Changed_Only"), false);
        settings.sync();
    }
    {
        TTestWindow window;
        window.close();
    }

    QSettings settings(Settings_File(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Export_Changed_Only")), QVariant(QStringLiteral("false")));
    QVERIFY(!settings.contains(QStringLiteral("Export_Original_Values")));
    QVERIFY(!settings.contains(QStringLiteral("Export_Matches_Import")));
}

void TMainWindowStartupTest::Default_Rule_Group_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact name selects the group") << QStringLiteral("Servo") << QStringLiteral("Servo");
    QTest::newRow("last group") << QStringLiteral("Wrist") << QStringLiteral("Wrist");
    QTest::newRow("name differing in case keeps the first")
        << QStringLiteral("servo") << QStringLiteral("Probe");
    QTest::newRow("unknown name keeps the first") << QStringLiteral("Scales") << QStringLiteral("Probe");
    QTest::newRow("nothing stored keeps the first") << QString() << QStringLiteral("Probe");
}

void TMainWindowStartupTest::Default_Rule_Group()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);

    QVERIFY(Write_Rules(
        {{QStringLiteral("Probe"), {}}, {QStringLiteral("Servo"), {}}, {QStringLiteral("Wrist"), {}}}));
    if (!stored.isNull())
    {
        QSettings settings(Settings_File(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Default_Rule_Group"), stored);
        settings.sync();
    }

    {
        TTestWindow window;
        QComboBox* combo = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentText(), expected);

        // Whatever the user picks now is the default of the next start.
        combo->setCurrentIndex(1);
        window.close();
    }

    TTestWindow next;
    QCOMPARE(next.findChild<QComboBox*>(QStringLiteral("rule_group_combo"))->currentText(),
             QStringLiteral("Servo"));
}

void TMainWindowStartupTest::Failed_Rule_Save_Is_Reported()
{
    TTestWindow window;
    QVERIFY(TVantrelTestAccess::Rules(window).Create_Group(QStringLiteral("Axis limits")));

    // A directory where the rules file belongs: the write at close cannot succeed, even as root.
    QVERIFY(QDir().mkpath(Rules_File()));

    TMessageBox::Queue_Answer(QMessageBox::Ok);
    QVERIFY(window.close());
    QCOMPARE(TMessageBox::Pending_Answers(), 0);

    TMessageBox* box =
        window.findChild<TMessageBox*>(QStringLiteral("message_box"), Qt::FindDirectChildrenOnly);
    QVERIFY(box);
    QVERIFY(box->text().contains(QStringLiteral(">Error<")));
    QVERIFY2(box->informativeText().contains(QStringLiteral("rules.xml")),
             qPrintable(box->informativeText()));
    QVERIFY(box->informativeText().contains(TVantrelTestAccess::Rules(window).Last_Error().toHtmlEscaped()));
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));

    // The rest of the close still happens.
    QSettings settings(Settings_File(), QSettings::IniFormat);
    QVERIFY(settings.contains(QStringLiteral("Mainwindow_Size")));
}

void TMainWindowStartupTest::Unchanged_Rules_Close_Silently()
{
    QVERIFY(Write_Rules({{QStringLiteral("Probe"), {}}}));
    TTestWindow window;
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    QVERIFY(window.close());
    QCOMPARE(TMessageBox::Pending_Answers(), 1);
    TMessageBox::Clear_Answers();
}

void TMainWindowStartupTest::Shortcuts_Dialog_Lists_Every_Shortcut()
{
    TTestWindow window;
    QStringList expected;
    for (const QAction* action : window.findChildren<QAction*>())
    {
        QStringList keys;
        for (const QKeySequence& shortcut : action->shortcuts())
        {
            keys << shortcut.toString(QKeySequence::NativeText);
        }
        if (!keys.isEmpty())
        {
            expected << TShortcutsDialog::Command_Text(action) + QLatin1Char('\t') +
                            keys.join(QStringLiteral(", "));
        }
    }
    QVERIFY(expected.size() >= 8);

    QStringList listed;
    const auto answered = Answer_Next_Dialog(
        [&listed](QDialog* dialog)
        {
            const QTableWidget* table = dialog->findChild<QTableWidget*>(QStringLiteral("shortcuts_table"));
            for (int row = 0; row < table->rowCount(); ++row)
            {
                listed << table->item(row, 0)->text() + QLatin1Char('\t') + table->item(row, 1)->text();
            }
            dialog->reject();
        },
        QStringLiteral("shortcuts_dialog"));
    window.findChild<QAction*>(QStringLiteral("shortcuts_action"))->trigger();
    QVERIFY(*answered);
    expected.sort();
    listed.sort();
    QCOMPARE(listed, expected);
    QVERIFY(listed.contains(QStringLiteral("Open\tCtrl+O")));
    // Redo answers every redo key of the platform, not only the first.
    const QAction* redo = window.findChild<QAction*>(QStringLiteral("redo_action"));
    QVERIFY(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    QVERIFY(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
}

void TMainWindowStartupTest::About_Names_Version_And_Folder()
{
    TTestWindow window;
    QString text;
    const auto answered = Answer_Next_Dialog(
        [&text](QDialog* dialog)
        {
            text = dialog->findChild<QLabel*>(QStringLiteral("about_text_label"))->text();
            dialog->reject();
        },
        QStringLiteral("about_dialog"));
    window.findChild<QAction*>(QStringLiteral("about_action"))->trigger();
    QVERIFY(*answered);
    QVERIFY2(text.contains(QStringLiteral("Vantrel " VANTREL_VERSION)), qPrintable(text));
    QVERIFY(text.contains(QString::fromLatin1(qVersion())));
    QVERIFY(text.contains(QStringLiteral("MIT")));
    QVERIFY(text.contains(QDir::toNativeSeparators(Vantrel_Directory()).toHtmlEscaped()));
}

void TMainWindowStartupTest::User_Guide_data()
{
    QTest::addColumn<bool>("browser_answers");
    QTest::newRow("the desktop's browser shows it") << true;
    QTest::newRow("no browser answers: shown in the window's own") << false;
}

void TMainWindowStartupTest::User_Guide()
{
    QFETCH(bool, browser_answers);

    // The build keeps the guide where an installed program finds it.
    const QString guide = THelpMenu::User_Guide_File();
    QVERIFY(!guide.isEmpty());
    QList<QUrl> opened;
    THelpMenu::Set_Open_Url(
        [&opened, browser_answers](const QUrl& url)
        {
            opened << url;
            return browser_answers;
        });
    TTestWindow window;
    window.findChild<QAction*>(QStringLiteral("user_guide_action"))->trigger();
    THelpMenu::Set_Open_Url([](const QUrl&) { return false; });

    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(guide)});
    const QDialog* dialog = window.findChild<QDialog*>(QStringLiteral("user_guide_dialog"));
    QCOMPARE(dialog && dialog->isVisible(), !browser_answers);
    if (!browser_answers)
    {
        QVERIFY(
            dialog->findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("Vantrel User Guide")));
    }
}

void TMainWindowStartupTest::Window_Language_data()
{
    QTest::addColumn<QStringList>("ui_languages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");
    const QStringList german = {
        QStringLiteral("&Datei"),
        QStringLiteral("&Bearbeiten"),
        QStringLiteral("&Hilfe"),
        QStringLiteral("&Benutzerhandbuch"),
        QStringLiteral("Über Vantrel"),
        QStringLiteral("1.500000"),
        QStringLiteral("Zeile 32: DEA_TAPS: der Schlüssel steht auch in Zeile 8; der erste wird behalten")};
    const QStringList french = {
        QStringLiteral("&Fichier"),
        QStringLiteral("&Édition"),
        QStringLiteral("&Aide"),
        QStringLiteral("&Guide de l'utilisateur"),
        QStringLiteral("À propos de Vantrel"),
        QStringLiteral("1.500000"),
        QStringLiteral("ligne 32 : DEA_TAPS : la clé figure aussi à la ligne 8 ; la première est conservée")};
    const QStringList english = {
        QStringLiteral("&File"),
        QStringLiteral("&Edit"),
        QStringLiteral("&Help"),
        QStringLiteral("&User Guide"),
        QStringLiteral("About Vantrel"),
        QStringLiteral("1.500000"),
        QStringLiteral("line 32: DEA_TAPS: the key is also on line 8; the first is kept")};
    QTest::newRow("German") << QStringList{QStringLiteral("de-DE"), QStringLiteral("de")} << "de" << german;
    QTest::newRow("French of Switzerland") << QStringList{QStringLiteral("fr-CH")} << "fr" << french;
    QTest::newRow("C: the source texts") << QStringList{QStringLiteral("C")} << "en" << english;
    QTest::newRow("English ends the search")
        << QStringList{QStringLiteral("en-GB"), QStringLiteral("de")} << "en" << english;
    QTest::newRow("a language not spoken is passed over")
        << QStringList{QStringLiteral("es-ES"), QStringLiteral("fr")} << "fr" << french;
    QTest::newRow("no languages") << QStringList() << "en" << english;
}

void TMainWindowStartupTest::Window_Language()
{
    QFETCH(QStringList, ui_languages);
    QFETCH(QString, language);
    QFETCH(QStringList, texts);

    QCOMPARE(Translations::Install(qApp, ui_languages), language);
    const QStringList shown = Window_Texts();
    Remove_Translations();
    QCOMPARE(shown, texts);
}

void TMainWindowStartupTest::Window_Language_Of_Environment_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("LANGUAGE=de") << "de";
    QTest::newRow("LANGUAGE=fr") << "fr";
    QTest::newRow("LANGUAGE=C") << "C";
}

// The system locale reads LANGUAGE and LANG once, so the window is started in a process of its own,
// as main starts it, and prints what it shows; it must be what the explicit language list gives.
void TMainWindowStartupTest::Window_Language_Of_Environment()
{
    QFETCH(QString, language);

    Translations::Install(qApp, {language});
    const QStringList texts = Window_Texts();
    Remove_Translations();

    QProcess window_process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VANTREL_PRINT_WINDOW_TEXTS"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LANGUAGE"), language);
    // A German or French LANG also gives a decimal comma to whatever formats numbers by the locale.
    environment.insert(QStringLiteral("LANG"),
                       language == QLatin1String("C")
                           ? QStringLiteral("C")
                           : language + QLatin1Char('_') + language.toUpper() + QStringLiteral(".UTF-8"));
    environment.remove(QStringLiteral("LC_ALL"));
    window_process.setProcessEnvironment(environment);
    window_process.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(window_process.waitForFinished(60000));
    QCOMPARE(window_process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(window_process.readAllStandardOutput()).split(QLatin1Char('\n')), texts);
}

// With VANTREL_PRINT_WINDOW_TEXTS set the test program is the window started as main starts it, in
// the language of the environment, and prints what it shows instead of running the tests.
// What a screen reader announces for each control of the window, with a file loaded, a reference open
// and both value editors shown, and of every dialog as the window opens it. A control without a name
// is announced by its class alone; a button says its text, every other control needs a name.
void TMainWindowStartupTest::Every_Control_Is_Named_For_A_Screen_Reader_data()
{
    QTest::addColumn<QString>("command"); // the action or button that opens the dialog; empty: the window
    QTest::addColumn<QString>("button");  // the button of the rule editor that opens the dialog
    QTest::addColumn<QString>("dialog");

    QTest::newRow("main window") << ""
                                 << ""
                                 << "";
    QTest::newRow("load warnings") << "load_warnings_action"
                                   << ""
                                   << "load_warnings_dialog";
    QTest::newRow("export options") << "export_action"
                                    << ""
                                    << "export_options_dialog";
    QTest::newRow("create group") << "add_group_button"
                                  << ""
                                  << "create_group_dialog";
    QTest::newRow("rule editor") << "edit_rules_action"
                                 << ""
                                 << "rule_editor_dialog";
    QTest::newRow("rule item") << "edit_rules_action"
                               << "add_button"
                               << "rule_item_dialog";
    QTest::newRow("copy rules") << "edit_rules_action"
                                << "copy_button"
                                << "copy_rules_dialog";
    QTest::newRow("take values") << "use_all_reference_action"
                                 << ""
                                 << "take_values_dialog";
    QTest::newRow("keyboard shortcuts") << "shortcuts_action"
                                        << ""
                                        << "shortcuts_dialog";
    QTest::newRow("user guide without a browser") << "user_guide_action"
                                                  << ""
                                                  << "user_guide_dialog";
    QTest::newRow("about") << "about_action"
                           << ""
                           << "about_dialog";
}

void TMainWindowStartupTest::Every_Control_Is_Named_For_A_Screen_Reader()
{
    QFETCH(QString, command);
    QFETCH(QString, button);
    QFETCH(QString, dialog);

    QVERIFY(Write_Rules({{QStringLiteral("Axes"),
                          {{QStringLiteral("Speed"), QStringLiteral("MAXSPEED"), QStringLiteral("2"),
                            QStringLiteral("OPERATOR_LESS_THAN")}}},
                         {QStringLiteral("Probe"), {}}}));
    // A second entry of a key gives the file a load warning to show.
    QByteArray content = Constants_File();
    content.append("\n#95 DEA filter taps     : Longint                               DEA_TAPS\n  9\n");
    const QByteArray reference = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZIDParameterSettings>\n"
                                 "<DEA_TAPS><Value>7</Value></DEA_TAPS>\n"
                                 "<MAXSPEED><Value>2.5E+00</Value></MAXSPEED>\n"
                                 "</ZIDParameterSettings>\n";
    TTestWindow window;
    window.open_answers << Write_In(d_files, QStringLiteral("named.asc"), content)
                        << Write_In(d_files, QStringLiteral("reference.xml"), reference);
    window.findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    window.findChild<QAction*>(QStringLiteral("compare_action"))->trigger();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList unnamed;
    if (command.isEmpty())
    {
        for (const char* key : {"CMMCONFG", "TTP_DECL"})
        {
            QVERIFY(Select_Key(Parameter_List(&window), QLatin1String(key)));
            Add_Unnamed_Controls(&window, &unnamed);
        }
        // Every menu, and every menu in a menu, opens from the keyboard by its mnemonic.
        QList<QAction*> menus = window.menuBar()->actions();
        while (!menus.isEmpty())
        {
            const QAction* entry = menus.takeFirst();
            if (entry->menu())
            {
                QVERIFY2(entry->text().contains(QLatin1Char('&')), qPrintable(entry->text()));
                menus << entry->menu()->actions();
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        return;
    }

    THelpMenu::Set_Open_Url([](const QUrl&) { return false; });
    std::shared_ptr<bool> editor_answered;
    if (!button.isEmpty())
    {
        editor_answered = Answer_Next_Dialog(
            [&button](QDialog* editor)
            {
                QListWidget* rules = editor->findChild<QListWidget*>(QStringLiteral("rule_list"));
                rules->setCurrentRow(0);
                editor->findChild<QPushButton*>(button)->click();
                editor->reject();
            },
            QStringLiteral("rule_editor_dialog"));
    }
    const auto answered = Answer_Next_Dialog(
        [&unnamed](QDialog* shown)
        {
            Add_Unnamed_Controls(shown, &unnamed);
            shown->reject();
        },
        dialog);
    QObject* opener = window.findChild<QObject*>(command);
    QVERIFY(opener);
    if (QAction* action = qobject_cast<QAction*>(opener))
    {
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    else
    {
        qobject_cast<QAbstractButton*>(opener)->click();
    }
    if (!*answered)
    {
        // A dialog that leaves the window usable is shown beside it rather than run.
        QDialog* shown = window.findChild<QDialog*>(dialog);
        QVERIFY(shown && shown->isVisible());
        Add_Unnamed_Controls(shown, &unnamed);
    }
    QVERIFY(!editor_answered || *editor_answered);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    if (qEnvironmentVariableIsSet("VANTREL_PRINT_WINDOW_TEXTS"))
    {
        Fresh_Home();
        Translations::Install(&application, QLocale::system().uiLanguages());
        std::fputs(Window_Texts().join(QLatin1Char('\n')).toUtf8().constData(), stdout);
        return 0;
    }
    TMainWindowStartupTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow_startup.moc"
