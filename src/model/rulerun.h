#pragma once

#include "expression.h"
#include "rules.h"

#include <QString>
#include <vector>

// One run of a rule group against the current parameter values: the variables go into one evaluator,
// each rule's two expressions are evaluated and compared by the rule's operator, and the report lines
// are produced. The window's Execute Rules and the command line's check share it.
class TRuleRun
{
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
        TOutcome outcome = OUTCOME_INVALID;
        double left_value = 0.0;
        double right_value = 0.0;
        std::vector<TReportLine> lines;
    };

    explicit TRuleRun(const std::vector<TExpression::TVariable>& variables);

    // "Evaluating Rules...": the first line of a run that has at least one rule.
    static QString Header_Line();
    TRuleResult Run_Rule(const TRules::TRuleItem& rule) const;
    // The fail test of an operator on the two values (d = right - left, tolerance 0.000001).
    static bool Fails(TRules::TOperatorType operator_type, double left_value, double right_value);

private:
    TExpression d_expression;
};
