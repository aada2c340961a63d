#pragma once

#include "rules.h"

#include <QString>
#include <vector>

// Everything the program says about one of the six operators of a rule, so that the rules file, the
// report, the rule item dialog and the rule reports name it alike: the keyword of the rules file, the
// words of the report's operator line, the dialog's button, and what the operator tests. The tests are
// those of TRuleRun::Fails, worded as when the rule passes; rules files rely on them as they are, so
// Less Than passes on equal values and Not Greater Than does not.
struct TRuleOperator
{
    TRules::TOperatorType type;
    // "OPERATOR_LESS_THAN"; the keyword of Equals is spelled "OPEATOR_EQUAL", as every rules file
    // written so far holds it.
    QString keyword;
    // "Less Than", as in the report's line "  OPER:  Left Less Than Right".
    QString report_name;
    // "Left Exp. Less Than Right Exp." and the button's object name.
    QString button_text;
    QString button_name;
    // "passes when left <= right"
    QString test;

    // The six, in the order of their values.
    static const std::vector<TRuleOperator>& All();
    // Null for a value that is none of the six (a damaged store).
    static const TRuleOperator* Of(TRules::TOperatorType type);
    // The report name, button text or test in the language the window speaks; English where no
    // translation is installed (vantrel-cli). The keyword is never translated.
    static QString Shown(const QString& words);
};
