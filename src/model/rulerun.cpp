#include "rulerun.h"

#include "ruleoperator.h"

#include <cmath>

namespace
{
// Two values closer than this count as equal: well below the resolution of any servo or probe setting.
const double EQUAL_TOLERANCE = 0.000001;

QString Value_Text(double value)
{
    // QString::number is locale-free: the report always uses "." as the decimal point.
    return QString::number(value, 'f', 6);
}

} // namespace

TRuleRun::TRuleRun(const std::vector<TExpression::TVariable>& variables)
{
    d_expression.Reserve_Variables(static_cast<int>(variables.size()));
    for (const TExpression::TVariable& variable : variables)
    {
        d_expression.Add_Variable(variable);
    }
}

void TRuleRun::TTotals::Add(TOutcome outcome)
{
    switch (outcome)
    {
    case OUTCOME_PASS:
        ++passed;
        break;
    case OUTCOME_FAIL:
        ++failed;
        break;
    case OUTCOME_INVALID:
        ++invalid;
        break;
    }
}

void TRuleRun::TTotals::Add(const TTotals& other)
{
    passed += other.passed;
    failed += other.failed;
    invalid += other.invalid;
}

QString TRuleRun::TTotals::Text() const
{
    return TRuleRun::tr("%1 passed, %2 failed, %3 invalid").arg(passed).arg(failed).arg(invalid);
}

std::vector<TRuleRun::TReportLine> TRuleRun::TGroupResult::Report_Lines() const
{
    std::vector<TReportLine> lines;
    if (!results.empty())
    {
        lines.push_back({Header_Line(), false});
    }
    for (const TRuleResult& result : results)
    {
        lines.insert(lines.end(), result.lines.begin(), result.lines.end());
    }
    return lines;
}

QString TRuleRun::Outcome_Name(TOutcome outcome)
{
    switch (outcome)
    {
    case OUTCOME_PASS:
        return QStringLiteral("PASS");
    case OUTCOME_FAIL:
        return QStringLiteral("FAIL");
    case OUTCOME_INVALID:
        break;
    }
    return TRuleRun::tr("invalid");
}

QString TRuleRun::Operator_Name(TRules::TOperatorType operator_type)
{
    const TRuleOperator* rule_operator = TRuleOperator::Of(operator_type);
    return rule_operator ? rule_operator->report_name : QString();
}

QString TRuleRun::Header_Line()
{
    return TRuleRun::tr("Evaluating Rules...");
}

bool TRuleRun::Fails(TRules::TOperatorType operator_type, double left_value, double right_value)
{
    const double difference = right_value - left_value;

    // Plain floating-point comparisons: any test that meets a NaN is false.
    switch (operator_type)
    {
    case TRules::OPERATOR_LESS_THAN:
        return difference < 0.0;
    case TRules::OPERATOR_EQUAL:
        return std::abs(difference) > EQUAL_TOLERANCE;
    case TRules::OPERATOR_GREATER_THAN:
        return difference > 0.0;
    case TRules::OPERATOR_NOT_LESS_THAN:
        return !(difference < 0.0);
    case TRules::OPERATOR_NOT_EQUAL:
        return std::abs(difference) < EQUAL_TOLERANCE;
    case TRules::OPERATOR_NOT_GREATER_THAN:
        return !(difference > 0.0);
    }
    // An operator the store does not know cannot be judged as passing.
    return true;
}

int TRuleRun::Variable_Count() const
{
    return d_expression.Variable_Count();
}

int TRuleRun::Variable_Sequence(const QString& name) const
{
    return d_expression.Variable_Sequence(name);
}

void TRuleRun::Update_Variable(const TExpression::TVariable& variable)
{
    // A name the evaluator holds keeps its place and takes the new value.
    d_expression.Add_Variable(variable);
}

double TRuleRun::Evaluate(const QString& expression, bool* valid) const
{
    return d_expression.Evaluate(expression, valid);
}

QString TRuleRun::Invalid_Reason(const QString& expression) const
{
    return d_expression.Invalid_Reason(expression);
}

