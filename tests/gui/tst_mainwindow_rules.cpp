#include "reportfile.h"
#include "ruledisplay.h"
#include "rulespane.h"
#include "ruletable.h"
#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace Testing;

namespace
{
// A group whose run has each outcome (loaded sorted: Broken invalid, Fails, Passes), and an empty one.
QList<TGroupFixture> Outcome_Groups()
{
    return {{QStringLiteral("Limits"),
             {{QStringLiteral("Fails"), QStringLiteral("DEA_TAPS"), QStringLiteral("4"),
               QStringLiteral("OPERATOR_LESS_THAN")},
              {QStringLiteral("Passes"), QStringLiteral("2"), QStringLiteral("3"),
               QStringLiteral("OPERATOR_LESS_THAN")},
              {QStringLiteral("Broken"), QStringLiteral("NO_SUCH_KEY"), QStringLiteral("1"),
               QStringLiteral("OPEATOR_EQUAL")}}},
            {QStringLiteral("Other"), {}}};
}

// Rules that read several keys of the constants file, loaded sorted: Broken is invalid (it reads
// WIDE_NUM), Decel fails (TTP_DECL.3 125 against MAXSPEED 1.5 * 100), Speed passes (1.5 against
// SpAx_Gain -4 + 10), Taps fails (DEA_TAPS 8).
QList<TGroupFixture> Reading_Groups()
{
    return {{QStringLiteral("Reading"),
             {{QStringLiteral("Taps"), QStringLiteral("DEA_TAPS"), QStringLiteral("4"),
               QStringLiteral("OPERATOR_LESS_THAN")},
              {QStringLiteral("Decel"), QStringLiteral("TTP_DECL.3"), QStringLiteral("MAXSPEED * 100"),
               QStringLiteral("OPERATOR_GREATER_THAN")},
              {QStringLiteral("Speed"), QStringLiteral("MAXSPEED"), QStringLiteral("SpAx_Gain + 10"),
               QStringLiteral("OPERATOR_LESS_THAN")},
              {QStringLiteral("Broken"), QStringLiteral("WIDE_NUM"), QStringLiteral("NO_SUCH_KEY"),
               QStringLiteral("OPEATOR_EQUAL")}}}};
}

TRuleTable* Rule_Table(const QWidget* window)
{
    return window->findChild<TRuleTable*>(QStringLiteral("rule_table"));
}

QStringList Table_Column(const QWidget* window, int column, int role = Qt::DisplayRole)
{
    const QAbstractItemModel* model = Rule_Table(window)->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
    {
        texts << model->index(row, column).data(role).toString();
    }
    return texts;
}

// Types a value into the field of the parameter's first value and leaves the field.
bool Edit_Value(TVantrel& window, const QString& key, const QString& text)
{
    if (!Select_Key(Parameter_List(&window), key))
    {
        return false;
    }
    QLineEdit* field = window.findChild<QWidget*>(QStringLiteral("values_widget"))
                           ->findChild<QLineEdit*>(QStringLiteral("value_edit_0"));
    field->setText(text);
    emit field->editingFinished();
    return true;
}

QStringList Combo_Texts(const QComboBox* combo)
{
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
    {
        texts << combo->itemText(index);
    }
    return texts;
}

QString Informative_Text(TVantrel& window)
{
    return window.findChild<TMessageBox*>(QStringLiteral("message_box"), Qt::FindDirectChildrenOnly)
        ->informativeText();
}
} // namespace

// The rules pane: running a group against the loaded parameters, its totals and saved report, and
// creating, removing, editing, importing and exporting rule groups.
class TMainWindowRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void Report_data();
    void Report();
    void Failed_Rule_Is_Bold();
    void Nothing_To_Run_Writes_Nothing_data();
    void Nothing_To_Run_Writes_Nothing();
    void Run_Started_During_A_Run_Is_Ignored();
    void Add_Group_data();
    void Add_Group();
    void Cancelled_Add_Group_Changes_Nothing();
    void Remove_Group_data();
    void Remove_Group();
    void Removed_Group_Neighbour_Saved_At_Close();
    void Edit_Rules_Opens_Current_Group();
    void Long_Group_Name_Keeps_The_Pane_Narrow();
    void Totals_After_A_Run_data();
    void Totals_After_A_Run();
    void Rule_Table_Follows_The_Values_data();
    void Rule_Table_Follows_The_Values();
    void Rule_Table_Row();
    void Whole_Check_On_Another_Core();
    void Run_On_Another_Core_data();
    void Run_On_Another_Core();
    void Failing_Rules_Only_data();
    void Failing_Rules_Only();
    void Rules_Of_The_Shown_Parameter_data();
    void Rules_Of_The_Shown_Parameter();
    void Save_Report_data();
    void Save_Report();
    void Save_Report_Failure_Is_Shown();
    void Report_Document_Shows_Outcomes_In_Colour();
    void Import_Rules();
    void Import_Failure_Changes_Nothing();
    void Export_Rule_Group();

private:
    std::unique_ptr<TTestWindow> Open_Window(bool load_parameters);
    static QString Report_Text(TVantrel& window);
    // Carries out the steps of a table row: "edit KEY VALUE", "undo", "redo", "revert", "open", "new",
    // "group N", "search TEXT", "changed only", "failing on|off", "double-click ROW RIGHT", "return ROW
    // RIGHT".
    bool Take_Steps(TTestWindow& window, const QStringList& steps);

    QTemporaryDir d_files;
};

void TMainWindowRulesTest::init()
{
    Fresh_Home();
}

std::unique_ptr<TTestWindow> TMainWindowRulesTest::Open_Window(bool load_parameters)
{
    auto window = std::make_unique<TTestWindow>();
    if (load_parameters)
    {
        const QString path = d_files.filePath(QStringLiteral("rules source.asc"));
        if (!Write_File(path, Constants_File()))
        {
            return nullptr;
        }
        window->open_answers << path;
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    }
    return window;
}

