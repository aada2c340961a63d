#include "dialogtesting.h"
#include "messagebox.h"
#include "ruleeditordialog.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{
const QString MAIN = QStringLiteral("Main");
const QString SERVO = QStringLiteral("Servo");

QStringList Names(const std::vector<TRules::TRuleItem>& items)
{
    QStringList names;
    for (const TRules::TRuleItem& item : items)
    {
        names.append(item.name);
    }
    return names;
}

// "name=left" per rule, in stored order: shows which rule carries which expression.
QStringList Name_Left(const std::vector<TRules::TRuleItem>& items)
{
    QStringList pairs;
    for (const TRules::TRuleItem& item : items)
    {
        pairs.append(item.name + QLatin1Char('=') + item.left_expression);
    }
    return pairs;
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
    {
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    else
    {
        QTest::keyClicks(edit, text);
    }
}

struct TEntry
{
    QString name;  // empty: keep the field
    QString left;  // empty: keep the field
    QString right; // empty: keep the field
    QString radio; // empty: keep the operator
};

// Fills the rule item dialog and applies it when "Apply" allows, else cancels. applied tells which.
std::shared_ptr<bool> Answer_Rule_Item(const TEntry& entry, std::shared_ptr<bool> applied)
{
    return Testing::Answer_Next_Dialog(
        [entry, applied](QDialog* dialog)
        {
            if (!entry.radio.isEmpty())
            {
                QTest::mouseClick(dialog->findChild<QRadioButton*>(entry.radio), Qt::LeftButton);
            }
            const QPair<const char*, QString> fields[] = {{"left_expression_edit", entry.left},
                                                          {"right_expression_edit", entry.right},
                                                          {"rule_name_edit", entry.name}};
            for (const auto& field : fields)
            {
                if (!field.second.isEmpty())
                {
                    Retype(dialog->findChild<QLineEdit*>(QString::fromLatin1(field.first)), field.second);
                }
            }
            QPushButton* apply = dialog->findChild<QPushButton*>(QStringLiteral("apply_button"));
            *applied = apply->isEnabled();
            QTest::mouseClick(
                apply->isEnabled() ? apply : dialog->findChild<QPushButton*>(QStringLiteral("cancel_button")),
                Qt::LeftButton);
        },
        QStringLiteral("rule_item_dialog"));
}

QStringList Copy_Targets(QDialog* dialog)
{
    QComboBox* combo = dialog->findChild<QComboBox*>(QStringLiteral("target_group_combo"));
    QStringList targets;
    for (int index = 0; index < combo->count(); ++index)
    {
        targets.append(combo->itemText(index));
    }
    return targets;
}
} // namespace

class TRuleEditorDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reset_shows_group_sorted();
    void reset_on_empty_group();
    void button_states_data();
    void button_states();
    void add_rule();
    void add_rule_cancelled();
    void add_rule_refused_by_store();
    void rename_moves_rule_to_end();
    void edit_keeps_name_moves_to_end();
    void double_click_edits_with_two_selected();
    void edit_without_current_entry();
    void edit_of_rule_gone_from_store();
    void rule_gone_while_item_dialog_open();
    void delete_three_asks_once();
    void delete_answered_no();
    void copy_rules_data();
    void copy_rules();
    void case_twins_edit_data();
    void case_twins_edit();
    void case_twins_delete_data();
    void case_twins_delete();
    void refused_edit_keeps_rule_data();
    void refused_edit_keeps_rule();

private:
    QListWidget* List() const { return d_editor->findChild<QListWidget*>(QStringLiteral("rule_list")); }
    QPushButton* Button(const char* name) const
    {
        return d_editor->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    TMessageBox* Message_Box() const
    {
        return d_editor->findChild<TMessageBox*>(QStringLiteral("rule_editor_message_box"));
    }
    QStringList Entries() const;
    void Select(const QStringList& names);
    void Load_Twins(TRules* rules, QTemporaryDir* directory);
    void Load_Plain(TRules* rules, QTemporaryDir* directory);

    std::unique_ptr<TRuleEditorDialog> d_editor;
    TRules d_rules;
};

