#include "ruledisplay.h"

#include <QCoreApplication>

namespace RuleDisplay
{
QString Value_Text(double value)
{
    // Twelve digits tell apart what a setting holds; QString::number writes "." whatever the locale.
    return QString::number(value, 'g', 12);
}

QString Outcome_Text(TRuleRun::TOutcome outcome)
{
    switch (outcome)
    {
    case TRuleRun::OUTCOME_PASS:
        return QCoreApplication::translate("RuleDisplay", "PASS");
    case TRuleRun::OUTCOME_FAIL:
        return QCoreApplication::translate("RuleDisplay", "FAIL");
    case TRuleRun::OUTCOME_INVALID:
        break;
    }
    return QCoreApplication::translate("RuleDisplay", "invalid");
}

QColor Outcome_Colour(TRuleRun::TOutcome outcome)
{
    // The colours of the saved reports.
    return outcome == TRuleRun::OUTCOME_PASS ? QColor(0x1b, 0x7a, 0x1b) : QColor(0xc0, 0x00, 0x00);
}

QString Checking_Text()
{
    return QCoreApplication::translate("RuleDisplay", "checking\u2026");
}
} // namespace RuleDisplay
