#include "expressionedit.h"
#include "parameterrecord.h"
#include "parameters.h"
#include "ruleitemdialog.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

Q_DECLARE_METATYPE(TRules::TOperatorType)

namespace
{
QLineEdit* Edit(TRuleItemDialog& dialog, const char* name)
{
    QLineEdit* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    Q_ASSERT(edit);
    return edit;
}

QRadioButton* Radio(TRuleItemDialog& dialog, const QString& name)
{
    return dialog.findChild<QRadioButton*>(name);
}

QPushButton* Apply(TRuleItemDialog& dialog)
{
    return dialog.findChild<QPushButton*>(QStringLiteral("apply_button"));
}

// Types over the whole field as a user would, so that the field reports a user edit.
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

// The values a rule is previewed against: a scalar, an array and a real.
TParameters Preview_Parameters()
{
    TParameters parameters;
    parameters.Add_Parameter(Record(QStringLiteral("DEA_TAPS"), TParameters::TYPE_INTEGER, {8}));
    parameters.Add_Parameter(
        Record(QStringLiteral("TTP_DECL"), TParameters::TYPE_INTEGER_ARRAY, {250, 250, 125}));
    parameters.Add_Parameter(Record(QStringLiteral("MAXSPEED"), TParameters::TYPE_DOUBLE, {}, {1.5}));
    return parameters;
}

QString Label_Text(TRuleItemDialog& dialog, const QString& name)
{
    return dialog.findChild<QLabel*>(name)->text();
}

TRules::TRuleItem Speed_Rule()
{
    return Testing::Rule_Item(QStringLiteral("Speed"), QStringLiteral("VMAX_X"), QStringLiteral("500"),
                              TRules::OPERATOR_NOT_GREATER_THAN);
}
} // namespace

class TRuleItemDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void first_add_opens_empty();
    void add_mode_apply_state_data();
    void add_mode_apply_state();
    void edit_mode_apply_state_data();
    void edit_mode_apply_state();
    void edit_mode_shows_rule_data();
    void edit_mode_shows_rule();
    void rule_item_is_simplified();
    void add_mode_keeps_last_entry();
    void edit_then_add_keeps_shown_rule();
    void tab_order();
    void return_applies_data();
    void return_applies();
    void long_stored_name_is_kept_until_shortened();
    void preview_follows_typing_data();
    void preview_follows_typing();
    void completion_data();
    void completion();
};

void TRuleItemDialogTest::first_add_opens_empty()
{
    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_ADD, Speed_Rule(), QStringList());

    QVERIFY(Edit(dialog, "rule_name_edit")->text().isEmpty());
    QVERIFY(Edit(dialog, "left_expression_edit")->text().isEmpty());
    QVERIFY(Edit(dialog, "right_expression_edit")->text().isEmpty());
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>())
    {
        QVERIFY2(!radio->isChecked(), qPrintable(radio->objectName()));
    }
    QVERIFY(!Apply(dialog)->isEnabled());
    QVERIFY(!dialog.Validate());
}