QString TMainWindowRulesTest::Report_Text(TVantrel& window)
{
    return window.findChild<QPlainTextEdit*>(QStringLiteral("rules_text"))->toPlainText();
}

void TMainWindowRulesTest::Report_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("oper");
    QTest::addColumn<QString>("expected");

    const QString head = QStringLiteral("Evaluating Rules...\n\nRule: 'Check'\n");
    QTest::newRow("numbers that pass")
        << "2"
        << "3"
        << "OPERATOR_LESS_THAN"
        << head + "  Left expression value: 2.000000\n  Right expression value: 3.000000\n"
                  "  OPER:  Left Less Than Right\nPASS";
    QTest::newRow("parameter value that fails")
        << "DEA_TAPS"
        << "4"
        << "OPERATOR_LESS_THAN"
        << head + "  Left expression value: 8.000000\n  Right expression value: 4.000000\n"
                  "  OPER:  Left Less Than Right\n* FAIL *";
    QTest::newRow("array element against a real")
        << "TTP_DECL.3"
        << "MAXSPEED * 100"
        << "OPERATOR_NOT_EQUAL"
        << head + "  Left expression value: 125.000000\n  Right expression value: 150.000000\n"
                  "  OPER:  Left Not Equals Right\nPASS";
    QTest::newRow("empty left expression") << ""
                                           << "1"
                                           << "OPEATOR_EQUAL" << head + "  ERR:  Left expression invalid.";
    QTest::newRow("unknown name on the right")
        << "1"
        << "NO_SUCH_KEY"
        << "OPEATOR_EQUAL" << head + "  Left expression value: 1.000000\n  ERR:  Right expression invalid.";
}

void TMainWindowRulesTest::Report()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, oper);
    QFETCH(QString, expected);

    QVERIFY(Write_Rules({{QStringLiteral("Limits"), {{QStringLiteral("Check"), left, right, oper}}}}));
    auto window = Open_Window(true);
    QVERIFY(window);
    QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"))->currentText(),
             QStringLiteral("Limits"));

    window->findChild<QToolButton*>(QStringLiteral("execute_button"))->click();
    QCOMPARE(Report_Text(*window), expected);
    QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("rules_text"))->textCursor().position(), 0);

    // A second run replaces the report instead of adding to it.
    window->findChild<QAction*>(QStringLiteral("execute_action"))->trigger();
    QCOMPARE(Report_Text(*window), expected);
}

void TMainWindowRulesTest::Failed_Rule_Is_Bold()
{
    QVERIFY(Write_Rules({{QStringLiteral("Limits"),
                          {{QStringLiteral("Fails"), QStringLiteral("5"), QStringLiteral("5"),
                            QStringLiteral("OPERATOR_NOT_EQUAL")},
                           {QStringLiteral("Passes"), QStringLiteral("5"), QStringLiteral("5"),
                            QStringLiteral("OPERATOR_GREATER_THAN")}}}}));
    auto window = Open_Window(false);
    window->findChild<QAction*>(QStringLiteral("execute_action"))->trigger();

    const QTextDocument* document =
        window->findChild<QPlainTextEdit*>(QStringLiteral("rules_text"))->document();
    int fail_blocks = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    {
        const bool bold = block.begin() != block.end() &&
                          block.begin().fragment().charFormat().fontWeight() > QFont::Normal;
        if (block.text() == QLatin1String("* FAIL *"))
        {
            ++fail_blocks;
            QVERIFY(bold);
        }
        else if (!block.text().isEmpty())
        {
            QVERIFY2(!bold, qPrintable(block.text()));
        }
    }
    QCOMPARE(fail_blocks, 1);
    QVERIFY(Report_Text(*window).endsWith(QStringLiteral("Left Greater Than Right\nPASS")));
}

void TMainWindowRulesTest::Nothing_To_Run_Writes_Nothing_data()
{
    QTest::addColumn<bool>("with_group");

    QTest::newRow("group without rules") << true;
    QTest::newRow("empty selector") << false;
}

void TMainWindowRulesTest::Nothing_To_Run_Writes_Nothing()
{
    QFETCH(bool, with_group);

    if (with_group)
    {
        QVERIFY(Write_Rules({{QStringLiteral("Empty"), {}}}));
    }
    auto window = Open_Window(true);
    QVERIFY(window);
    QPlainTextEdit* report = window->findChild<QPlainTextEdit*>(QStringLiteral("rules_text"));
    report->setPlainText(QStringLiteral("an old report"));

    window->findChild<QAction*>(QStringLiteral("execute_action"))->trigger();
    QVERIFY(report->toPlainText().isEmpty());
}

void TMainWindowRulesTest::Run_Started_During_A_Run_Is_Ignored()
{
    QList<TRuleFixture> rules;
    for (int index = 0; index < 3; ++index)
    {
        rules << TRuleFixture{QStringLiteral("Rule %1").arg(index), QStringLiteral("1"), QStringLiteral("2"),
                              QStringLiteral("OPERATOR_LESS_THAN")};
    }
    QVERIFY(Write_Rules({{QStringLiteral("Long"), rules}}));
    auto window = Open_Window(false);

    window->findChild<QAction*>(QStringLiteral("execute_action"))->trigger();
    const QString single_run = Report_Text(*window);
    QCOMPARE(single_run.count(QStringLiteral("Evaluating Rules...")), 1);

    // The queued run is delivered while the first one lets the event loop breathe between rules.
    QMetaObject::invokeMethod(window.get(), "Execute_Rules", Qt::QueuedConnection);
    window->findChild<QAction*>(QStringLiteral("execute_action"))->trigger();
    QCOMPARE(Report_Text(*window), single_run);
}

