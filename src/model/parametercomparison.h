#pragma once

#include "parameters.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <vector>

// Compares a parameter list with a reference list key by key, across the two file formats: numbers
// are compared by value (an integer 250 is the same as a real 2.5E+02), reals within a tolerance, and
// texts as written. The command line's compare and the window's Compare With both use it.
class TParameterComparison
{
public:
    // How a key of either list stands against the other list.
    enum TMatch
    {
        MATCH_NONE = 0,      // in neither list
        MATCH_SAME = 1,      // in both, with the same values
        MATCH_DIFFERENT = 2, // in both, with other values
        MATCH_ONLY_A = 3,    // in the compared list only: the reference has no such parameter
        MATCH_ONLY_B = 4     // in the reference only
    };

    // One value of a parameter as listings and comparisons see it: a number, or a text.
    struct TValue
    {
        bool numeric = false;
        double number = 0.0;
        QString text;
    };

    struct TDifference
    {
        QString key;
        std::vector<TValue> values_a;
        std::vector<TValue> values_b;
    };

    // The whole comparison, in the order of list A and then list B.
    struct TResult
    {
        QStringList only_in_a;
        QStringList only_in_b;
        std::vector<TDifference> different;

        bool Same() const;
    };

    // Both lists must outlive the comparison; it reads them as they are at each call.
    TParameterComparison(const TParameters* a, const TParameters* b, double tolerance = 0.0);

    TMatch Match(const QString& key) const;
    TResult Compare() const;
    double Tolerance() const;

    // Sets the values of `target` to those of `reference`, read as values of the target's own type, so
    // that a record keeps its type and its count of values. A reference with another count of values,
    // or with a value that is none of the target's kind, is refused with the reason and `target` is
    // left as it was.
    static bool Take_Values(const TParameters::TParameter& reference, TParameters::TParameter* target,
                            QString* refusal);

    static std::vector<TValue> Values_Of(const TParameters::TParameter& parameter);
    static bool Same_Values(const std::vector<TValue>& a, const std::vector<TValue>& b, double tolerance);
    static QString Values_Text(const std::vector<TValue>& values);
    static QJsonArray Values_Json(const std::vector<TValue>& values);
    static QString Type_Name(int type);
    static QString Format_Name(int format);

private:
    const TParameters* d_a;
    const TParameters* d_b;
    double d_tolerance;
};