void TRuleEditorDialogTest::init()
{
    TMessageBox::Clear_Answers();
    d_rules = TRules();
    QVERIFY(d_rules.Create_Group(MAIN));
    QVERIFY(d_rules.Create_Group(SERVO));
    for (const QString& name : {QStringLiteral("Charlie"), QStringLiteral("Alpha"), QStringLiteral("Delta"),
                                QStringLiteral("Bravo")})
    {
        QVERIFY(d_rules.Add_Rule(MAIN, Testing::Rule_Item(name, name + QStringLiteral("_L"))));
    }
    d_editor = std::make_unique<TRuleEditorDialog>();
    d_editor->Reset(MAIN, &d_rules);
}

void TRuleEditorDialogTest::cleanup()
{
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    TMessageBox::Clear_Answers();
    d_editor.reset();
}

QStringList TRuleEditorDialogTest::Entries() const
{
    QStringList entries;
    for (int row = 0; row < List()->count(); ++row)
    {
        entries.append(List()->item(row)->text());
    }
    return entries;
}

void TRuleEditorDialogTest::Select(const QStringList& names)
{
    List()->clearSelection();
    for (int row = 0; row < List()->count(); ++row)
    {
        QListWidgetItem* item = List()->item(row);
        if (names.contains(item->text()))
        {
            List()->setCurrentItem(item, QItemSelectionModel::Select);
        }
    }
}

void TRuleEditorDialogTest::reset_shows_group_sorted()
{
    QCOMPARE(d_editor->findChild<QLabel*>(QStringLiteral("group_label"))->text(), MAIN);
    QCOMPARE(Entries(), QStringList({"Alpha", "Bravo", "Charlie", "Delta"}));
    QCOMPARE(List()->selectionMode(), QAbstractItemView::ExtendedSelection);

    // A second opening on another group forgets the first.
    QVERIFY(d_rules.Add_Rule(SERVO, Testing::Rule_Item(QStringLiteral("Gain"))));
    d_editor->Reset(SERVO, &d_rules);
    QCOMPARE(Entries(), QStringList({"Gain"}));

    // A group name is the user's text, never markup.
    const QString marked_up = QStringLiteral("<b>G</b>");
    QVERIFY(d_rules.Create_Group(marked_up));
    d_editor->Reset(marked_up, &d_rules);
    QLabel* label = d_editor->findChild<QLabel*>(QStringLiteral("group_label"));
    QCOMPARE(label->text(), marked_up);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TRuleEditorDialogTest::reset_on_empty_group()
{
    Select({QStringLiteral("Alpha")});
    d_editor->Reset(SERVO, &d_rules);
    QCOMPARE(List()->count(), 0);
    QVERIFY(Button("add_button")->isEnabled());
    QVERIFY(!Button("edit_button")->isEnabled());
    QVERIFY(!Button("delete_button")->isEnabled());
    QVERIFY(!Button("copy_button")->isEnabled());
}

void TRuleEditorDialogTest::button_states_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("delete_copy");

    QTest::newRow("none selected") << QStringList() << false << false;
    QTest::newRow("one selected") << QStringList{"Bravo"} << true << true;
    QTest::newRow("two selected") << QStringList{"Alpha", "Delta"} << false << true;
    QTest::newRow("all selected") << QStringList{"Alpha", "Bravo", "Charlie", "Delta"} << false << true;
}

void TRuleEditorDialogTest::button_states()
{
    QFETCH(QStringList, selected);
    QFETCH(bool, edit);
    QFETCH(bool, delete_copy);

    // From a different state, so that each row really changes the buttons.
    Select(selected.size() == 1 ? QStringList{"Alpha", "Bravo"} : QStringList{"Alpha"});
    Select(selected);

    QCOMPARE(List()->selectedItems().size(), selected.size());
    QVERIFY(Button("add_button")->isEnabled());
    QCOMPARE(Button("edit_button")->isEnabled(), edit);
    QCOMPARE(Button("delete_button")->isEnabled(), delete_copy);
    QCOMPARE(Button("copy_button")->isEnabled(), delete_copy);
}