void TRuleItemDialogTest::add_mode_apply_state_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("reason"); // what the dialog says while Apply is disabled

    const QStringList existing{QStringLiteral("Speed"), QStringLiteral("Accel")};
    const QString radio = QStringLiteral("equal_radio");

    QTest::newRow("complete entry") << "Feed"
                                    << "A"
                                    << "B" << radio << existing << true << "";
    QTest::newRow("64 characters") << QString(64, QLatin1Char('n')) << "A"
                                   << "B" << radio << existing << true << "";
    QTest::newRow("65 typed, the field takes 64") << QString(65, QLatin1Char('n')) << "A"
                                                  << "B" << radio << existing << true << "";
    QTest::newRow("66 typed, 64 once blanks simplified")
        << QString(31, QLatin1Char('a')) + QStringLiteral("   ") + QString(32, QLatin1Char('b')) << "A"
        << "B" << radio << existing << true << "";
    QTest::newRow("64 with outer blanks")
        << QStringLiteral("  ") + QString(64, QLatin1Char('n')) + QStringLiteral(" ") << "A"
        << "B" << radio << existing << true << "";
    QTest::newRow("empty name") << ""
                                << "A"
                                << "B" << radio << existing << false << "Enter a name for the rule.";
    QTest::newRow("blank name") << "    "
                                << "A"
                                << "B" << radio << existing << false << "Enter a name for the rule.";
    QTest::newRow("name taken exactly")
        << "Speed"
        << "A"
        << "B" << radio << existing << false << "The group has a rule named \"Speed\" already.";
    QTest::newRow("name taken in other case")
        << "speed"
        << "A"
        << "B" << radio << existing << false << "The group has a rule named \"Speed\" already.";
    QTest::newRow("name taken after simplification")
        << " Accel "
        << "A"
        << "B" << radio << existing << false << "The group has a rule named \"Accel\" already.";
    QTest::newRow("no operator") << "Feed"
                                 << "A"
                                 << "B"
                                 << "" << existing << false << "Choose an operator.";
    QTest::newRow("empty left") << "Feed"
                                << ""
                                << "B" << radio << existing << false << "Enter the left expression.";
    QTest::newRow("blank left") << "Feed"
                                << "   "
                                << "B" << radio << existing << false << "Enter the left expression.";
    QTest::newRow("blank right") << "Feed"
                                 << "A"
                                 << "  " << radio << existing << false << "Enter the right expression.";
    QTest::newRow("not less than") << "Feed"
                                   << "A"
                                   << "B"
                                   << "not_less_than_radio" << existing << true << "";
    QTest::newRow("not greater than") << "Feed"
                                      << "A"
                                      << "B"
                                      << "not_greater_than_radio" << existing << true << "";
}

void TRuleItemDialogTest::add_mode_apply_state()
{
    QFETCH(QString, name);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, radio);
    QFETCH(QStringList, existing);
    QFETCH(bool, enabled);
    QFETCH(QString, reason);

    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), existing);

    // The operator first, so that the last change is a typed one and the state reflects every check.
    if (!radio.isEmpty())
    {
        QTest::mouseClick(Radio(dialog, radio), Qt::LeftButton);
        QVERIFY(Radio(dialog, radio)->isChecked());
    }
    QTest::keyClicks(Edit(dialog, "right_expression_edit"), right);
    QTest::keyClicks(Edit(dialog, "left_expression_edit"), left);
    QTest::keyClicks(Edit(dialog, "rule_name_edit"), name);

    QCOMPARE(dialog.Validate(), enabled);
    QCOMPARE(Apply(dialog)->isEnabled(), enabled);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("refusal_label"))->text(), reason);
    QVERIFY(Edit(dialog, "rule_name_edit")->text().simplified().size() <= 64);
}

void TRuleItemDialogTest::edit_mode_apply_state_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("nothing changed") << ""
                                     << "" << false;
    QTest::newRow("left changed") << "left_expression_edit"
                                  << "VMAX_X * 2" << true;
    QTest::newRow("right changed") << "right_expression_edit"
                                   << "400" << true;
    QTest::newRow("left retyped as it was") << "left_expression_edit"
                                            << "VMAX_X" << true;
    QTest::newRow("renamed to free name") << "rule_name_edit"
                                          << "Velocity" << true;
    QTest::newRow("renamed in other case") << "rule_name_edit"
                                           << "SPEED" << false;
    QTest::newRow("renamed to other rule in other case") << "rule_name_edit"
                                                         << "accel" << false;
    QTest::newRow("name kept with outer blanks") << "rule_name_edit"
                                                 << " Speed " << true;
    QTest::newRow("name emptied") << "rule_name_edit"
                                  << "" << false;
    QTest::newRow("left emptied") << "left_expression_edit"
                                  << "" << false;
    QTest::newRow("right blanked") << "right_expression_edit"
                                   << "   " << false;
    QTest::newRow("operator changed") << "equal_radio"
                                      << "" << true;
}