void TMainWindowRulesTest::Add_Group_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("first group") << QStringList() << "Probe" << QStringList({QStringLiteral("Probe")});
    QTest::newRow("appended at the end")
        << QStringList({QStringLiteral("Servo"), QStringLiteral("Axis")}) << "Probe"
        << QStringList({QStringLiteral("Servo"), QStringLiteral("Axis"), QStringLiteral("Probe")});
}

void TMainWindowRulesTest::Add_Group()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QStringList, entries);

    QList<TGroupFixture> groups;
    for (const QString& group : existing)
    {
        groups << TGroupFixture{group, {}};
    }
    if (!groups.isEmpty())
    {
        QVERIFY(Write_Rules(groups));
    }
    auto window = Open_Window(false);
    QComboBox* combo = window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"));

    const auto answered = Answer_Next_Dialog(
        [name](QDialog* dialog)
        {
            dialog->findChild<QLineEdit*>()->setText(name);
            dialog->accept();
        });
    window->findChild<QToolButton*>(QStringLiteral("add_group_button"))->click();

    QVERIFY(*answered);
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
    {
        texts << combo->itemText(index);
    }
    QCOMPARE(texts, entries);
    QCOMPARE(combo->currentText(), name);
    QCOMPARE(TVantrelTestAccess::Rules(*window).Rule_Groups(), entries);
}

void TMainWindowRulesTest::Cancelled_Add_Group_Changes_Nothing()
{
    QVERIFY(Write_Rules({{QStringLiteral("Servo"), {}}}));
    auto window = Open_Window(false);

    Answer_Next_Dialog(
        [](QDialog* dialog)
        {
            dialog->findChild<QLineEdit*>()->setText(QStringLiteral("Unwanted"));
            dialog->reject();
        });
    window->findChild<QToolButton*>(QStringLiteral("add_group_button"))->click();

    QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"))->count(), 1);
    QCOMPARE(TVantrelTestAccess::Rules(*window).Rule_Groups(), QStringList({QStringLiteral("Servo")}));
}

void TMainWindowRulesTest::Remove_Group_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("groups");

    QTest::newRow("no keeps the group")
        << 1 << int(QMessageBox::No) << QStringList({"Probe", "Servo", "Wrist"});
    QTest::newRow("yes removes the middle group")
        << 1 << int(QMessageBox::Yes) << QStringList({"Probe", "Wrist"});
    QTest::newRow("yes removes the last group")
        << 2 << int(QMessageBox::Yes) << QStringList({"Probe", "Servo"});
}

void TMainWindowRulesTest::Remove_Group()
{
    QFETCH(int, current);
    QFETCH(int, answer);
    QFETCH(QStringList, groups);

    QVERIFY(Write_Rules({{QStringLiteral("Probe"), {}},
                         {QStringLiteral("Servo"),
                          {{QStringLiteral("Gain"), QStringLiteral("1"), QStringLiteral("2"),
                            QStringLiteral("OPERATOR_LESS_THAN")}}},
                         {QStringLiteral("Wrist"), {}}}));
    auto window = Open_Window(false);
    QComboBox* combo = window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    combo->setCurrentIndex(current);

    TMessageBox::Queue_Answer(static_cast<QMessageBox::StandardButton>(answer));
    window->findChild<QToolButton*>(QStringLiteral("remove_group_button"))->click();
    QCOMPARE(TMessageBox::Pending_Answers(), 0);

    TMessageBox* box =
        window->findChild<TMessageBox*>(QStringLiteral("message_box"), Qt::FindDirectChildrenOnly);
    QVERIFY(box->informativeText().contains(QStringLiteral(">Delete selected group of rules?<")));
    QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));

    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
    {
        texts << combo->itemText(index);
    }
    QCOMPARE(texts, groups);
    QCOMPARE(TVantrelTestAccess::Rules(*window).Rule_Groups(), groups);
    QVERIFY(combo->currentIndex() >= 0);
    if (answer == QMessageBox::No)
    {
        QCOMPARE(TVantrelTestAccess::Rules(*window).Rules(QStringLiteral("Servo")).size(), size_t(1));
    }
}

void TMainWindowRulesTest::Removed_Group_Neighbour_Saved_At_Close()
{
    QVERIFY(Write_Rules(
        {{QStringLiteral("Probe"), {}}, {QStringLiteral("Servo"), {}}, {QStringLiteral("Wrist"), {}}}));
    QString neighbour;
    {
        auto window = Open_Window(false);
        QComboBox* combo = window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
        combo->setCurrentIndex(1);
        TMessageBox::Queue_Answer(QMessageBox::Yes);
        window->findChild<QToolButton*>(QStringLiteral("remove_group_button"))->click();
        neighbour = combo->currentText();
        QVERIFY(!neighbour.isEmpty());
        QVERIFY(neighbour != QLatin1String("Servo"));
        window->close();
    }

    QSettings settings(Settings_File(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Default_Rule_Group")).toString(), neighbour);

    // The removal reached the rules file, and the neighbour is current at the next start.
    auto next = Open_Window(false);
    QComboBox* combo = next->findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), neighbour);
}

void TMainWindowRulesTest::Edit_Rules_Opens_Current_Group()
{
    QVERIFY(Write_Rules({{QStringLiteral("Probe"), {}},
                         {QStringLiteral("Servo"),
                          {{QStringLiteral("Gain"), QStringLiteral("1"), QStringLiteral("2"),
                            QStringLiteral("OPERATOR_LESS_THAN")}}}}));
    auto window = Open_Window(false);
    window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"))->setCurrentIndex(1);
    QPlainTextEdit* report = window->findChild<QPlainTextEdit*>(QStringLiteral("rules_text"));
    report->setPlainText(QStringLiteral("kept report"));

    QStringList listed;
    const auto answered = Answer_Next_Dialog(
        [&listed](QDialog* dialog)
        {
            for (QListWidget* list : dialog->findChildren<QListWidget*>())
            {
                listed << List_Texts(list);
            }
            dialog->reject();
        });
    window->findChild<QAction*>(QStringLiteral("edit_rules_action"))->trigger();

    QVERIFY(*answered);
    QCOMPARE(listed, QStringList({QStringLiteral("Gain")}));
    QCOMPARE(report->toPlainText(), QStringLiteral("kept report"));

    // The edit button reaches the same dialog, kept from the first use.
    const auto answered_again = Answer_Next_Dialog([](QDialog* dialog) { dialog->reject(); });
    window->findChild<QToolButton*>(QStringLiteral("edit_rules_button"))->click();
    QVERIFY(*answered_again);
    QCOMPARE(window->findChildren<QDialog*>(QStringLiteral("rule_editor_dialog")).size(), 1);
}