void TRuleEditorDialogTest::add_rule()
{
    auto applied = std::make_shared<bool>(false);
    auto seen = Answer_Rule_Item({"  Accel  Max ", "AMAX_X", "2000", "not_greater_than_radio"}, applied);
    QTest::mouseClick(Button("add_button"), Qt::LeftButton);

    QVERIFY(*seen);
    QVERIFY(*applied);
    QCOMPARE(Entries(), QStringList({"Accel Max", "Alpha", "Bravo", "Charlie", "Delta"}));
    const std::vector<TRules::TRuleItem> stored = d_rules.Rules(MAIN);
    QCOMPARE(Names(stored), QStringList({"Charlie", "Alpha", "Delta", "Bravo", "Accel Max"}));
    QCOMPARE(stored.back().left_expression, QStringLiteral("AMAX_X"));
    QCOMPARE(stored.back().right_expression, QStringLiteral("2000"));
    QCOMPARE(stored.back().operator_type, TRules::OPERATOR_NOT_GREATER_THAN);

    // The next add starts from this entry, whose name is now taken.
    auto again = std::make_shared<bool>(true);
    seen = Answer_Rule_Item({}, again);
    QTest::mouseClick(Button("add_button"), Qt::LeftButton);
    QVERIFY(*seen);
    QVERIFY(!*again);
    QCOMPARE(d_rules.Rules(MAIN).size(), std::size_t(5));
}

void TRuleEditorDialogTest::add_rule_cancelled()
{
    auto seen = Testing::Answer_Next_Dialog(
        [](QDialog* dialog)
        {
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("rule_name_edit")),
                             QStringLiteral("Echo"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancel_button")),
                              Qt::LeftButton);
        },
        QStringLiteral("rule_item_dialog"));
    QTest::mouseClick(Button("add_button"), Qt::LeftButton);
    QVERIFY(*seen);
    QCOMPARE(Entries(), QStringList({"Alpha", "Bravo", "Charlie", "Delta"}));
    QCOMPARE(d_rules.Rules(MAIN).size(), std::size_t(4));
}