void TRuleItemDialogTest::edit_mode_apply_state()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, enabled);

    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_EDIT, Speed_Rule(),
                 {QStringLiteral("Accel"), QStringLiteral("Speed")});
    QVERIFY(!Apply(dialog)->isEnabled());

    if (field.endsWith(QLatin1String("_radio")))
    {
        QTest::mouseClick(Radio(dialog, field), Qt::LeftButton);
    }
    else if (!field.isEmpty())
    {
        Retype(dialog.findChild<QLineEdit*>(field), text);
    }
    QCOMPARE(Apply(dialog)->isEnabled(), enabled);
}

void TRuleItemDialogTest::edit_mode_shows_rule_data()
{
    QTest::addColumn<TRules::TOperatorType>("operator_type");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("label");
    // What the dialog says the operator tests: the comparisons as the run makes them.
    QTest::addColumn<QString>("test");

    QTest::newRow("less than") << TRules::OPERATOR_LESS_THAN << "less_than_radio"
                               << "Left Exp. Less Than Right Exp."
                               << "The rule passes when left <= right.";
    QTest::newRow("equal") << TRules::OPERATOR_EQUAL << "equal_radio"
                           << "Left Exp. Equals Right Exp."
                           << "The rule passes when left and right differ by at most 0.000001.";
    QTest::newRow("greater than") << TRules::OPERATOR_GREATER_THAN << "greater_than_radio"
                                  << "Left Exp. Greater Than Right Exp."
                                  << "The rule passes when left >= right.";
    QTest::newRow("not less than") << TRules::OPERATOR_NOT_LESS_THAN << "not_less_than_radio"
                                   << "Left Exp. Not Less Than Right Exp."
                                   << "The rule passes when left > right.";
    QTest::newRow("not equal") << TRules::OPERATOR_NOT_EQUAL << "not_equal_radio"
                               << "Left Exp. Not Equal To Right Exp."
                               << "The rule passes when left and right differ by at least 0.000001.";
    QTest::newRow("not greater than") << TRules::OPERATOR_NOT_GREATER_THAN << "not_greater_than_radio"
                                      << "Left Exp. Not Greater Than Right Exp."
                                      << "The rule passes when left < right.";
}

void TRuleItemDialogTest::edit_mode_shows_rule()
{
    QFETCH(TRules::TOperatorType, operator_type);
    QFETCH(QString, radio);
    QFETCH(QString, label);
    QFETCH(QString, test);

    TRuleItemDialog dialog;
    // A different operator first: the next Reset must move the check, not add one.
    TRules::TRuleItem rule = Speed_Rule();
    rule.operator_type =
        operator_type == TRules::OPERATOR_EQUAL ? TRules::OPERATOR_LESS_THAN : TRules::OPERATOR_EQUAL;
    dialog.Reset(TRuleItemDialog::MODE_EDIT, rule, {rule.name});
    rule.operator_type = operator_type;
    dialog.Reset(TRuleItemDialog::MODE_EDIT, rule, {rule.name});

    QCOMPARE(Edit(dialog, "rule_name_edit")->text(), rule.name);
    QCOMPARE(Edit(dialog, "left_expression_edit")->text(), rule.left_expression);
    QCOMPARE(Edit(dialog, "right_expression_edit")->text(), rule.right_expression);
    int checked = 0;
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
    {
        checked += button->isChecked() ? 1 : 0;
    }
    QCOMPARE(checked, 1);
    QVERIFY(Radio(dialog, radio)->isChecked());
    QCOMPARE(Radio(dialog, radio)->text(), label);
    QCOMPARE(Radio(dialog, radio)->toolTip(), test);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("operator_test_label"))->text(), test);
    QVERIFY(!Apply(dialog)->isEnabled());

    const TRules::TRuleItem item = dialog.Rule_Item();
    QCOMPARE(item.operator_type, operator_type);
    QCOMPARE(item.name, rule.name);
}