void TMainWindowRulesTest::Long_Group_Name_Keeps_The_Pane_Narrow()
{
    const QString long_name = QStringLiteral("Servo limits of the rotary table ").repeated(6).trimmed();
    QVERIFY(Write_Rules({{QStringLiteral("Probe"), {}}, {long_name, {}}}));
    TTestWindow window;
    QComboBox* combo = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    QWidget* pane = window.findChild<QWidget*>(QStringLiteral("rules_pane"));
    const int combo_width = combo->sizeHint().width();
    const int pane_width = pane->minimumSizeHint().width();

    combo->setCurrentIndex(1);
    QCOMPARE(combo->currentText(), long_name);
    QCOMPARE(combo->toolTip(), long_name);
    QCOMPARE(combo->sizeHint().width(), combo_width);
    QCOMPARE(pane->minimumSizeHint().width(), pane_width);
}

void TMainWindowRulesTest::Totals_After_A_Run_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("save_enabled");
    QTest::addColumn<QString>("totals");

    // The totals count the outcomes of the group on show as the values stand; another group on show
    // has not run, but the last run can still be saved.
    QTest::newRow("group changed") << "group" << true << "";
    QTest::newRow("file opened") << "open" << false << "1 passed, 1 failed, 1 invalid";
    QTest::newRow("list cleared") << "new" << false << "1 passed, 0 failed, 2 invalid";
}

void TMainWindowRulesTest::Totals_After_A_Run()
{
    QFETCH(QString, step);
    QFETCH(bool, save_enabled);
    QFETCH(QString, totals);
    const QString expected_totals = totals;

    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    QLabel* totals_label = window->findChild<QLabel*>(QStringLiteral("rule_totals_label"));
    QAction* save = window->findChild<QAction*>(QStringLiteral("save_report_action"));
    QToolButton* save_button = window->findChild<QToolButton*>(QStringLiteral("save_report_button"));
    QCOMPARE(save_button->defaultAction(), save);
    QCOMPARE(totals_label->text(), QStringLiteral("1 passed, 1 failed, 1 invalid"));
    QVERIFY(!save->isEnabled());

    // The totals never widen the rules dock at the parameter list's cost.
    const QDockWidget* dock = window->findChild<QDockWidget*>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const int dock_width = dock->width();
    window->findChild<QToolButton*>(QStringLiteral("execute_button"))->click();
    QCOMPARE(totals_label->text(), QStringLiteral("1 passed, 1 failed, 1 invalid"));
    QTest::qWait(50);
    QCOMPARE(dock->width(), dock_width);
    QVERIFY(save_button->isEnabled());
    QVERIFY(Report_Text(*window).endsWith(QStringLiteral("Left Less Than Right\nPASS")));

    if (step == QLatin1String("group"))
    {
        window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"))->setCurrentIndex(1);
    }
    else if (step == QLatin1String("open"))
    {
        window->open_answers << d_files.filePath(QStringLiteral("rules source.asc"));
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    }
    else
    {
        TMessageBox::Queue_Answer(QMessageBox::Yes);
        window->findChild<QAction*>(QStringLiteral("new_action"))->trigger();
    }
    QCOMPARE(totals_label->text(), expected_totals);
    QCOMPARE(totals_label->isVisibleTo(window.get()), !expected_totals.isEmpty());
    QCOMPARE(save->isEnabled(), save_enabled);
}

bool TMainWindowRulesTest::Take_Steps(TTestWindow& window, const QStringList& steps)
{
    for (const QString& step : steps)
    {
        const QStringList words = step.split(QLatin1Char(' '));
        const QString& command = words.first();
        if (command == QLatin1String("edit"))
        {
            if (!Edit_Value(window, words.at(1), words.at(2)))
            {
                return false;
            }
        }
        else if (command == QLatin1String("undo") || command == QLatin1String("redo"))
        {
            window.findChild<QAction*>(command + QStringLiteral("_action"))->trigger();
        }
        else if (command == QLatin1String("revert"))
        {
            window.findChild<QAction*>(QStringLiteral("revert_parameter_action"))->trigger();
        }
        else if (command == QLatin1String("open"))
        {
            window.open_answers << d_files.filePath(QStringLiteral("rules source.asc"));
            // Unsaved edits are let go when asked.
            if (window.isWindowModified())
            {
                TMessageBox::Queue_Answer(QMessageBox::Discard);
            }
            window.findChild<QAction*>(QStringLiteral("open_action"))->trigger();
        }
        else if (command == QLatin1String("new"))
        {
            TMessageBox::Queue_Answer(window.isWindowModified() ? QMessageBox::Discard : QMessageBox::Yes);
            window.findChild<QAction*>(QStringLiteral("new_action"))->trigger();
        }
        else if (command == QLatin1String("group"))
        {
            window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"))
                ->setCurrentIndex(words.at(1).toInt());
        }
        else if (command == QLatin1String("search"))
        {
            QLineEdit* search = window.findChild<QLineEdit*>(QStringLiteral("search_edit"));
            search->setText(words.at(1));
            emit search->textEdited(words.at(1));
        }
        else if (command == QLatin1String("failing"))
        {
            window.findChild<QCheckBox*>(QStringLiteral("failing_only_check"))
                ->setChecked(words.at(1) == QLatin1String("on"));
        }
        else if (command == QLatin1String("changed"))
        {
            window.findChild<QCheckBox*>(QStringLiteral("changed_only_check"))->setChecked(true);
        }
        else if (command == QLatin1String("double-click") || command == QLatin1String("return"))
        {
            const QString right = words.at(2);
            const auto answered = Answer_Next_Dialog(
                [right](QDialog* dialog)
                {
                    QLineEdit* field = dialog->findChild<QLineEdit*>(QStringLiteral("right_expression_edit"));
                    field->selectAll();
                    QTest::keyClicks(field, right);
                    QPushButton* apply = dialog->findChild<QPushButton*>(QStringLiteral("apply_button"));
                    apply->isEnabled() ? apply->click() : dialog->reject();
                },
                QStringLiteral("rule_item_dialog"));
            TRuleTable* table = Rule_Table(&window);
            const QModelIndex rule = table->model()->index(words.at(1).toInt(), TRuleTable::COLUMN_OUTCOME);
            if (command == QLatin1String("return"))
            {
                table->setCurrentIndex(rule);
                QTest::keyClick(table, Qt::Key_Return);
            }
            else
            {
                emit table->doubleClicked(rule);
            }
            if (!*answered)
            {
                return false;
            }
        }
        else
        {
            return false;
        }
    }
    return true;
}