QString TRuleRun::Explained_Reason(const TRules::TRuleItem& rule, const TRuleResult& result) const
{
    if (result.outcome != OUTCOME_INVALID)
    {
        return QString();
    }
    // A value that is no finite number says so itself; an expression that does not evaluate gets why.
    const QString detail = !result.left_valid ? Invalid_Reason(rule.left_expression)
                           : !result.right_valid && std::isfinite(result.left_value)
                               ? Invalid_Reason(rule.right_expression)
                               : QString();
    return detail.isEmpty() ? result.reason : QStringLiteral("%1. %2").arg(result.reason, detail);
}

TRuleRun::TRuleResult TRuleRun::Run_Rule(const TRules::TRuleItem& rule) const
{
    return Run_Rule(rule, nullptr);
}

TRuleRun::TRuleResult TRuleRun::Run_Rule(const TRules::TRuleItem& rule, TExpression::TUsage* usage) const
{
    if (usage)
    {
        *usage = TExpression::TUsage();
    }
    // Both expressions' variables, as far as the rule was evaluated.
    TExpression::TUsage side_usage;
    const auto add_usage = [usage, &side_usage]()
    {
        if (usage)
        {
            usage->variables.insert(usage->variables.end(), side_usage.variables.begin(),
                                    side_usage.variables.end());
            usage->value_dependent = usage->value_dependent || side_usage.value_dependent;
        }
    };

    TRuleResult result;
    result.name = rule.name;
    result.outcome = OUTCOME_INVALID;

    auto add_line = [&result](const QString& text, bool bold)
    {
        TReportLine line;
        line.text = text;
        line.bold = bold;
        result.lines.push_back(line);
    };

    add_line(TRuleRun::tr("\nRule: '%1'").arg(rule.name), false);

    // A value that is no finite number (the root of a negative number, a division by zero) cannot be
    // compared with meaning: the rule is invalid, with the value shown, not passed by a comparison
    // that is false for a NaN.
    result.left_value = d_expression.Evaluate(rule.left_expression, &result.left_valid, &side_usage);
    add_usage();
    if (!result.left_valid)
    {
        add_line(TRuleRun::tr("  ERR:  Left expression invalid."), false);
        result.reason = TRuleRun::tr("The left expression cannot be evaluated");
        return result;
    }
    add_line(TRuleRun::tr("  Left expression value: %1").arg(Value_Text(result.left_value)), false);
    if (!std::isfinite(result.left_value))
    {
        add_line(TRuleRun::tr("  ERR:  Left expression invalid."), false);
        result.reason =
            TRuleRun::tr("The left value is not a finite number (%1)").arg(Value_Text(result.left_value));
        return result;
    }

    result.right_value = d_expression.Evaluate(rule.right_expression, &result.right_valid, &side_usage);
    add_usage();
    if (!result.right_valid)
    {
        add_line(TRuleRun::tr("  ERR:  Right expression invalid."), false);
        result.reason = TRuleRun::tr("The right expression cannot be evaluated");
        return result;
    }
    add_line(TRuleRun::tr("  Right expression value: %1").arg(Value_Text(result.right_value)), false);
    if (!std::isfinite(result.right_value))
    {
        add_line(TRuleRun::tr("  ERR:  Right expression invalid."), false);
        result.reason =
            TRuleRun::tr("The right value is not a finite number (%1)").arg(Value_Text(result.right_value));
        return result;
    }

    add_line(TRuleRun::tr("  OPER:  Left %1 Right").arg(Operator_Name(rule.operator_type)), false);
    if (Fails(rule.operator_type, result.left_value, result.right_value))
    {
        result.outcome = OUTCOME_FAIL;
        add_line(TRuleRun::tr("* FAIL *"), true);
    }
    else
    {
        result.outcome = OUTCOME_PASS;
        add_line(QStringLiteral("PASS"), false);
    }
    return result;
}

TRuleRun::TGroupResult TRuleRun::Run_Group(const std::vector<TRules::TRuleItem>& rules,
                                           const TResultHandler& on_result) const
{
    TGroupResult group;
    group.results.reserve(rules.size());
    for (const TRules::TRuleItem& rule : rules)
    {
        group.results.push_back(Run_Rule(rule));
        group.totals.Add(group.results.back().outcome);
        if (on_result)
        {
            on_result(group.results.back());
        }
    }
    return group;
}