void TRuleItemDialogTest::rule_item_is_simplified()
{
    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), QStringList());
    QTest::keyClicks(Edit(dialog, "rule_name_edit"), QStringLiteral("  Max    Speed X "));
    QTest::keyClicks(Edit(dialog, "left_expression_edit"), QStringLiteral(" VMAX_X  *   2 "));
    QTest::keyClicks(Edit(dialog, "right_expression_edit"), QStringLiteral("\t1000 "));
    QTest::mouseClick(Radio(dialog, QStringLiteral("greater_than_radio")), Qt::LeftButton);

    QVERIFY(Apply(dialog)->isEnabled());
    const TRules::TRuleItem item = dialog.Rule_Item();
    QCOMPARE(item.name, QStringLiteral("Max Speed X"));
    QCOMPARE(item.left_expression, QStringLiteral("VMAX_X * 2"));
    QCOMPARE(item.right_expression, QStringLiteral("1000"));
    QCOMPARE(item.operator_type, TRules::OPERATOR_GREATER_THAN);
}

void TRuleItemDialogTest::add_mode_keeps_last_entry()
{
    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), {QStringLiteral("Accel")});
    QTest::keyClicks(Edit(dialog, "rule_name_edit"), QStringLiteral("Speed"));
    QTest::keyClicks(Edit(dialog, "left_expression_edit"), QStringLiteral("VMAX_X"));
    QTest::keyClicks(Edit(dialog, "right_expression_edit"), QStringLiteral("500"));
    QTest::mouseClick(Radio(dialog, QStringLiteral("not_equal_radio")), Qt::LeftButton);
    QVERIFY(Apply(dialog)->isEnabled());

    // The rule just entered is now in the group; the rule handed in is not shown in this mode.
    TRules::TRuleItem other;
    other.name = QStringLiteral("Other");
    dialog.Reset(TRuleItemDialog::MODE_ADD, other, {QStringLiteral("Accel"), QStringLiteral("Speed")});

    QCOMPARE(Edit(dialog, "rule_name_edit")->text(), QStringLiteral("Speed"));
    QCOMPARE(Edit(dialog, "left_expression_edit")->text(), QStringLiteral("VMAX_X"));
    QCOMPARE(Edit(dialog, "right_expression_edit")->text(), QStringLiteral("500"));
    QVERIFY(Radio(dialog, QStringLiteral("not_equal_radio"))->isChecked());
    QVERIFY(!Apply(dialog)->isEnabled());

    Retype(Edit(dialog, "rule_name_edit"), QStringLiteral("Speed Y"));
    QVERIFY(Apply(dialog)->isEnabled());
    QCOMPARE(dialog.Rule_Item().operator_type, TRules::OPERATOR_NOT_EQUAL);

    // Kept but still free: offered at once.
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), {QStringLiteral("Accel")});
    QVERIFY(Apply(dialog)->isEnabled());
}

void TRuleItemDialogTest::edit_then_add_keeps_shown_rule()
{
    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_EDIT, Speed_Rule(), {QStringLiteral("Speed")});
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), {QStringLiteral("Speed")});

    QCOMPARE(Edit(dialog, "rule_name_edit")->text(), QStringLiteral("Speed"));
    QVERIFY(Edit(dialog, "rule_name_edit")->isEnabled());
    // In the add mode the old name no longer excuses a taken name.
    QVERIFY(!Apply(dialog)->isEnabled());
    QVERIFY(!dialog.Validate());
}