void TMainWindowRulesTest::Rule_Table_Follows_The_Values_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("outcomes"); // Broken, Fails, Passes
    QTest::addColumn<QString>("totals");

    const QStringList loaded = {QStringLiteral("invalid"), QStringLiteral("FAIL"), QStringLiteral("PASS")};
    const QStringList edited = {QStringLiteral("invalid"), QStringLiteral("PASS"), QStringLiteral("PASS")};
    const QString loaded_totals = QStringLiteral("1 passed, 1 failed, 1 invalid");
    const QString edited_totals = QStringLiteral("2 passed, 0 failed, 1 invalid");
    QTest::newRow("as loaded") << QStringList() << loaded << loaded_totals;
    QTest::newRow("edit") << QStringList{"edit DEA_TAPS 3"} << edited << edited_totals;
    QTest::newRow("undo") << QStringList{"edit DEA_TAPS 3", "undo"} << loaded << loaded_totals;
    QTest::newRow("redo") << QStringList{"edit DEA_TAPS 3", "undo", "redo"} << edited << edited_totals;
    QTest::newRow("revert") << QStringList{"edit DEA_TAPS 3", "revert"} << loaded << loaded_totals;
    QTest::newRow("edited list reloaded")
        << QStringList{"edit DEA_TAPS 3", "open"} << loaded << loaded_totals;
    QTest::newRow("list cleared") << QStringList{"new"} << QStringList{"invalid", "invalid", "PASS"}
                                  << "1 passed, 0 failed, 2 invalid";
    QTest::newRow("group without rules") << QStringList{"group 1"} << QStringList() << "";
    QTest::newRow("back to the group")
        << QStringList{"group 1", "edit DEA_TAPS 3", "group 0"} << edited << edited_totals;
    // Fails becomes DEA_TAPS < 10 in the rule item dialog.
    QTest::newRow("rule changed by double-click")
        << QStringList{"double-click 1 10"} << edited << edited_totals;
    QTest::newRow("rule changed from the keyboard") << QStringList{"return 1 10"} << edited << edited_totals;
}

void TMainWindowRulesTest::Rule_Table_Follows_The_Values()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, outcomes);
    QFETCH(QString, totals);

    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    const QString report = QStringLiteral("an old report");
    window->findChild<QPlainTextEdit*>(QStringLiteral("rules_text"))->setPlainText(report);
    QVERIFY(Take_Steps(*window, steps));

    QCOMPARE(Table_Column(window.get(), TRuleTable::COLUMN_OUTCOME), outcomes);
    for (int row = 0; row < outcomes.size(); ++row)
    {
        const QModelIndex outcome = Rule_Table(window.get())->model()->index(row, TRuleTable::COLUMN_OUTCOME);
        const bool passed = outcomes.at(row) == QLatin1String("PASS");
        QCOMPARE(outcome.data(Qt::ForegroundRole).value<QBrush>().color(),
                 RuleDisplay::Outcome_Colour(passed ? TRuleRun::OUTCOME_PASS : TRuleRun::OUTCOME_FAIL));
    }
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("rule_totals_label"))->text(), totals);
    // The report is written by Execute Rules alone (a load clears it).
    if (!steps.contains(QStringLiteral("open")) && !steps.contains(QStringLiteral("new")))
    {
        QCOMPARE(Report_Text(*window), report);
    }
}

void TMainWindowRulesTest::Rule_Table_Row()
{
    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    const QAbstractItemModel* model = Rule_Table(window.get())->model();
    QCOMPARE(model->columnCount(), int(TRuleTable::COLUMN_COUNT));

    QStringList fails;
    for (int column = 0; column < TRuleTable::COLUMN_COUNT; ++column)
    {
        fails << model->index(1, column).data().toString();
    }
    QCOMPARE(fails, (QStringList{"Fails", "8", "Less Than", "4", "FAIL"}));
    // An invalid rule gives the evaluator's reason on its row and no values it does not know.
    QCOMPARE(model->index(0, TRuleTable::COLUMN_LEFT).data().toString(), QStringLiteral("-"));
    const QString reason = model->index(0, TRuleTable::COLUMN_OUTCOME).data(Qt::ToolTipRole).toString();
    QVERIFY2(reason.contains(QStringLiteral("NO_SUCH_KEY")), qPrintable(reason));
    QVERIFY(model->index(1, TRuleTable::COLUMN_OUTCOME).data(Qt::ToolTipRole).toString().isEmpty());
}

