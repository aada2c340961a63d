#include "parameterfilter.h"

#include <algorithm>
#include <utility>

namespace
{
// The parameter number a search text of plain digits names; -1 for any other text: a sign or a blank
// makes it a search of keys only.
int Searched_Number(const QString& text)
{
    const bool digits_only =
        !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                       [](QChar character) {
                                           return character.unicode() >= u'0' && character.unicode() <= u'9';
                                       });
    bool read = false;
    const int number = digits_only ? text.toInt(&read) : -1;
    return read ? number : -1;
}
} // namespace

void TParameterFilter::Set_Search_Text(const QString& text)
{
    d_search_text = text;
    d_matcher = QStringMatcher(text, Qt::CaseInsensitive);
    d_search_number = Searched_Number(text);
}

void TParameterFilter::Set_Search_Names(bool search_names)
{
    d_search_names = search_names;
}

bool TParameterFilter::Search_Names() const
{
    return d_search_names;
}

QString TParameterFilter::Search_Text() const
{
    return d_search_text;
}

void TParameterFilter::Set_Changed_Only(bool changed_only)
{
    d_changed_only = changed_only;
}

bool TParameterFilter::Changed_Only() const
{
    return d_changed_only;
}

void TParameterFilter::Set_Narrowing(TNarrowing narrowing, TKeyTest test)
{
    d_narrowings.at(narrowing) = std::move(test);
}

void TParameterFilter::Set_Extra_Keys(const TParameters* source, const QStringList* keys)
{
    d_extra_source = source;
    d_extra_keys = keys;
}

bool TParameterFilter::Matches_Search(const TParameters::TParameter& parameter) const
{
    if (d_search_text.isEmpty() || d_matcher.indexIn(parameter.key) >= 0 ||
        (d_search_number >= 0 && parameter.number == d_search_number))
    {
        return true;
    }
    return d_search_names &&
           (d_matcher.indexIn(parameter.name) >= 0 || d_matcher.indexIn(parameter.description) >= 0);
}

bool TParameterFilter::Is_Listed(const TParameters::TParameter& parameter) const
{
    if ((d_changed_only && !parameter.changed) || !Matches_Search(parameter))
    {
        return false;
    }
    for (const TKeyTest& narrowing : d_narrowings)
    {
        if (narrowing && !narrowing(parameter.key))
        {
            return false;
        }
    }
    return true;
}

QStringList TParameterFilter::Listed_Keys(const TParameters& parameters) const
{
    QStringList keys;
    keys.reserve(parameters.Parameter_Count());
    for (const TParameters::TParameter& parameter : parameters.Parameters())
    {
        if (Is_Listed(parameter))
        {
            keys.append(parameter.key);
        }
    }
    if (d_extra_source && d_extra_keys)
    {
        for (const QString& key : *d_extra_keys)
        {
            const TParameters::TParameter* parameter = d_extra_source->Find_Parameter(key);
            if (parameter && Is_Listed(*parameter))
            {
                keys.append(key);
            }
        }
    }
    return keys;
}
