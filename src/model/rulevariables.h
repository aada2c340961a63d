#pragma once

#include "expression.h"
#include "parameters.h"
#include "rules.h"

#include <QSet>
#include <QString>
#include <utility>
#include <vector>

// The variables of a parameter list that a group of rules can read, so that a check of a file of
// 100,000 parameters builds its evaluator from the few dozen the rules name instead of all 233,331.
// The evaluator replaces a name where its pattern "(\bNAME\b)" matches the expression as it reads it
// (blanks removed, in capitals), and the values it puts in are written with digits, points, minus
// signs, parentheses and "inf" or "nan" in small letters. So a name of word characters is read only
// where it stands as a whole word of an expression, and a dotted name (its points match any
// character) only where the text before its first point starts a word and the name, read as its
// pattern, matches that word to its end or runs past it with a point. Every other name is kept.
class TRuleVariables
{
public:
    explicit TRuleVariables(const std::vector<TRules::TRuleItem>& rules);

    bool Could_Read(const QString& name) const;
    // The variables of the list that Could_Read, in the order TParameters::Get_Variables gives them.
    std::vector<TExpression::TVariable> Variables(const TParameters& parameters) const;
    // The same of records in list order; `sources` (if given) receives for each variable the position
    // of its record and which of the record's values it is.
    std::vector<TExpression::TVariable> Variables(const std::vector<TParameters::TParameter>& records,
                                                  std::vector<std::pair<int, int>>* sources = nullptr) const;

private:
    void Add_Words(const QString& expression);
    // Whether a dotted name, read as its pattern, can match where `word` (which its head starts) stands.
    static bool Could_Match_At(const QString& upper_name, const QString& word);

    QSet<QString> d_words;
    std::vector<QString> d_sorted_words;
};