void TMainWindowRulesTest::Whole_Check_On_Another_Core()
{
    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(false);
    TLiveCheck* check = TVantrelTestAccess::Live_Check(*window);
    check->Set_Largest_Check_In_Place(0);
    const QString first = d_files.filePath(QStringLiteral("first.asc"));
    const QString second = d_files.filePath(QStringLiteral("second.asc"));
    QByteArray fixed = Constants_File();
    QVERIFY(fixed.contains("DEA_TAPS\n  8\n"));
    fixed.replace("DEA_TAPS\n  8\n", "DEA_TAPS\n  3\n");
    QVERIFY(Write_File(first, Constants_File()) && Write_File(second, fixed));
    QSignalSpy replaced(check, &TLiveCheck::Results_Replaced);

    window->open_answers << first << second;
    window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    TRuleTable* table = Rule_Table(window.get());
    QCOMPARE(table->Notice(), RuleDisplay::Checking_Text());
    QCOMPARE(table->model()->rowCount(), 0);
    QVERIFY(!window->findChild<QLabel*>(QStringLiteral("rule_totals_label"))->isVisibleTo(window.get()));

    // The first file's check is still running when the second file replaces it: its result is dropped.
    window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    QTRY_VERIFY(!check->Is_Checking());
    QTest::qWait(100);
    QCOMPARE(replaced.count(), 1);
    QVERIFY(table->Notice().isEmpty());
    QCOMPARE(Table_Column(window.get(), TRuleTable::COLUMN_OUTCOME),
             (QStringList{"invalid", "PASS", "PASS"}));
}

void TMainWindowRulesTest::Run_On_Another_Core_data()
{
    QTest::addColumn<bool>("reload");

    QTest::newRow("report written when the run ends") << false;
    QTest::newRow("run dropped by a reload") << true;
}

void TMainWindowRulesTest::Run_On_Another_Core()
{
    QFETCH(bool, reload);

    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    QAction* execute = window->findChild<QAction*>(QStringLiteral("execute_action"));
    // With the live check's results current, they are the run: the report is written at once.
    execute->trigger();
    const QString in_place = Report_Text(*window);
    QVERIFY(in_place.startsWith(QStringLiteral("Evaluating Rules...")));

    // While the live check checks a list anew, Execute Rules makes a run of its own, on another core,
    // and its report is the one the live results gave.
    TLiveCheck* check = TVantrelTestAccess::Live_Check(*window);
    check->Set_Largest_Check_In_Place(0);
    Take_Steps(*window, {QStringLiteral("open")});
    QVERIFY(check->Is_Checking());
    execute->trigger();
    QVERIFY(Report_Text(*window).isEmpty());
    // A second run asked for meanwhile is not started.
    execute->trigger();
    if (reload)
    {
        Take_Steps(*window, {QStringLiteral("open")});
    }
    QAction* save = window->findChild<QAction*>(QStringLiteral("save_report_action"));
    if (reload)
    {
        QTest::qWait(200);
        QVERIFY(Report_Text(*window).isEmpty());
        QVERIFY(!save->isEnabled());
        return;
    }
    QTRY_COMPARE(Report_Text(*window), in_place);
    QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("rules_text"))->textCursor().position(), 0);
    QVERIFY(save->isEnabled());
    QTest::qWait(100);
    QCOMPARE(Report_Text(*window), in_place);
}

void TMainWindowRulesTest::Failing_Rules_Only_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("speed_tip"); // MAXSPEED's tool tip

    const QString decel = QStringLiteral("Read by failing or invalid rules: Decel");
    QTest::newRow("failing rules only")
        << QStringList() << QStringList{"DEA_TAPS", "TTP_DECL", "WIDE_NUM", "MAXSPEED"} << decel;
    QTest::newRow("with a search") << QStringList{"search a"} << QStringList{"DEA_TAPS", "MAXSPEED"} << decel;
    QTest::newRow("with changed only")
        << QStringList{"failing off", "edit DEA_TAPS 9", "edit AX_LIMIT 7", "failing on", "changed only"}
        << QStringList{"DEA_TAPS"} << decel;
    QTest::newRow("a fixed value leaves")
        << QStringList{"edit DEA_TAPS 3"} << QStringList{"TTP_DECL", "WIDE_NUM", "MAXSPEED"} << decel;
    // Speed now fails: the other key it reads enters the list.
    QTest::newRow("a rule that fails brings in its keys")
        << QStringList{"edit MAXSPEED 20"}
        << QStringList{"DEA_TAPS", "TTP_DECL", "WIDE_NUM", "MAXSPEED", "SpAx_Gain"}
        << "Changed since loading\nRead by failing or invalid rules: Decel, Speed";
    QTest::newRow("undone") << QStringList{"edit MAXSPEED 20", "undo"}
                            << QStringList{"DEA_TAPS", "TTP_DECL", "WIDE_NUM", "MAXSPEED"} << decel;
}

