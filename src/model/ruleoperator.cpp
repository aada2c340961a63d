#include "ruleoperator.h"

#include <QCoreApplication>

const std::vector<TRuleOperator>& TRuleOperator::All()
{
    static const std::vector<TRuleOperator> operators{
        {TRules::OPERATOR_LESS_THAN, QStringLiteral("OPERATOR_LESS_THAN"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Less Than")),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Left Exp. Less Than Right Exp.")),
         QStringLiteral("less_than_radio"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "passes when left <= right"))},
        {TRules::OPERATOR_EQUAL, QStringLiteral("OPEATOR_EQUAL"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Equals")),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Left Exp. Equals Right Exp.")),
         QStringLiteral("equal_radio"),
         QStringLiteral(
             QT_TRANSLATE_NOOP("TRuleOperator", "passes when left and right differ by at most 0.000001"))},
        {TRules::OPERATOR_GREATER_THAN, QStringLiteral("OPERATOR_GREATER_THAN"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Greater Than")),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Left Exp. Greater Than Right Exp.")),
         QStringLiteral("greater_than_radio"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "passes when left >= right"))},
        {TRules::OPERATOR_NOT_LESS_THAN, QStringLiteral("OPERATOR_NOT_LESS_THAN"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Not Less Than")),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Left Exp. Not Less Than Right Exp.")),
         QStringLiteral("not_less_than_radio"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "passes when left > right"))},
        {TRules::OPERATOR_NOT_EQUAL, QStringLiteral("OPERATOR_NOT_EQUAL"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Not Equals")),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Left Exp. Not Equal To Right Exp.")),
         QStringLiteral("not_equal_radio"),
         QStringLiteral(
             QT_TRANSLATE_NOOP("TRuleOperator", "passes when left and right differ by at least 0.000001"))},
        {TRules::OPERATOR_NOT_GREATER_THAN, QStringLiteral("OPERATOR_NOT_GREATER_THAN"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Not Greater Than")),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "Left Exp. Not Greater Than Right Exp.")),
         QStringLiteral("not_greater_than_radio"),
         QStringLiteral(QT_TRANSLATE_NOOP("TRuleOperator", "passes when left < right"))},
    };
    return operators;
}

const TRuleOperator* TRuleOperator::Of(TRules::TOperatorType type)
{
    const int value = static_cast<int>(type);
    const std::vector<TRuleOperator>& operators = All();
    if (value < 0 || value >= static_cast<int>(operators.size()))
    {
        return nullptr;
    }
    return &operators[static_cast<size_t>(value)];
}

QString TRuleOperator::Shown(const QString& words)
{
    return QCoreApplication::translate("TRuleOperator", words.toUtf8().constData());
}
