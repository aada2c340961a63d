#pragma once

#include "expression.h"
#include "rules.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <vector>

// One run of a rule group against the current parameter values: the variables go into one evaluator,
// each rule's two expressions are evaluated and compared by the rule's operator, and the report lines
// are produced. The window's Execute Rules and the command line's check share it.
class TRuleRun
{
    // Its words, in the window's language where a translator is installed (the command line has none).
    Q_DECLARE_TR_FUNCTIONS(TRuleRun)

public:
    enum TOutcome
    {
        OUTCOME_PASS = 0,
        OUTCOME_FAIL = 1,
        OUTCOME_INVALID = 2
    };

    struct TReportLine
    {
        QString text;
        bool bold = false;
    };

    struct TRuleResult
    {
        QString name;
        TOutcome outcome = OUTCOME_INVALID;
        // An invalid rule stops at the first expression that does not evaluate; the values after it
        // are not known.
        bool left_valid = false;
        bool right_valid = false;
        double left_value = 0.0;
        double right_value = 0.0;
        // Why an invalid rule is invalid: which expression does not evaluate, or which value is not
        // a finite number. Empty for a rule that passed or failed.
        QString reason;
        std::vector<TReportLine> lines;
    };

    // The outcomes of a run, counted: "12 passed, 1 failed, 0 invalid".
    struct TTotals
    {
        int passed = 0;
        int failed = 0;
        int invalid = 0;

        void Add(TOutcome outcome);
        void Add(const TTotals& other);
        bool All_Passed() const { return failed == 0 && invalid == 0; }
        QString Text() const;
    };

    // A whole group's run: each rule's result in the group's order, and the totals.
    struct TGroupResult
    {
        std::vector<TRuleResult> results;
        TTotals totals;

        // The report as it is shown: the header line when there is a rule, then each rule's lines.
        std::vector<TReportLine> Report_Lines() const;
    };

    using TResultHandler = std::function<void(const TRuleResult&)>;

    explicit TRuleRun(const std::vector<TExpression::TVariable>& variables);

    // "Evaluating Rules...": the first line of a run that has at least one rule.
    static QString Header_Line();
    TRuleResult Run_Rule(const TRules::TRuleItem& rule) const;
    // The same, telling which variables the rule's expressions read.
    TRuleResult Run_Rule(const TRules::TRuleItem& rule, TExpression::TUsage* usage) const;
    // The variables of the run: how many, a name's number (-1 for none), and a new value for a name the
    // run holds, so that a rule can be run again after an edit without a new evaluator.
    int Variable_Count() const;
    int Variable_Sequence(const QString& name) const;
    void Update_Variable(const TExpression::TVariable& variable);
    // One expression against the run's variables, as a rule's side is evaluated; and why one does not
    // evaluate, in the evaluator's words ("Unknown name: DEA_TAP.").
    double Evaluate(const QString& expression, bool* valid) const;
    QString Invalid_Reason(const QString& expression) const;
    // Why a rule of this run is invalid: the result's reason, then the evaluator's for the expression
    // that does not evaluate. Empty for a rule that passed or failed.
    QString Explained_Reason(const TRules::TRuleItem& rule, const TRuleResult& result) const;
    // Runs the rules in order. Each result also goes to `on_result` as soon as it is known, so that a
    // window can show the report while it grows.
    TGroupResult Run_Group(const std::vector<TRules::TRuleItem>& rules,
                           const TResultHandler& on_result = TResultHandler()) const;
    // "PASS", "FAIL" or "invalid", as reports show an outcome.
    static QString Outcome_Name(TOutcome outcome);
    // "Less Than", "Equals", ... as the report's operator line words it.
    static QString Operator_Name(TRules::TOperatorType operator_type);
    // The fail test of an operator on the two values (d = right - left, tolerance 0.000001).
    static bool Fails(TRules::TOperatorType operator_type, double left_value, double right_value);

private:
    TExpression d_expression;
};
