#pragma once

#include "parameters.h"

#include <QString>
#include <QStringList>
#include <QStringMatcher>
#include <array>
#include <functional>

// Which parameters a list shows: those whose key contains the search text (or, for a text of digits, whose
// number it is; with names searched, whose name or description contains it), "Changed only", and the
// narrowings that other parts of the program decide (the keys that differ from a reference, the keys a
// failing rule uses); after the loaded list's keys, the keys of another list that only it holds. Filling
// the whole list and deciding on one edited key ask the same rule.
class TParameterFilter
{
public:
    enum TNarrowing
    {
        NARROWING_DIFFERENCES = 0,
        NARROWING_FAILING_RULES = 1,
        NARROWING_COUNT = 2
    };
    using TKeyTest = std::function<bool(const QString& key)>;

    // Keys that contain the text, in any mix of case; every key for an empty text. A text of digits
    // alone also lets through the parameter of exactly that number.
    void Set_Search_Text(const QString& text);
    QString Search_Text() const;
    // The search text is also looked for in names and descriptions.
    void Set_Search_Names(bool search_names);
    bool Search_Names() const;
    // Only the parameters whose values differ from the loaded ones.
    void Set_Changed_Only(bool changed_only);
    bool Changed_Only() const;
    // Only the keys that pass the test; a null test lifts the narrowing.
    void Set_Narrowing(TNarrowing narrowing, TKeyTest test);
    // Keys listed after the loaded list's, in this order, each looked up in `source` when the list is
    // filled. Both are read as they are at each fill and must outlive the filter; null for none.
    void Set_Extra_Keys(const TParameters* source, const QStringList* keys);

    bool Is_Listed(const TParameters::TParameter& parameter) const;
    // The keys of `parameters` that are listed, in list order, then the extra keys that are.
    QStringList Listed_Keys(const TParameters& parameters) const;

private:
    bool Matches_Search(const TParameters::TParameter& parameter) const;

    QString d_search_text;
    // Prepared once per search text: the list is narrowed on every keystroke.
    QStringMatcher d_matcher;
    // The parameter number a text of digits names; -1 for any other text.
    int d_search_number = -1;
    bool d_search_names = false;
    bool d_changed_only = false;
    std::array<TKeyTest, NARROWING_COUNT> d_narrowings;
    const TParameters* d_extra_source = nullptr;
    const QStringList* d_extra_keys = nullptr;
};
