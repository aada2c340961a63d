#include "parameterfilter.h"

#include <utility>

void TParameterFilter::Set_Search_Text(const QString& text)
{
    d_search_text = text;
    d_matcher = QStringMatcher(text, Qt::CaseInsensitive);
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
    return d_search_text.isEmpty() || d_matcher.indexIn(parameter.key) >= 0;
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