void TRuleEditorDialogTest::add_rule_refused_by_store()
{
    // The group went away after the editor was opened on it.
    d_editor->Reset(QStringLiteral("Gone"), &d_rules);
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    auto applied = std::make_shared<bool>(false);
    Answer_Rule_Item({"Echo", "1", "2", "equal_radio"}, applied);
    QTest::mouseClick(Button("add_button"), Qt::LeftButton);

    QVERIFY(*applied);
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(Message_Box()->text().contains(QLatin1String("Error")));
    QVERIFY(Message_Box()->informativeText().contains(QLatin1String("Cannot add new rule entry.")));
    QCOMPARE(Message_Box()->detailedText(), QStringLiteral("Source rule group not found"));
    QCOMPARE(Message_Box()->icon(), QMessageBox::Warning);
    QCOMPARE(Message_Box()->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(List()->count(), 0);
}

void TRuleEditorDialogTest::rename_moves_rule_to_end()
{
    Select({QStringLiteral("Alpha")});
    auto applied = std::make_shared<bool>(false);
    Answer_Rule_Item({"Echo", "", "", ""}, applied);
    QTest::mouseClick(Button("edit_button"), Qt::LeftButton);

    QVERIFY(*applied);
    QCOMPARE(Entries(), QStringList({"Bravo", "Charlie", "Delta", "Echo"}));
    QCOMPARE(List()->currentItem()->text(), QStringLiteral("Echo"));
    QCOMPARE(List()->selectedItems().size(), 1);
    QCOMPARE(Name_Left(d_rules.Rules(MAIN)),
             QStringList({"Charlie=Charlie_L", "Delta=Delta_L", "Bravo=Bravo_L", "Echo=Alpha_L"}));
}

void TRuleEditorDialogTest::edit_keeps_name_moves_to_end()
{
    Select({QStringLiteral("Charlie")});
    auto applied = std::make_shared<bool>(false);
    Answer_Rule_Item({"", "VMAX_X", "", "greater_than_radio"}, applied);
    QTest::mouseClick(Button("edit_button"), Qt::LeftButton);

    QVERIFY(*applied);
    QCOMPARE(Entries(), QStringList({"Alpha", "Bravo", "Charlie", "Delta"}));
    const std::vector<TRules::TRuleItem> stored = d_rules.Rules(MAIN);
    QCOMPARE(Name_Left(stored),
             QStringList({"Alpha=Alpha_L", "Delta=Delta_L", "Bravo=Bravo_L", "Charlie=VMAX_X"}));
    QCOMPARE(stored.back().operator_type, TRules::OPERATOR_GREATER_THAN);

    // Renaming to another rule's name in other case is not offered.
    Select({QStringLiteral("Charlie")});
    Answer_Rule_Item({"BRAVO", "", "", ""}, applied);
    QTest::mouseClick(Button("edit_button"), Qt::LeftButton);
    QVERIFY(!*applied);
    QCOMPARE(Names(d_rules.Rules(MAIN)), QStringList({"Alpha", "Delta", "Bravo", "Charlie"}));
}

void TRuleEditorDialogTest::double_click_edits_with_two_selected()
{
    Select({QStringLiteral("Alpha"), QStringLiteral("Bravo")});
    QVERIFY(!Button("edit_button")->isEnabled());

    auto shown_name = std::make_shared<QString>();
    auto seen = Testing::Answer_Next_Dialog(
        [shown_name](QDialog* dialog)
        {
            *shown_name = dialog->findChild<QLineEdit*>(QStringLiteral("rule_name_edit"))->text();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancel_button")),
                              Qt::LeftButton);
        },
        QStringLiteral("rule_item_dialog"));
    QListWidgetItem* bravo = List()->findItems(QStringLiteral("Bravo"), Qt::MatchExactly).first();
    List()->setCurrentItem(bravo, QItemSelectionModel::NoUpdate);
    emit List()->itemDoubleClicked(bravo);

    QVERIFY(*seen);
    QCOMPARE(*shown_name, QStringLiteral("Bravo"));
    QCOMPARE(d_rules.Rules(MAIN).size(), std::size_t(4));
}

void TRuleEditorDialogTest::edit_without_current_entry()
{
    d_editor->Reset(SERVO, &d_rules);
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    QVERIFY(QMetaObject::invokeMethod(d_editor.get(), "Edit_Rule"));

    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(Message_Box()->informativeText().contains(QLatin1String("Cannot edit existing rule.")));
    QCOMPARE(Message_Box()->detailedText(), QStringLiteral("No rule selected"));
}

void TRuleEditorDialogTest::edit_of_rule_gone_from_store()
{
    Select({QStringLiteral("Alpha")});
    // Taken away behind the editor's back: the list still shows it.
    d_rules.Delete_Rule(MAIN, QStringLiteral("Alpha"));
    auto seen = Testing::Answer_Next_Dialog(
        [](QDialog* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancel_button")),
                              Qt::LeftButton);
        },
        QStringLiteral("rule_item_dialog"), 20);
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    QTest::mouseClick(Button("edit_button"), Qt::LeftButton);
    // Let the watch for the rule item dialog run out, so that it cannot act on a later test's dialog.
    QTest::qWait(300);

    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(Message_Box()->informativeText().contains(QLatin1String("Cannot edit existing rule.")));
    QCOMPARE(Message_Box()->detailedText(), QStringLiteral("Rule not found"));
    QCOMPARE(Message_Box()->icon(), QMessageBox::Warning);
    QVERIFY2(!*seen, "no rule to edit, so the rule item dialog must not open");
    QCOMPARE(Names(d_rules.Rules(MAIN)), QStringList({"Charlie", "Delta", "Bravo"}));
}

