#pragma once

#include "rules.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TExpressionEdit;
class TParameters;
class TRuleRun;
class TVariableNames;
struct TRuleOperator;

// Entry of one rule: its name, left expression, operator and right expression. "Apply" is offered
// only while the entry is acceptable, and the dialog says why it is not; Return applies. The dialog
// never touches the rule store itself. With the loaded parameters given, the expression fields
// complete names, each shows its value (or why it cannot be evaluated) as the user types, and the
// rule's outcome shows beside the operators.
class TRuleItemDialog : public QDialog
{
    Q_OBJECT

public:
    enum TMode
    {
        MODE_EDIT = 0,
        MODE_ADD = 1
    };

    explicit TRuleItemDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~TRuleItemDialog() override;

    // The list the expressions are shown against, read again at each Reset; null for none (numbers
    // alone still evaluate). It must outlive the dialog.
    void Set_Parameters(const TParameters* parameters);

    void Reset(TMode mode, const TRules::TRuleItem& rule, const QStringList& names);
    TRules::TRuleItem Rule_Item() const;
    bool Validate() const;
    // Why the entry is not acceptable, as the dialog shows it beside the buttons; empty when it is.
    QString Refusal() const;

public slots:
    void Options_Changed();

private:
    class TNameLengthValidator;

    QWidget* Create_Operator_Box();
    QRadioButton* Create_Operator_Radio(TRules::TOperatorType operator_type, QWidget* parent);
    QRadioButton* Operator_Radio(TRules::TOperatorType operator_type) const;
    // The operator whose button is checked; null when none is.
    const TRuleOperator* Checked_Operator() const;
    // "The rule passes when left <= right."
    static QString Test_Text(const TRuleOperator& rule_operator);
    TExpressionEdit* Create_Expression_Edit(const QString& name, const QString& accessible_name);
    QLabel* Create_Preview_Label(const QString& name);
    // The values of the two expressions and the rule's outcome with the loaded values.
    void Show_Preview();
    void Show_Side(const QString& expression, QLabel* label);
    const TRuleRun& Preview_Run();
    const TVariableNames* Names();

    TExpressionEdit* d_left_expression_edit = nullptr;
    TExpressionEdit* d_right_expression_edit = nullptr;
    QLineEdit* d_rule_name_edit = nullptr;
    QPushButton* d_apply_button = nullptr;
    QPushButton* d_cancel_button = nullptr;
    QRadioButton* d_equal_radio = nullptr;
    QRadioButton* d_greater_than_radio = nullptr;
    QRadioButton* d_less_than_radio = nullptr;
    QRadioButton* d_not_equal_radio = nullptr;
    QRadioButton* d_not_greater_than_radio = nullptr;
    QRadioButton* d_not_less_than_radio = nullptr;
    QLabel* d_operator_test_label = nullptr;
    QLabel* d_refusal_label = nullptr;
    QLabel* d_left_value_label = nullptr;
    QLabel* d_right_value_label = nullptr;
    QLabel* d_outcome_label = nullptr;
    TNameLengthValidator* d_name_validator = nullptr;
    QStringList d_existing_names;
    QString d_old_name;
    TMode d_mode = MODE_ADD;
    const TParameters* d_parameters = nullptr;
    // Made from the parameters when first needed after a Reset: the list does not change while the
    // dialog is up.
    std::unique_ptr<TRuleRun> d_preview_run;
    std::unique_ptr<TVariableNames> d_names;
};