void TMainWindowRulesTest::Failing_Rules_Only()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, listed);
    QFETCH(QString, speed_tip);

    QVERIFY(Write_Rules(Reading_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    TParameterList* list = Parameter_List(window.get());
    QCheckBox* failing_only = window->findChild<QCheckBox*>(QStringLiteral("failing_only_check"));
    failing_only->setChecked(true);
    QVERIFY(Take_Steps(*window, steps));

    QCOMPARE(List_Texts(list), listed);
    const QColor failing = RuleDisplay::Outcome_Colour(TRuleRun::OUTCOME_FAIL);
    for (const QString& key : listed)
    {
        QCOMPARE(Entry_Data(list, key, Qt::ForegroundRole).value<QBrush>().color(), failing);
    }
    if (listed.contains(QStringLiteral("MAXSPEED")))
    {
        QCOMPARE(Entry_Tool_Tip(list, QStringLiteral("MAXSPEED")), speed_tip);
    }

    // Without the filter the other keys are listed again, unmarked.
    failing_only->setChecked(false);
    QVERIFY(List_Texts(list).size() > listed.size());
    const QString passing = List_Texts(list).contains(QStringLiteral("CMMCONFG")) ? QStringLiteral("CMMCONFG")
                                                                                  : List_Texts(list).last();
    QVERIFY(!Entry_Data(list, passing, Qt::ForegroundRole).isValid());
}

void TMainWindowRulesTest::Rules_Of_The_Shown_Parameter_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("rules"); // "name outcome"

    QTest::newRow("read by two rules")
        << QStringList() << "MAXSPEED" << QStringList{"Decel FAIL", "Speed PASS"};
    QTest::newRow("after an edit of it")
        << QStringList{"edit MAXSPEED 20"} << "MAXSPEED" << QStringList{"Decel FAIL", "Speed FAIL"};
    QTest::newRow("after an edit of another key")
        << QStringList{"edit SpAx_Gain -9"} << "MAXSPEED" << QStringList{"Decel FAIL", "Speed FAIL"};
    QTest::newRow("read by none") << QStringList() << "CMMCONFG" << QStringList();
}

void TMainWindowRulesTest::Rules_Of_The_Shown_Parameter()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, key);
    QFETCH(QStringList, rules);

    QVERIFY(Write_Rules(Reading_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    QVERIFY(Select_Key(Parameter_List(window.get()), key));
    QVERIFY(Take_Steps(*window, steps));
    QVERIFY(Select_Key(Parameter_List(window.get()), key));

    const QTableWidget* view = window->findChild<QTableWidget*>(QStringLiteral("parameter_rules_view"));
    QVERIFY(view->isVisibleTo(window.get()));
    QStringList shown;
    for (int row = 0; row < view->rowCount(); ++row)
    {
        shown << view->item(row, 0)->text() + QLatin1Char(' ') + view->item(row, 1)->text();
        const bool passed = view->item(row, 1)->text() == QLatin1String("PASS");
        QCOMPARE(view->item(row, 1)->foreground().color(),
                 RuleDisplay::Outcome_Colour(passed ? TRuleRun::OUTCOME_PASS : TRuleRun::OUTCOME_FAIL));
    }
    QCOMPARE(shown, rules);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("parameter_rules_label"))->isVisibleTo(window.get()),
             rules.isEmpty());
}

void TMainWindowRulesTest::Save_Report_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("taps"); // DEA_TAPS typed before the run; empty: as loaded
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("pdf") << "report.pdf" << QString()
                         << QStringList{QStringLiteral("%PDF-"), QStringLiteral("%%EOF")};
    QTest::newRow("html, suffix in capitals")
        << "report.HTML" << QString()
        << QStringList{QStringLiteral("rules source.asc"), QStringLiteral(">Limits<"),
                       QStringLiteral(">PASS<"), QStringLiteral(">FAIL<"), QStringLiteral(">invalid<")};
    // The window tells the report which values were checked as edited.
    QTest::newRow("html of edited values")
        << "edited.html" << QStringLiteral("3")
        << QStringList{QStringLiteral("not those of the file on disk"),
                       QStringLiteral("<td align=\"left\">DEA_TAPS</td><td align=\"left\">8</td><td "
                                      "align=\"left\">3</td>"),
                       QStringLiteral("2 passed, 0 failed, 1 invalid")};
    QTest::newRow("text") << "report.txt" << QString()
                          << QStringList{
                                 QStringLiteral("rules source.asc"),
                                 QStringLiteral("Rule group:     Limits"),
                                 QStringLiteral("Fails     8.000000  Less Than     4.000000  FAIL"),
                                 QStringLiteral("Passes    2.000000  Less Than     3.000000  PASS"),
                                 QStringLiteral("Broken           -  Equals               -  invalid"),
                                 QStringLiteral("1 passed, 1 failed, 1 invalid")};
}

void TMainWindowRulesTest::Save_Report()
{
    QFETCH(QString, name);
    QFETCH(QString, taps);
    QFETCH(QStringList, parts);

    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    if (!taps.isEmpty())
    {
        QVERIFY(Select_Key(Parameter_List(window.get()), QStringLiteral("DEA_TAPS")));
        QLineEdit* field = window->findChild<QWidget*>(QStringLiteral("values_widget"))
                               ->findChild<QLineEdit*>(QStringLiteral("value_edit_0"));
        field->setText(taps);
        emit field->editingFinished();
    }
    window->findChild<QAction*>(QStringLiteral("execute_action"))->trigger();

    const QString path = d_files.filePath(name);
    QFile::remove(path);
    window->save_answers << path;
    QAction* save = window->findChild<QAction*>(QStringLiteral("save_report_action"));
    QVERIFY(save->isEnabled());
    save->trigger();

    QCOMPARE(window->findChild<QStatusBar*>(QStringLiteral("status_bar"))->currentMessage(),
             QStringLiteral("Report saved to %1").arg(QDir::toNativeSeparators(path)));
    const QByteArray content = Read_File(path);
    QVERIFY(content.size() > 200);
    for (const QString& part : parts)
    {
        QVERIFY2(content.contains(part.toUtf8()), qPrintable(part));
    }
}

void TMainWindowRulesTest::Save_Report_Failure_Is_Shown()
{
    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(true);
    QVERIFY(window);
    window->findChild<QAction*>(QStringLiteral("execute_action"))->trigger();
    QStatusBar* status = window->findChild<QStatusBar*>(QStringLiteral("status_bar"));
    const QString message = status->currentMessage();

    const QString path = d_files.filePath(QStringLiteral("no such folder/report.pdf"));
    window->save_answers << path;
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    window->findChild<QAction*>(QStringLiteral("save_report_action"))->trigger();
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY2(Informative_Text(*window).contains(
                 QStringLiteral("The report could not be saved to %1: ").arg(QDir::toNativeSeparators(path))),
             qPrintable(Informative_Text(*window)));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(status->currentMessage(), message);
}