void TRuleEditorDialogTest::rule_gone_while_item_dialog_open()
{
    Select({QStringLiteral("Delta")});
    auto applied = std::make_shared<bool>(false);
    TRules* rules = &d_rules;
    Testing::Answer_Next_Dialog(
        [applied, rules](QDialog* dialog)
        {
            rules->Delete_Rule(MAIN, QStringLiteral("Delta"));
            Retype(dialog->findChild<QLineEdit*>(QStringLiteral("left_expression_edit")),
                   QStringLiteral("edited"));
            QPushButton* apply = dialog->findChild<QPushButton*>(QStringLiteral("apply_button"));
            *applied = apply->isEnabled();
            QTest::mouseClick(apply, Qt::LeftButton);
        },
        QStringLiteral("rule_item_dialog"));
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    QTest::mouseClick(Button("edit_button"), Qt::LeftButton);

    QVERIFY(*applied);
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(Message_Box()->informativeText().contains(QLatin1String("Cannot add new rule entry.")));
    QCOMPARE(Message_Box()->detailedText(), QStringLiteral("Rule not found"));
    // The edit must not bring back a rule that is gone, nor add the edited one beside the others.
    QCOMPARE(Name_Left(d_rules.Rules(MAIN)),
             QStringList({"Charlie=Charlie_L", "Alpha=Alpha_L", "Bravo=Bravo_L"}));
}

void TRuleEditorDialogTest::delete_three_asks_once()
{
    Select({QStringLiteral("Alpha"), QStringLiteral("Charlie"), QStringLiteral("Delta")});
    TMessageBox::Queue_Answer(QMessageBox::Yes);
    QTest::mouseClick(Button("delete_button"), Qt::LeftButton);

    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(Message_Box()->informativeText().contains(QLatin1String("Delete selected rules?")));
    QCOMPARE(Message_Box()->icon(), QMessageBox::Question);
    QCOMPARE(Message_Box()->defaultButton(), Message_Box()->button(QMessageBox::No));
    QCOMPARE(Entries(), QStringList({"Bravo"}));
    QCOMPARE(Names(d_rules.Rules(MAIN)), QStringList({"Bravo"}));
    QVERIFY(!Button("delete_button")->isEnabled());
}

void TRuleEditorDialogTest::delete_answered_no()
{
    Select({QStringLiteral("Alpha"), QStringLiteral("Bravo")});
    TMessageBox::Queue_Answer(QMessageBox::No);
    QTest::mouseClick(Button("delete_button"), Qt::LeftButton);

    QCOMPARE(Entries(), QStringList({"Alpha", "Bravo", "Charlie", "Delta"}));
    QCOMPARE(d_rules.Rules(MAIN).size(), std::size_t(4));
}

void TRuleEditorDialogTest::copy_rules_data()
{
    QTest::addColumn<bool>("only_group");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("expected_targets");
    QTest::addColumn<QStringList>("expected_main");
    QTest::addColumn<QStringList>("expected_servo");

    const QStringList main_before{"Charlie=Charlie_L", "Alpha=Alpha_L", "Delta=Delta_L", "Bravo=Bravo_L"};
    // Servo holds "alpha" beforehand; Alpha and Bravo are copied.
    QTest::newRow("other group, no overwrite")
        << false << "No" << QStringList{"Servo", "Extra"} << main_before
        << QStringList{"alpha=servo_L", "Bravo=Bravo_L"};
    QTest::newRow("other group, overwrite") << false << "Yes" << QStringList{"Servo", "Extra"} << main_before
                                            << QStringList{"Alpha=Alpha_L", "Bravo=Bravo_L"};
    QTest::newRow("only group, overwrite moves to end")
        << true << "Yes" << QStringList{"Main"}
        << QStringList{"Charlie=Charlie_L", "Delta=Delta_L", "Alpha=Alpha_L", "Bravo=Bravo_L"}
        << QStringList();
    QTest::newRow("only group, no overwrite changes nothing")
        << true << "No" << QStringList{"Main"} << main_before << QStringList();
}