void TRuleItemDialogTest::tab_order()
{
    TRuleItemDialog dialog;
    const QStringList expected{
        QStringLiteral("rule_name_edit"),        QStringLiteral("left_expression_edit"),
        QStringLiteral("less_than_radio"),       QStringLiteral("equal_radio"),
        QStringLiteral("greater_than_radio"),    QStringLiteral("not_greater_than_radio"),
        QStringLiteral("not_equal_radio"),       QStringLiteral("not_less_than_radio"),
        QStringLiteral("right_expression_edit"), QStringLiteral("cancel_button"),
        QStringLiteral("apply_button")};

    QStringList chain;
    QWidget* widget = dialog.findChild<QWidget*>(expected.first());
    for (int step = 0; step < 100 && chain.size() < expected.size(); ++step)
    {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
        {
            chain.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(chain, expected);
}

void TRuleItemDialogTest::return_applies_data()
{
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("acceptable entry") << "500" << true;
    QTest::newRow("Apply disabled: nothing happens") << "" << false;
}

void TRuleItemDialogTest::return_applies()
{
    QFETCH(QString, right);
    QFETCH(bool, accepted);

    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), QStringList());
    dialog.show();
    QTest::mouseClick(Radio(dialog, QStringLiteral("less_than_radio")), Qt::LeftButton);
    QTest::keyClicks(Edit(dialog, "left_expression_edit"), QStringLiteral("VMAX_X"));
    QTest::keyClicks(Edit(dialog, "right_expression_edit"), right);
    QTest::keyClicks(Edit(dialog, "rule_name_edit"), QStringLiteral("Speed"));
    QTest::keyClick(Edit(dialog, "rule_name_edit"), Qt::Key_Return);

    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
}

// A rules file made by hand can hold a longer name: it is shown whole, the dialog says why it cannot be
// applied, and the field takes no more characters but lets the user shorten it.
void TRuleItemDialogTest::long_stored_name_is_kept_until_shortened()
{
    TRules::TRuleItem rule = Speed_Rule();
    rule.name = QString(70, QLatin1Char('n'));
    TRuleItemDialog dialog;
    dialog.Reset(TRuleItemDialog::MODE_EDIT, rule, {rule.name});
    QLineEdit* name = Edit(dialog, "rule_name_edit");
    QLabel* refusal = dialog.findChild<QLabel*>(QStringLiteral("refusal_label"));
    QCOMPARE(name->text(), rule.name);
    QCOMPARE(refusal->text(), QStringLiteral("The name is longer than 64 characters."));

    name->end(false);
    QTest::keyClicks(name, QStringLiteral("x"));
    QCOMPARE(name->text(), rule.name);
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text().size(), 69);
    QVERIFY(!Apply(dialog)->isEnabled());

    Retype(name, QStringLiteral("Speed"));
    QVERIFY(Apply(dialog)->isEnabled());
    QVERIFY(refusal->text().isEmpty());
}

void TRuleItemDialogTest::preview_follows_typing_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("left_value");
    QTest::addColumn<QString>("right_value");
    QTest::addColumn<QString>("outcome");

    // Greater Than passes when left >= right.
    QTest::newRow("values that fail") << "DEA_TAPS * 2"
                                      << "TTP_DECL.3"
                                      << "= 16"
                                      << "= 125"
                                      << "Outcome: FAIL";
    QTest::newRow("names in any case that pass") << "ttp_decl.1"
                                                 << "maxspeed"
                                                 << "= 250"
                                                 << "= 1.5"
                                                 << "Outcome: PASS";
    QTest::newRow("a misspelt key") << "DEA_TAP"
                                    << "4"
                                    << "Unknown name: DEA_TAP."
                                    << "= 4"
                                    << "Outcome: invalid";
    QTest::newRow("a bracket left open") << "1"
                                         << "SQRT((DEA_TAPS"
                                         << "= 1"
                                         << "2 brackets are not closed."
                                         << "Outcome: invalid";
    QTest::newRow("a value that is no finite number") << "1/0"
                                                      << "1"
                                                      << "= inf"
                                                      << "= 1"
                                                      << "Outcome: invalid";
    QTest::newRow("one side still empty: no outcome") << "DEA_TAPS"
                                                      << ""
                                                      << "= 8" << QString() << QString();
}

