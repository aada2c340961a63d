#include "ruleitemdialog.h"

#include "dialogparts.h"
#include "expressionedit.h"
#include "parameters.h"
#include "ruledisplay.h"
#include "ruleoperator.h"
#include "rulerun.h"
#include "variablenames.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QValidator>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace
{
// Rule names longer than this do not fit the report's rule line.
const int MAXIMUM_NAME_LENGTH = 64;
} // namespace

// The name field takes no edit that makes the name, counted as it is stored (blanks simplified), longer
// than the longest a rule may have, or than the name it was given if that is longer: a name from a
// hand-made rules file is shown whole and can be shortened.
class TRuleItemDialog::TNameLengthValidator : public QValidator
{
public:
    explicit TNameLengthValidator(QObject* parent) : QValidator(parent) {}

    void Allow_Length_Of(const QString& name)
    {
        d_allowed = std::max(MAXIMUM_NAME_LENGTH, static_cast<int>(name.simplified().size()));
    }

    State validate(QString& input, int& /*position*/) const override
    {
        return input.simplified().size() <= d_allowed ? Acceptable : Invalid;
    }

private:
    int d_allowed = MAXIMUM_NAME_LENGTH;
};

TRuleItemDialog::TRuleItemDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("rule_item_dialog"));
    setWindowTitle(tr("Rule Item Editor"));
    setModal(true);
    resize(665, 301);

    QGridLayout* layout = new QGridLayout(this);

    QLabel* rule_name_label = new QLabel(tr("Rule Name:"), this);
    layout->addWidget(rule_name_label, 0, 0);
    // Column 1 only keeps the fields a little apart from their labels.
    layout->addItem(new QSpacerItem(6, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), 0, 1);
    d_rule_name_edit = new QLineEdit(this);
    d_rule_name_edit->setObjectName(QStringLiteral("rule_name_edit"));
    d_rule_name_edit->setAccessibleName(tr("Rule name"));
    d_name_validator = new TNameLengthValidator(d_rule_name_edit);
    d_rule_name_edit->setValidator(d_name_validator);
    layout->addWidget(d_rule_name_edit, 0, 2);

    layout->addWidget(Utilities::Sunken_Line(this), 1, 0, 1, 3);

    layout->addWidget(new QLabel(tr("Left Expression:"), this), 2, 0, Qt::AlignLeft | Qt::AlignTop);
    d_left_expression_edit =
        Create_Expression_Edit(QStringLiteral("left_expression_edit"), tr("Left expression"));
    d_left_value_label = Create_Preview_Label(QStringLiteral("left_value_label"));
    QVBoxLayout* left_layout = new QVBoxLayout();
    left_layout->addWidget(d_left_expression_edit);
    left_layout->addWidget(d_left_value_label);
    layout->addLayout(left_layout, 2, 2);

    layout->addWidget(new QLabel(tr("Operator:"), this), 3, 0, Qt::AlignLeft | Qt::AlignTop);

    layout->addWidget(Create_Operator_Box(), 3, 2);

    layout->addWidget(new QLabel(tr("Right Expression:"), this), 4, 0, Qt::AlignLeft | Qt::AlignTop);
    d_right_expression_edit =
        Create_Expression_Edit(QStringLiteral("right_expression_edit"), tr("Right expression"));
    d_right_value_label = Create_Preview_Label(QStringLiteral("right_value_label"));
    QVBoxLayout* right_layout = new QVBoxLayout();
    right_layout->addWidget(d_right_expression_edit);
    right_layout->addWidget(d_right_value_label);
    layout->addLayout(right_layout, 4, 2);

    QLabel* note_label = new QLabel(this);
    note_label->setObjectName(QStringLiteral("note_label"));
    note_label->setTextFormat(Qt::RichText);
    note_label->setText(
        tr("<html><head/><body><p>Note:  Result of <span style=\" font-weight:600; font-style:italic;\">"
           "[Left Expression] &lt;operator&gt; [Right Expression]</span> must be true.</p></body></html>"));
    layout->addWidget(note_label, 5, 2);

    layout->addWidget(Utilities::Sunken_Line(this), 6, 0, 1, 3);

    d_cancel_button = Utilities::Dialog_Button(tr("Cancel"), QStringLiteral("cancel_button"), false, this);
    d_apply_button = Utilities::Dialog_Button(tr("Apply"), QStringLiteral("apply_button"), false, this);
    d_apply_button->setEnabled(false);
    // Return applies the entry; it does nothing while Apply is disabled.
    d_apply_button->setDefault(true);
    // While Apply is disabled, why.
    d_refusal_label = new QLabel(this);
    d_refusal_label->setObjectName(QStringLiteral("refusal_label"));
    d_refusal_label->setTextFormat(Qt::PlainText);
    QHBoxLayout* button_row = Utilities::Button_Row({d_cancel_button, d_apply_button});
    button_row->insertWidget(0, d_refusal_label, 1);
    layout->addLayout(button_row, 7, 0, 1, 3);

    setTabOrder(d_rule_name_edit, d_left_expression_edit);
    setTabOrder(d_left_expression_edit, d_less_than_radio);
    setTabOrder(d_less_than_radio, d_equal_radio);
    setTabOrder(d_equal_radio, d_greater_than_radio);
    setTabOrder(d_greater_than_radio, d_not_greater_than_radio);
    setTabOrder(d_not_greater_than_radio, d_not_equal_radio);
    setTabOrder(d_not_equal_radio, d_not_less_than_radio);
    setTabOrder(d_not_less_than_radio, d_right_expression_edit);
    setTabOrder(d_right_expression_edit, d_cancel_button);
    setTabOrder(d_cancel_button, d_apply_button);

    connect(d_apply_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(d_cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(d_rule_name_edit, &QLineEdit::textEdited, this, &TRuleItemDialog::Options_Changed);
    connect(d_left_expression_edit, &QLineEdit::textEdited, this, &TRuleItemDialog::Options_Changed);
    connect(d_right_expression_edit, &QLineEdit::textEdited, this, &TRuleItemDialog::Options_Changed);
    for (QRadioButton* radio : {d_less_than_radio, d_equal_radio, d_greater_than_radio, d_not_less_than_radio,
                                d_not_equal_radio, d_not_greater_than_radio})
    {
        connect(radio, &QRadioButton::toggled, this, &TRuleItemDialog::Options_Changed);
    }
}

TRuleItemDialog::~TRuleItemDialog() = default;

void TRuleItemDialog::Set_Parameters(const TParameters* parameters)
{
    d_parameters = parameters;
    d_preview_run.reset();
    d_names.reset();
}

TExpressionEdit* TRuleItemDialog::Create_Expression_Edit(const QString& name, const QString& accessible_name)
{
    TExpressionEdit* edit = new TExpressionEdit(this);
    edit->setObjectName(name);
    edit->setAccessibleName(accessible_name);
    edit->Set_Names_Source([this]() { return Names(); });
    return edit;
}

// Under an expression field: its value with the loaded parameters, or why it has none.
QLabel* TRuleItemDialog::Create_Preview_Label(const QString& name)
{
    QLabel* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

const TRuleRun& TRuleItemDialog::Preview_Run()
{
    if (!d_preview_run)
    {
        d_preview_run = std::make_unique<TRuleRun>(d_parameters ? d_parameters->Get_Variables()
                                                                : std::vector<TExpression::TVariable>());
    }
    return *d_preview_run;
}

const TVariableNames* TRuleItemDialog::Names()
{
    if (!d_names)
    {
        d_names = d_parameters ? std::make_unique<TVariableNames>(*d_parameters)
                               : std::make_unique<TVariableNames>();
    }
    return d_names.get();
}

void TRuleItemDialog::Show_Side(const QString& expression, QLabel* label)
{
    QString text;
    bool failing = false;
    if (!expression.simplified().isEmpty())
    {
        bool valid = false;
        const double value = Preview_Run().Evaluate(expression, &valid);
        failing = !valid || !std::isfinite(value);
        text =
            valid ? tr("= %1").arg(RuleDisplay::Value_Text(value)) : Preview_Run().Invalid_Reason(expression);
    }
    label->setText(text);
    label->setStyleSheet(
        failing
            ? QStringLiteral("color: %1;").arg(RuleDisplay::Outcome_Colour(TRuleRun::OUTCOME_INVALID).name())
            : QString());
}

void TRuleItemDialog::Show_Preview()
{
    const TRules::TRuleItem rule = Rule_Item();
    Show_Side(rule.left_expression, d_left_value_label);
    Show_Side(rule.right_expression, d_right_value_label);

    QString text;
    QString tool_tip;
    QString style;
    if (Checked_Operator() && !rule.left_expression.isEmpty() && !rule.right_expression.isEmpty())
    {
        const TRuleRun::TRuleResult result = Preview_Run().Run_Rule(rule);
        text = tr("Outcome: %1").arg(RuleDisplay::Outcome_Text(result.outcome));
        tool_tip = Preview_Run().Explained_Reason(rule, result);
        style = QStringLiteral("color: %1; font-weight: bold;")
                    .arg(RuleDisplay::Outcome_Colour(result.outcome).name());
    }
    d_outcome_label->setText(text);
    d_outcome_label->setToolTip(tool_tip);
    d_outcome_label->setStyleSheet(style);
}

QRadioButton* TRuleItemDialog::Create_Operator_Radio(TRules::TOperatorType operator_type, QWidget* parent)
{
    const TRuleOperator* rule_operator = TRuleOperator::Of(operator_type);
    QRadioButton* radio = new QRadioButton(TRuleOperator::Shown(rule_operator->button_text), parent);
    radio->setObjectName(rule_operator->button_name);
    radio->setToolTip(Test_Text(*rule_operator));
    return radio;
}

QString TRuleItemDialog::Test_Text(const TRuleOperator& rule_operator)
{
    return tr("The rule %1.").arg(TRuleOperator::Shown(rule_operator.test));
}

// The six operator buttons share one parent so that exactly one operator can be chosen. Each "not"
// operator stands beside the plain one that reads most like it.
QWidget* TRuleItemDialog::Create_Operator_Box()
{
    QWidget* operator_widget = new QWidget(this);
    operator_widget->setObjectName(QStringLiteral("operator_widget"));
    QGridLayout* operator_layout = new QGridLayout(operator_widget);
    operator_layout->setContentsMargins(0, 0, 0, 0);
    d_less_than_radio = Create_Operator_Radio(TRules::OPERATOR_LESS_THAN, operator_widget);
    d_not_greater_than_radio = Create_Operator_Radio(TRules::OPERATOR_NOT_GREATER_THAN, operator_widget);
    d_equal_radio = Create_Operator_Radio(TRules::OPERATOR_EQUAL, operator_widget);
    d_not_equal_radio = Create_Operator_Radio(TRules::OPERATOR_NOT_EQUAL, operator_widget);
    d_greater_than_radio = Create_Operator_Radio(TRules::OPERATOR_GREATER_THAN, operator_widget);
    d_not_less_than_radio = Create_Operator_Radio(TRules::OPERATOR_NOT_LESS_THAN, operator_widget);
    operator_layout->addWidget(d_less_than_radio, 0, 0);
    operator_layout->addWidget(d_not_greater_than_radio, 0, 1);
    operator_layout->addWidget(d_equal_radio, 1, 0);
    operator_layout->addWidget(d_not_equal_radio, 1, 1);
    operator_layout->addWidget(d_greater_than_radio, 2, 0);
    operator_layout->addWidget(d_not_less_than_radio, 2, 1);

    // What the chosen operator tests, in numbers: Less Than passes on equal values, Not Greater Than
    // does not, which the words alone do not tell.
    d_operator_test_label = new QLabel(operator_widget);
    d_operator_test_label->setObjectName(QStringLiteral("operator_test_label"));
    d_operator_test_label->setTextFormat(Qt::PlainText);
    operator_layout->addWidget(d_operator_test_label, 3, 0, 1, 2);

    // The outcome of the whole rule with the loaded values, beside the operator that decides it.
    d_outcome_label = new QLabel(operator_widget);
    d_outcome_label->setObjectName(QStringLiteral("rule_outcome_label"));
    d_outcome_label->setTextFormat(Qt::PlainText);
    operator_layout->addWidget(d_outcome_label, 0, 2, 4, 1, Qt::AlignRight | Qt::AlignVCenter);
    operator_layout->setColumnStretch(2, 1);
    return operator_widget;
}

const TRuleOperator* TRuleItemDialog::Checked_Operator() const
{
    for (const TRuleOperator& rule_operator : TRuleOperator::All())
    {
        if (Operator_Radio(rule_operator.type)->isChecked())
        {
            return &rule_operator;
        }
    }
    return nullptr;
}

void TRuleItemDialog::Reset(TMode mode, const TRules::TRuleItem& rule, const QStringList& names)
{
    d_rule_name_edit->setEnabled(true);
    d_mode = mode;
    d_existing_names = names;
    // The values may have changed since the last use.
    d_preview_run.reset();
    d_names.reset();

    if (mode == MODE_ADD)
    {
        // The last entry stays: a run of similar rules is typed as small changes to the previous one.
        d_old_name.clear();
        d_name_validator->Allow_Length_Of(d_rule_name_edit->text());
        Options_Changed();
        return;
    }

    d_old_name = rule.name;
    d_name_validator->Allow_Length_Of(rule.name);
    d_rule_name_edit->setText(rule.name);
    d_left_expression_edit->setText(rule.left_expression);
    d_right_expression_edit->setText(rule.right_expression);
    Operator_Radio(rule.operator_type)->setChecked(true);
    Options_Changed();
    // Nothing to apply until the user changes something.
    d_apply_button->setEnabled(false);
}

TRules::TRuleItem TRuleItemDialog::Rule_Item() const
{
    TRules::TRuleItem item;
    item.name = d_rule_name_edit->text().simplified();
    item.left_expression = d_left_expression_edit->text().simplified();
    item.right_expression = d_right_expression_edit->text().simplified();

    // No operator chosen: Not Greater Than, as the entry has always been read.
    const TRuleOperator* rule_operator = Checked_Operator();
    item.operator_type = rule_operator ? rule_operator->type : TRules::OPERATOR_NOT_GREATER_THAN;
    return item;
}

bool TRuleItemDialog::Validate() const
{
    return Refusal().isEmpty();
}

QString TRuleItemDialog::Refusal() const
{
    const QString name = d_rule_name_edit->text().simplified();
    if (name.isEmpty())
    {
        return tr("Enter a name for the rule.");
    }
    if (name.length() > MAXIMUM_NAME_LENGTH)
    {
        return tr("The name is longer than %1 characters.").arg(MAXIMUM_NAME_LENGTH);
    }

    // Keeping the old name is fine; a change, even of the case of its letters only, must be free.
    const bool name_checked = d_mode == MODE_ADD || name != d_old_name;
    if (name_checked)
    {
        for (const QString& existing : d_existing_names)
        {
            if (existing.compare(name, Qt::CaseInsensitive) == 0)
            {
                return tr("The group has a rule named \"%1\" already.").arg(existing);
            }
        }
    }

    if (!Checked_Operator())
    {
        return tr("Choose an operator.");
    }
    if (d_left_expression_edit->text().simplified().isEmpty())
    {
        return tr("Enter the left expression.");
    }
    if (d_right_expression_edit->text().simplified().isEmpty())
    {
        return tr("Enter the right expression.");
    }
    return QString();
}

void TRuleItemDialog::Options_Changed()
{
    const QString refusal = Refusal();
    d_apply_button->setEnabled(refusal.isEmpty());
    d_refusal_label->setText(refusal);
    const TRuleOperator* rule_operator = Checked_Operator();
    d_operator_test_label->setText(rule_operator ? Test_Text(*rule_operator) : QString());
    Show_Preview();
}

QRadioButton* TRuleItemDialog::Operator_Radio(TRules::TOperatorType operator_type) const
{
    switch (operator_type)
    {
    case TRules::OPERATOR_LESS_THAN:
        return d_less_than_radio;
    case TRules::OPERATOR_EQUAL:
        return d_equal_radio;
    case TRules::OPERATOR_GREATER_THAN:
        return d_greater_than_radio;
    case TRules::OPERATOR_NOT_LESS_THAN:
        return d_not_less_than_radio;
    case TRules::OPERATOR_NOT_EQUAL:
        return d_not_equal_radio;
    case TRules::OPERATOR_NOT_GREATER_THAN:
        break;
    }
    return d_not_greater_than_radio;
}