void TRuleEditorDialogTest::copy_rules()
{
    QFETCH(bool, only_group);
    QFETCH(QString, answer);
    QFETCH(QStringList, expected_targets);
    QFETCH(QStringList, expected_main);
    QFETCH(QStringList, expected_servo);

    if (only_group)
    {
        d_rules = TRules();
        QVERIFY(d_rules.Create_Group(MAIN));
        for (const QString& name : {QStringLiteral("Charlie"), QStringLiteral("Alpha"),
                                    QStringLiteral("Delta"), QStringLiteral("Bravo")})
        {
            QVERIFY(d_rules.Add_Rule(MAIN, Testing::Rule_Item(name, name + QStringLiteral("_L"))));
        }
    }
    else
    {
        QVERIFY(d_rules.Create_Group(QStringLiteral("Extra")));
        QVERIFY(
            d_rules.Add_Rule(SERVO, Testing::Rule_Item(QStringLiteral("alpha"), QStringLiteral("servo_L"))));
    }
    d_editor->Reset(MAIN, &d_rules);

    Select({QStringLiteral("Alpha"), QStringLiteral("Bravo")});
    TMessageBox::Queue_Answer(answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No);
    auto targets = std::make_shared<QStringList>();
    auto seen = Testing::Answer_Next_Dialog(
        [targets](QDialog* dialog)
        {
            *targets = Copy_Targets(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("copy_button")), Qt::LeftButton);
        },
        QStringLiteral("copy_rules_dialog"));
    QTest::mouseClick(Button("copy_button"), Qt::LeftButton);

    QVERIFY(*seen);
    QCOMPARE(*targets, expected_targets);
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(Message_Box()->informativeText().contains(
        QLatin1String("Do you want to overwrite existing rules in target group (if they exist)?")));
    QCOMPARE(Name_Left(d_rules.Rules(MAIN)), expected_main);
    QCOMPARE(Name_Left(d_rules.Rules(SERVO)), expected_servo);
    // The list shows the source group, which a copy leaves as it is.
    QCOMPARE(Entries(), QStringList({"Alpha", "Bravo", "Charlie", "Delta"}));
}

