#include "rulevariables.h"

#include <algorithm>

TRuleVariables::TRuleVariables(const std::vector<TRules::TRuleItem>& rules)
{
    for (const TRules::TRuleItem& rule : rules)
    {
        Add_Words(rule.left_expression);
        Add_Words(rule.right_expression);
    }
    d_sorted_words.assign(d_words.cbegin(), d_words.cend());
    std::sort(d_sorted_words.begin(), d_sorted_words.end());
}

void TRuleVariables::Add_Words(const QString& expression)
{
    // The text as the evaluator reads it.
    QString text = expression.simplified().toUpper();
    text.remove(QLatin1Char(' '));
    int start = 0;
    while (start < text.size())
    {
        if (!TExpression::Is_Word_Character(text.at(start)))
        {
            ++start;
            continue;
        }
        int end = start;
        while (end < text.size() && TExpression::Is_Word_Character(text.at(end)))
        {
            ++end;
        }
        const QString word = text.mid(start, end - start);
        d_words.insert(word);
        start = end;
    }
}

bool TRuleVariables::Could_Read(const QString& name) const
{
    const QString upper = name.toUpper();
    // A name that starts with a digit could match inside a value put in for another name, and one with
    // other characters has a pattern of its own: both are kept.
    if (upper.isEmpty() || !TExpression::Is_Word_Character(upper.at(0)) ||
        (upper.at(0) >= QLatin1Char('0') && upper.at(0) <= QLatin1Char('9')))
    {
        return true;
    }
    int first_point = -1;
    for (int index = 0; index < upper.size(); ++index)
    {
        const QChar character = upper.at(index);
        if (character == QLatin1Char('.'))
        {
            if (first_point < 0)
            {
                first_point = index;
            }
        }
        else if (!TExpression::Is_Word_Character(character))
        {
            return true;
        }
    }
    if (first_point < 0)
    {
        return d_words.contains(upper);
    }
    // The words the text before the first point starts, as a range of the sorted words.
    const QStringView head = QStringView(upper).left(first_point);
    for (auto word = std::lower_bound(d_sorted_words.cbegin(), d_sorted_words.cend(), head,
                                      [](const QString&a, QStringView b) { return QStringView(a) < b; });
         word != d_sorted_words.cend() && word->startsWith(head); ++word)
    {
        if (Could_Match_At(upper, *word))
        {
            return true;
        }
    }
    return false;
}

bool TRuleVariables::Could_Match_At(const QString& upper_name, const QString& word)
{
    // A match starts where the word does. Within the word a point matches the word's own character and
    // any other character must be the word's; the match cannot end inside the word, where there is no
    // word boundary. The character after the word is no word character, so only a point matches it,
    // and the text after that may hold values written in: from there on the name is kept.
    for (int index = 0; index < upper_name.size(); ++index)
    {
        const QChar character = upper_name.at(index);
        if (index == word.size())
        {
            return character == QLatin1Char('.');
        }
        if (character != QLatin1Char('.') && character != word.at(index))
        {
            return false;
        }
    }
    return upper_name.size() == word.size();
}

std::vector<TExpression::TVariable> TRuleVariables::Variables(const TParameters& parameters) const
{
    return Variables(parameters.Parameters());
}

std::vector<TExpression::TVariable>
TRuleVariables::Variables(const std::vector<TParameters::TParameter>& records,
                          std::vector<std::pair<int, int>>* sources) const
{
    std::vector<TExpression::TVariable> variables;
    std::vector<TExpression::TVariable> record_variables;
    for (std::size_t record = 0; record < records.size(); ++record)
    {
        record_variables.clear();
        TParameters::Add_Variables(records[record], &record_variables);
        for (std::size_t value = 0; value < record_variables.size(); ++value)
        {
            if (Could_Read(record_variables[value].name))
            {
                variables.push_back(std::move(record_variables[value]));
                if (sources)
                {
                    sources->emplace_back(static_cast<int>(record), static_cast<int>(value));
                }
            }
        }
    }
    return variables;
}
