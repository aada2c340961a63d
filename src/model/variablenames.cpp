#include "variablenames.h"

#include <algorithm>

namespace
{
// The evaluator's two functions, completed with their opening bracket.
const char* const FUNCTION_NAMES[] = {"SQRT(", "SUMSQ("};
} // namespace

TVariableNames::TVariableNames() = default;

TVariableNames::TVariableNames(const TParameters& parameters)
{
    d_keys.reserve(parameters.Parameters().size());
    for (const TParameters::TParameter& parameter : parameters.Parameters())
    {
        const int count = TParameters::Variable_Count(parameter);
        if (count > 0 && !parameter.key.isEmpty())
        {
            d_keys.push_back({parameter.key.toUpper(), parameter.key, count});
        }
    }
    // Keys that read alike without case stay in list order.
    std::stable_sort(d_keys.begin(), d_keys.end(),
                     [](const TKey& first, const TKey& second) { return first.upper < second.upper; });
}

std::vector<TVariableNames::TKey>::const_iterator TVariableNames::Lower_Bound(const QString& upper) const
{
    return std::lower_bound(d_keys.begin(), d_keys.end(), upper,
                            [](const TKey& key, const QString& value) { return key.upper < value; });
}

void TVariableNames::Add_Elements(const TKey& key, const QString& number_start, int limit,
                                  QStringList* names) const
{
    if (key.variable_count == 1)
    {
        // A single value is named by the key alone.
        names->append(key.key);
        return;
    }
    for (int element = 1; element <= key.variable_count && names->size() < limit; ++element)
    {
        const QString number = QString::number(element);
        if (number.startsWith(number_start))
        {
            names->append(key.key + QLatin1Char('.') + number);
        }
    }
}

QStringList TVariableNames::Completions(const QString& prefix, int limit) const
{
    QStringList names;
    const QString upper = prefix.toUpper();
    if (upper.isEmpty() || limit <= 0)
    {
        return names;
    }
    for (const char* function : FUNCTION_NAMES)
    {
        if (QLatin1String(function).startsWith(upper))
        {
            names.append(QLatin1String(function));
        }
    }

    // The elements of a key typed whole with its point: "TTP_DECL.1" offers TTP_DECL.1 and TTP_DECL.10.
    // A key may hold points itself, so every point is tried as the one before the element number.
    for (int point = upper.indexOf(QLatin1Char('.')); point > 0 && names.size() < limit;
         point = upper.indexOf(QLatin1Char('.'), point + 1))
    {
        const QString head = upper.left(point);
        const QString number_start = upper.mid(point + 1);
        for (auto key = Lower_Bound(head); key != d_keys.end() && key->upper == head && names.size() < limit;
             ++key)
        {
            if (key->variable_count > 1)
            {
                Add_Elements(*key, number_start, limit, &names);
            }
        }
    }

    for (auto key = Lower_Bound(upper);
         key != d_keys.end() && key->upper.startsWith(upper) && names.size() < limit; ++key)
    {
        Add_Elements(*key, QString(), limit, &names);
    }
    names.removeDuplicates();
    return names;
}
