#pragma once

#include "parameters.h"

#include <QString>
#include <QStringList>
#include <vector>

// Values of one parameter list (a tuning from a sister machine, a customer's standard set, a backup,
// whole or partial) taken into another: for each parameter of the source, whether the target holds other
// values that can be taken, the same values already, no such parameter, or values that do not fit its
// type or count. The window's preview, Use All Reference Values and the command line's apply share it.
class TValueTransfer
{
public:
    enum TStanding
    {
        STANDING_DIFFERENT = 0, // other values, which can be taken
        STANDING_SAME = 1,      // the same values already
        STANDING_MISSING = 2,   // the target has no such parameter
        STANDING_MISFIT = 3     // the values do not fit the target's type or count
    };

    struct TItem
    {
        QString key;
        TStanding standing = STANDING_SAME;
        // The target's record as it is, and with the source's values taken (for STANDING_DIFFERENT).
        TParameters::TParameter current;
        TParameters::TParameter taken;
        // The source's record, as the source holds it.
        TParameters::TParameter source;
        // Why a parameter is missing or does not fit.
        QString reason;
    };

    // Plans taking the values of `source`'s parameters into `target`, in the source's order; with `keys`
    // given, only those parameters (a key the source lacks is then reported as missing from the source).
    TValueTransfer(const TParameters& target, const TParameters& source, const QStringList& keys = {});

    const std::vector<TItem>& Items() const;
    int Count(TStanding standing) const;
    // The records to hand to the edit path: every parameter with other values, or only those of `keys`.
    std::vector<TParameters::TParameter> Taken() const;
    std::vector<TParameters::TParameter> Taken(const QStringList& keys) const;

    // "8 -> 12": a parameter's values before and after, as listings write them.
    static QString Change_Text(const TParameters::TParameter& before, const TParameters::TParameter& after);

private:
    std::vector<TItem> d_items;
};