void TMainWindowRulesTest::Report_Document_Shows_Outcomes_In_Colour()
{
    const std::vector<TRules::TRuleItem> rules = {Rule_Item(QStringLiteral("Passes")),
                                                  Rule_Item(QStringLiteral("Fails"), QStringLiteral("3")),
                                                  Rule_Item(QStringLiteral("Broken"), QStringLiteral("?"))};
    const TRunReport report(QStringLiteral("cmm.asc"), QStringLiteral("Limits"), QDateTime::currentDateTime(),
                            rules, TRuleRun({}).Run_Group(rules));
    const std::unique_ptr<QTextDocument> document = ReportFile::Document(report);

    QMap<QString, QColor> colours;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    {
        for (QTextBlock::iterator fragment = block.begin(); !fragment.atEnd(); ++fragment)
        {
            colours.insert(fragment.fragment().text(), fragment.fragment().charFormat().foreground().color());
        }
    }
    QCOMPARE(colours.value(QStringLiteral("PASS")), QColor(QStringLiteral("#1b7a1b")));
    QCOMPARE(colours.value(QStringLiteral("FAIL")), QColor(QStringLiteral("#c00000")));
    QCOMPARE(colours.value(QStringLiteral("invalid")), QColor(QStringLiteral("#c00000")));
    QVERIFY(colours.contains(QStringLiteral("cmm.asc")));
    QVERIFY(colours.contains(QStringLiteral("1 passed, 1 failed, 1 invalid")));
}

void TMainWindowRulesTest::Import_Rules()
{
    QVERIFY(Write_Rules(Outcome_Groups()));
    const QString team = d_files.filePath(QStringLiteral("team rules.xml"));
    QVERIFY(
        Write_File(team, Rules_File_Content({{QStringLiteral("limits"),
                                              {{QStringLiteral("Team"), QStringLiteral("1"),
                                                QStringLiteral("2"), QStringLiteral("OPERATOR_LESS_THAN")}}},
                                             {QStringLiteral("Probe"), {}}})));
    auto window = Open_Window(false);
    QComboBox* combo = window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"));

    window->open_answers << team;
    TMessageBox::Queue_Answer(TRulesPane::Clash_Button(TRules::CLASH_KEEP_BOTH));
    window->findChild<QAction*>(QStringLiteral("import_rules_action"))->trigger();

    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    TMessageBox* box =
        window->findChild<TMessageBox*>(QStringLiteral("message_box"), Qt::FindDirectChildrenOnly);
    QVERIFY(box->text().contains(QStringLiteral(">A rule group named \"limits\" exists already.<")));
    QVERIFY(Informative_Text(*window).contains(QStringLiteral("(the imported one as \"limits (2)\")")));
    const QStringList groups = {QStringLiteral("Limits"), QStringLiteral("Other"),
                                QStringLiteral("limits (2)"), QStringLiteral("Probe")};
    QCOMPARE(Combo_Texts(combo), groups);
    QCOMPARE(combo->currentText(), QStringLiteral("limits (2)"));
    QCOMPARE(TVantrelTestAccess::Rules(*window).Rule_Groups(), groups);
    QCOMPARE(TVantrelTestAccess::Rules(*window).Rule_List(QStringLiteral("limits (2)")),
             QStringList{QStringLiteral("Team")});
    QCOMPARE(window->findChild<QStatusBar*>(QStringLiteral("status_bar"))->currentMessage(),
             QStringLiteral("Rules imported from %1").arg(QDir::toNativeSeparators(team)));
}

void TMainWindowRulesTest::Import_Failure_Changes_Nothing()
{
    QVERIFY(Write_Rules(Outcome_Groups()));
    const QString settings = d_files.filePath(QStringLiteral("settings.xml"));
    QVERIFY(Write_File(settings, Settings_File_Content()));
    auto window = Open_Window(false);

    window->open_answers << settings;
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    window->findChild<QAction*>(QStringLiteral("import_rules_action"))->trigger();

    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY2(
        Informative_Text(*window).contains(QStringLiteral("The rules could not be imported from %1: ERR:  "
                                                          "Identification 'Rules' does not match")
                                               .arg(QDir::toNativeSeparators(settings))),
        qPrintable(Informative_Text(*window)));
    const QStringList groups = {QStringLiteral("Limits"), QStringLiteral("Other")};
    QCOMPARE(Combo_Texts(window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"))), groups);
    QCOMPARE(TVantrelTestAccess::Rules(*window).Rule_Groups(), groups);
    QVERIFY(!TVantrelTestAccess::Rules(*window).Is_Modified());
}

void TMainWindowRulesTest::Export_Rule_Group()
{
    QVERIFY(Write_Rules(Outcome_Groups()));
    auto window = Open_Window(false);
    QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("rule_group_combo"))->currentText(),
             QStringLiteral("Limits"));

    const QString path = d_files.filePath(QStringLiteral("limits.xml"));
    window->save_answers << path;
    window->findChild<QAction*>(QStringLiteral("export_rule_group_action"))->trigger();
    QCOMPARE(window->findChild<QStatusBar*>(QStringLiteral("status_bar"))->currentMessage(),
             QStringLiteral("Rule group exported to %1").arg(QDir::toNativeSeparators(path)));

    TRules exported;
    exported.Set_Rule_File_Name(path);
    QVERIFY2(exported.Load_Rules(), qPrintable(exported.Last_Error()));
    QCOMPARE(exported.Rule_Groups(), QStringList{QStringLiteral("Limits")});
    QCOMPARE(exported.Rule_List(QStringLiteral("Limits")),
             (QStringList{QStringLiteral("Broken"), QStringLiteral("Fails"), QStringLiteral("Passes")}));
}

QTEST_MAIN(TMainWindowRulesTest)
#include "tst_mainwindow_rules.moc"
