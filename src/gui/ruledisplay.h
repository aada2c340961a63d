#pragma once

#include "rulerun.h"

#include <QColor>
#include <QString>

// How the window shows a rule's values and outcome wherever it shows them (the rules table, the detail
// pane, the rule item dialog): the same words and the same colours as the saved reports, and the
// outcome always in words too, so that it does not rest on colour alone.
namespace RuleDisplay
{
// A value as a rule compares it, without trailing zeros: "8", "125.5", "-0.0001".
QString Value_Text(double value);
// "PASS", "FAIL" or "invalid".
QString Outcome_Text(TRuleRun::TOutcome outcome);
QColor Outcome_Colour(TRuleRun::TOutcome outcome);
// Shown for a rule while a whole check runs on another core.
QString Checking_Text();
} // namespace RuleDisplay