// Typed into the real dialog, each side shows its value with the loaded parameters or why it has none,
// and the rule its outcome under the chosen operator.
void TRuleItemDialogTest::preview_follows_typing()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, left_value);
    QFETCH(QString, right_value);
    QFETCH(QString, outcome);

    const TParameters parameters = Preview_Parameters();
    TRuleItemDialog dialog;
    dialog.Set_Parameters(&parameters);
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), QStringList());
    QTest::mouseClick(Radio(dialog, QStringLiteral("greater_than_radio")), Qt::LeftButton);
    Retype(Edit(dialog, "left_expression_edit"), left);
    Retype(Edit(dialog, "right_expression_edit"), right);

    QCOMPARE(Label_Text(dialog, QStringLiteral("left_value_label")), left_value);
    QCOMPARE(Label_Text(dialog, QStringLiteral("right_value_label")), right_value);
    QCOMPARE(Label_Text(dialog, QStringLiteral("rule_outcome_label")), outcome);
    // Apply still asks for a name only: the preview never refuses an entry.
    QVERIFY(!Apply(dialog)->isEnabled());
}

void TRuleItemDialogTest::completion_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered"); // empty: the list stays closed
    QTest::addColumn<int>("chosen");          // row chosen with the arrow keys and Return
    QTest::addColumn<QString>("completed");

    QTest::newRow("a key") << "2*de" << QStringList{"DEA_TAPS"} << 0 << "2*DEA_TAPS";
    QTest::newRow("an array's elements")
        << "ttp" << QStringList{"TTP_DECL.1", "TTP_DECL.2", "TTP_DECL.3"} << 2 << "TTP_DECL.3";
    QTest::newRow("an element number typed")
        << "TTP_DECL.2" << QStringList{"TTP_DECL.2"} << 0 << "TTP_DECL.2";
    QTest::newRow("the functions") << "1+s" << QStringList{"SQRT(", "SUMSQ("} << 1 << "1+SUMSQ(";
    QTest::newRow("a number is no name") << "12" << QStringList() << -1 << "12";
    QTest::newRow("nothing starts so") << "ZZ" << QStringList() << -1 << "ZZ";
}

void TRuleItemDialogTest::completion()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    QFETCH(int, chosen);
    QFETCH(QString, completed);

    const TParameters parameters = Preview_Parameters();
    TRuleItemDialog dialog;
    dialog.Set_Parameters(&parameters);
    dialog.Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), QStringList());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TExpressionEdit* edit = dialog.findChild<TExpressionEdit*>(QStringLiteral("left_expression_edit"));
    QTest::keyClicks(edit, typed);

    QAbstractItemView* popup = edit->Completer()->popup();
    // A name typed out whole needs no list.
    const bool listed = !offered.isEmpty() && !(offered.size() == 1 && offered.first() == typed);
    QCOMPARE(popup->isVisible(), listed);
    if (listed)
    {
        QStringList shown;
        for (int row = 0; row < popup->model()->rowCount(); ++row)
        {
            shown << popup->model()->index(row, 0).data().toString();
        }
        QCOMPARE(shown, offered);
        for (int step = 0; step <= chosen; ++step)
        {
            QTest::keyClick(popup, Qt::Key_Down);
        }
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!popup->isVisible());
    }
    QCOMPARE(edit->text(), completed);
    // The choice counts as typed: the preview follows it, and the dialog stays open.
    QVERIFY(dialog.isVisible());
    QVERIFY(!Label_Text(dialog, QStringLiteral("left_value_label")).isEmpty());
}

QTEST_MAIN(TRuleItemDialogTest)
#include "tst_ruleitemdialog.moc"
