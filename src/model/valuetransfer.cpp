#include "valuetransfer.h"

#include "parametercomparison.h"

#include <QSet>

#include <algorithm>

namespace
{
// Values compare exactly: a value taken over must come out as the source holds it.
bool Same_Values(const TParameters::TParameter& a, const TParameters::TParameter& b)
{
    return TParameterComparison::Same_Values(TParameterComparison::Values_Of(a),
                                             TParameterComparison::Values_Of(b), 0.0);
}
} // namespace

TValueTransfer::TValueTransfer(const TParameters& target, const TParameters& source, const QStringList& keys)
{
    const auto plan = [this, &target](const TParameters::TParameter& from)
    {
        TItem item;
        item.key = from.key;
        item.source = from;
        const TParameters::TParameter* current = target.Find_Parameter(from.key);
        if (!current)
        {
            item.standing = STANDING_MISSING;
            item.reason = QStringLiteral("Not in this file.");
            d_items.push_back(std::move(item));
            return;
        }
        item.current = *current;
        item.taken = *current;
        QString refusal;
        if (!TParameterComparison::Take_Values(from, &item.taken, &refusal))
        {
            item.standing = STANDING_MISFIT;
            item.reason = refusal;
            item.taken = *current;
        }
        else
        {
            item.standing = Same_Values(item.taken, *current) ? STANDING_SAME : STANDING_DIFFERENT;
        }
        d_items.push_back(std::move(item));
    };

    if (keys.isEmpty())
    {
        d_items.reserve(source.Parameters().size());
        for (const TParameters::TParameter& from : source.Parameters())
        {
            plan(from);
        }
        return;
    }
    // The source's order, whatever order the keys were given in.
    const QSet<QString> wanted(keys.cbegin(), keys.cend());
    QSet<QString> found;
    for (const TParameters::TParameter& from : source.Parameters())
    {
        if (wanted.contains(from.key))
        {
            found.insert(from.key);
            plan(from);
        }
    }
    for (const QString& key : keys)
    {
        if (!found.contains(key))
        {
            TItem item;
            item.key = key;
            item.standing = STANDING_MISSING;
            item.reason = QStringLiteral("Not in the file the values come from.");
            found.insert(key);
            d_items.push_back(std::move(item));
        }
    }
}

const std::vector<TValueTransfer::TItem>& TValueTransfer::Items() const
{
    return d_items;
}

int TValueTransfer::Count(TStanding standing) const
{
    return static_cast<int>(std::count_if(d_items.cbegin(), d_items.cend(),
                                          [standing](const TItem& item)
                                          { return item.standing == standing; }));
}

std::vector<TParameters::TParameter> TValueTransfer::Taken() const
{
    std::vector<TParameters::TParameter> records;
    for (const TItem& item : d_items)
    {
        if (item.standing == STANDING_DIFFERENT)
        {
            records.push_back(item.taken);
        }
    }
    return records;
}

std::vector<TParameters::TParameter> TValueTransfer::Taken(const QStringList& keys) const
{
    const QSet<QString> wanted(keys.cbegin(), keys.cend());
    std::vector<TParameters::TParameter> records;
    for (const TItem& item : d_items)
    {
        if (item.standing == STANDING_DIFFERENT && wanted.contains(item.key))
        {
            records.push_back(item.taken);
        }
    }
    return records;
}

QString TValueTransfer::Change_Text(const TParameters::TParameter& before,
                                    const TParameters::TParameter& after)
{
    return TParameterComparison::Values_Text(TParameterComparison::Values_Of(before)) +
           QStringLiteral(" -> ") + TParameterComparison::Values_Text(TParameterComparison::Values_Of(after));
}
