#pragma once

#include "parameters.h"

#include <QString>
#include <QStringList>
#include <vector>

// The names a rule's expression can use, for completing them as the user types: the keys of the loaded
// list that give a variable, the elements KEY.1, KEY.2 ... of a parameter of several values, and the
// functions. Only the keys are sorted, once; a key's elements are made when a completion asks for them,
// so that a list of 100,000 parameters and 233,331 variables is ready in the time of one sort.
class TVariableNames
{
public:
    TVariableNames();
    explicit TVariableNames(const TParameters& parameters);

    // The names that start with `prefix` in any mix of case, as the evaluator reads names: the
    // functions first ("SQRT("), then the keys in order without case, each key's elements in their
    // order. At most `limit` names; none for an empty prefix.
    QStringList Completions(const QString& prefix, int limit) const;

private:
    struct TKey
    {
        QString upper;
        QString key;
        int variable_count = 0;
    };

    // The key's names whose element number starts with `number_start` (all for an empty one).
    void Add_Elements(const TKey& key, const QString& number_start, int limit, QStringList* names) const;
    // The first key whose capitals come at or after `upper`.
    std::vector<TKey>::const_iterator Lower_Bound(const QString& upper) const;

    std::vector<TKey> d_keys; // sorted by their capitals
};