void TRuleEditorDialogTest::Load_Twins(TRules* rules, QTemporaryDir* directory)
{
    QVERIFY(directory->isValid());
    QFile file(directory->filePath(QStringLiteral("rules.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Made by hand: two rules whose names differ only in case.
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
               "<Rules File_Version=\"1\">\n"
               "  <Rule_Group><Name>Main</Name>\n"
               "    <Rule_Item><Name>Speed</Name><Left_Expression>small</Left_Expression>"
               "<Right_Expression>1</Right_Expression><Operator>OPEATOR_EQUAL</Operator></Rule_Item>\n"
               "    <Rule_Item><Name>Feed</Name><Left_Expression>feed</Left_Expression>"
               "<Right_Expression>1</Right_Expression><Operator>OPEATOR_EQUAL</Operator></Rule_Item>\n"
               "    <Rule_Item><Name>SPEED</Name><Left_Expression>capital</Left_Expression>"
               "<Right_Expression>1</Right_Expression><Operator>OPEATOR_EQUAL</Operator></Rule_Item>\n"
               "  </Rule_Group>\n"
               "</Rules>\n");
    file.close();
    rules->Set_Rule_Path(directory->path());
    QVERIFY2(rules->Load_Rules(), qPrintable(rules->Last_Error()));
    // Loading sorts by code unit: capitals first.
    QCOMPARE(Name_Left(rules->Rules(MAIN)), QStringList({"Feed=feed", "SPEED=capital", "Speed=small"}));
    QVERIFY(!rules->Is_Modified());
}

void TRuleEditorDialogTest::Load_Plain(TRules* rules, QTemporaryDir* directory)
{
    QVERIFY(directory->isValid());
    QFile file(directory->filePath(QStringLiteral("rules.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
               "<Rules File_Version=\"1\">\n"
               "  <Rule_Group><Name>Main</Name>\n");
    for (const char* name : {"Charlie", "Alpha", "Delta", "Bravo"})
    {
        file.write(QByteArray("    <Rule_Item><Name>") + name + "</Name><Left_Expression>" + name +
                   "_L</Left_Expression><Right_Expression>2</Right_Expression>"
                   "<Operator>OPERATOR_LESS_THAN</Operator></Rule_Item>\n");
    }
    file.write("  </Rule_Group>\n"
               "  <Rule_Group><Name>Servo</Name></Rule_Group>\n"
               "</Rules>\n");
    file.close();
    rules->Set_Rule_Path(directory->path());
    QVERIFY2(rules->Load_Rules(), qPrintable(rules->Last_Error()));
    QVERIFY(!rules->Is_Modified());
}

void TRuleEditorDialogTest::case_twins_edit_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("new_name");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("capital twin renamed")
        << "SPEED"
        << "Velocity" << false << QStringList{"Feed=feed", "Speed=small", "Velocity=edited"};
    QTest::newRow("small twin renamed, capital one stays in place")
        << "Speed"
        << "Velocity" << false << QStringList{"Feed=feed", "SPEED=capital", "Velocity=edited"};
    QTest::newRow("rule beside the twins renamed")
        << "Feed"
        << "Rate" << false << QStringList{"SPEED=capital", "Speed=small", "Rate=edited"};
    QTest::newRow("capital twin keeps its name")
        << "SPEED"
        << "" << true << QStringList{"Feed=feed", "SPEED=capital", "Speed=small"};
    QTest::newRow("small twin keeps its name")
        << "Speed"
        << "" << true << QStringList{"Feed=feed", "SPEED=capital", "Speed=small"};
}

void TRuleEditorDialogTest::case_twins_edit()
{
    QFETCH(QString, entry);
    QFETCH(QString, new_name);
    QFETCH(bool, refused);
    QFETCH(QStringList, expected);

    QTemporaryDir directory;
    TRules rules;
    Load_Twins(&rules, &directory);
    d_editor->Reset(MAIN, &rules);
    QCOMPARE(Entries().size(), 3);

    Select({entry});
    auto shown_left = std::make_shared<QString>();
    auto applied = std::make_shared<bool>(false);
    Testing::Answer_Next_Dialog(
        [=](QDialog* dialog)
        {
            *shown_left = dialog->findChild<QLineEdit*>(QStringLiteral("left_expression_edit"))->text();
            Retype(dialog->findChild<QLineEdit*>(QStringLiteral("left_expression_edit")),
                   QStringLiteral("edited"));
            if (!new_name.isEmpty())
            {
                Retype(dialog->findChild<QLineEdit*>(QStringLiteral("rule_name_edit")), new_name);
            }
            QPushButton* apply = dialog->findChild<QPushButton*>(QStringLiteral("apply_button"));
            *applied = apply->isEnabled();
            QTest::mouseClick(apply, Qt::LeftButton);
        },
        QStringLiteral("rule_item_dialog"));
    if (refused)
    {
        TMessageBox::Queue_Answer(QMessageBox::Ok);
    }
    QTest::mouseClick(Button("edit_button"), Qt::LeftButton);

    QVERIFY(*applied);
    // The rule opened is the one whose name is exactly the entry's.
    const QString opened_left = entry == QLatin1String("SPEED")   ? QStringLiteral("capital")
                                : entry == QLatin1String("Speed") ? QStringLiteral("small")
                                                                  : QStringLiteral("feed");
    QCOMPARE(*shown_left, opened_left);
    QCOMPARE(Name_Left(rules.Rules(MAIN)), expected);
    if (refused)
    {
        QCOMPARE(TMessageBox::Pending_Answers(), 0);
        QVERIFY(Message_Box()->informativeText().contains(QLatin1String("Cannot add new rule entry.")));
        QCOMPARE(Message_Box()->detailedText(), QStringLiteral("Rule item already exists"));
    }
    // A refused edit leaves nothing for the close to write.
    QCOMPARE(rules.Is_Modified(), !refused);
    // The list keeps showing what the store holds.
    QStringList stored = Names(rules.Rules(MAIN));
    QStringList shown = Entries();
    stored.sort();
    shown.sort();
    QCOMPARE(shown, stored);
}

void TRuleEditorDialogTest::case_twins_delete_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("capital twin") << QStringList{"SPEED"} << QStringList{"Feed=feed", "Speed=small"};
    QTest::newRow("small twin, capital one in front")
        << QStringList{"Speed"} << QStringList{"Feed=feed", "SPEED=capital"};
    QTest::newRow("rule beside the twins")
        << QStringList{"Feed"} << QStringList{"SPEED=capital", "Speed=small"};
    QTest::newRow("both twins") << QStringList{"Speed", "SPEED"} << QStringList{"Feed=feed"};
}

void TRuleEditorDialogTest::case_twins_delete()
{
    QFETCH(QStringList, selected);
    QFETCH(QStringList, expected);

    QTemporaryDir directory;
    TRules rules;
    Load_Twins(&rules, &directory);
    d_editor->Reset(MAIN, &rules);

    Select(selected);
    TMessageBox::Queue_Answer(QMessageBox::Yes);
    QTest::mouseClick(Button("delete_button"), Qt::LeftButton);

    QCOMPARE(Name_Left(rules.Rules(MAIN)), expected);
    QVERIFY(rules.Is_Modified());
    QStringList stored = Names(rules.Rules(MAIN));
    QStringList shown = Entries();
    stored.sort();
    shown.sort();
    QCOMPARE(shown, stored);
}

void TRuleEditorDialogTest::refused_edit_keeps_rule_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("expected");

    // The rule as it was stays where it was: neither it nor a twin moves.
    QTest::newRow("no twin, rules in added order")
        << "added"
        << "Alpha" << QStringList{"Charlie=Charlie_L", "Alpha=Alpha_L", "Delta=Delta_L", "Bravo=Bravo_L"};
    QTest::newRow("no twin, fresh load")
        << "plain"
        << "Bravo" << QStringList{"Alpha=Alpha_L", "Bravo=Bravo_L", "Charlie=Charlie_L", "Delta=Delta_L"};
    QTest::newRow("capital twin") << "twins"
                                  << "SPEED" << QStringList{"Feed=feed", "SPEED=capital", "Speed=small"};
    QTest::newRow("small twin, capital one in front")
        << "twins"
        << "Speed" << QStringList{"Feed=feed", "SPEED=capital", "Speed=small"};
}

void TRuleEditorDialogTest::refused_edit_keeps_rule()
{
    QFETCH(QString, store);
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);

    QTemporaryDir directory;
    TRules loaded;
    TRules* rules = &d_rules;
    if (store == QLatin1String("twins"))
    {
        Load_Twins(&loaded, &directory);
        rules = &loaded;
    }
    else if (store == QLatin1String("plain"))
    {
        Load_Plain(&loaded, &directory);
        rules = &loaded;
    }
    const QStringList groups = rules->Rule_Groups();
    const bool modified_before = rules->Is_Modified();
    d_editor->Reset(MAIN, rules);
    Select({entry});

    auto applied = std::make_shared<bool>(false);
    Testing::Answer_Next_Dialog(
        [applied](QDialog* dialog)
        {
            // A control character cannot be typed, but may come in by paste; the rules file cannot
            // hold it.
            dialog->findChild<QLineEdit*>(QStringLiteral("rule_name_edit"))
                ->setText(QStringLiteral("Veloc\x01ity"));
            Retype(dialog->findChild<QLineEdit*>(QStringLiteral("left_expression_edit")),
                   QStringLiteral("edited"));
            QPushButton* apply = dialog->findChild<QPushButton*>(QStringLiteral("apply_button"));
            *applied = apply->isEnabled();
            QTest::mouseClick(apply, Qt::LeftButton);
        },
        QStringLiteral("rule_item_dialog"));
    TMessageBox::Queue_Answer(QMessageBox::Ok);
    QTest::mouseClick(Button("edit_button"), Qt::LeftButton);

    QVERIFY(*applied);
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(Message_Box()->informativeText().contains(QLatin1String("Cannot add new rule entry.")));
    QVERIFY(!Message_Box()->detailedText().isEmpty());
    QCOMPARE(Name_Left(rules->Rules(MAIN)), expected);
    QCOMPARE(rules->Rule_Groups(), groups);
    QCOMPARE(rules->Is_Modified(), modified_before);
    QVERIFY(Entries().contains(entry));
    QCOMPARE(Entries().size(), int(expected.size()));
}

QTEST_MAIN(TRuleEditorDialogTest)
#include "tst_ruleeditordialog.moc"
