#pragma once

#include "expression.h"
#include "parameters.h"
#include "rulerun.h"
#include "rules.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The rules of one group kept evaluated against a parameter list while it is edited. The whole group is
// evaluated once, when the list or the group changes (on another core, if the caller likes: the check
// needs only what it is given); after that an edit evaluates again only the rules that read the edited
// parameters, found through an index from each parameter to the rules that use its values.
class TLiveRules
{
public:
    // No rules, no list.
    TLiveRules();
    // Evaluates every rule against the current values of `parameters`.
    TLiveRules(const TParameters& parameters, std::vector<TRules::TRuleItem> rules);
    // The same from the records of a list, in list order: all that a check on another core needs.
    TLiveRules(const std::vector<TParameters::TParameter>& records, std::vector<TRules::TRuleItem> rules);
    ~TLiveRules();
    TLiveRules(TLiveRules&& other) noexcept;
    TLiveRules& operator=(TLiveRules&& other) noexcept;

    // The values of these keys changed in `parameters`, the list this check was made from (edited since):
    // the rules that read them are evaluated again, and `changed_rules` receives, in group order, the
    // positions of the rules whose outcome or values changed, and `changed_records` (if given), sorted,
    // the parameters whose readers or failing readers changed. False when a parameter no longer gives
    // the variables it gave (another number of values): then only a whole new check is right.
    bool Update(const TParameters& parameters, const QStringList& keys, std::vector<int>* changed_rules,
                std::vector<int>* changed_records = nullptr);

    int Rule_Count() const;
    const TRules::TRuleItem& Rule(int index) const;
    const TRuleRun::TRuleResult& Result(int index) const;
    const TRuleRun::TTotals& Totals() const;
    // Why an invalid rule is invalid, with the evaluator's reason for the expression that does not
    // evaluate; empty for a rule that passed or failed.
    QString Reason(int index) const;
    // Parameters are named by their place in the list (TParameters::Parameter_Index).
    // The positions of the rules that read the values of a parameter, in group order.
    std::vector<int> Rules_Reading(int record) const;
    // True when a rule that fails or is invalid reads the parameter: what the list marks and what
    // "Failing rules only" lets through.
    bool Read_By_Failing_Rule(int record) const;
    // The names of the failing and invalid rules that read the parameter, in group order.
    QStringList Failing_Rules_Reading(int record) const;

private:
    void Evaluate_Rule(int index);
    void Count_Rule(int index, int step);
    static bool Same_Result(const TRuleRun::TRuleResult& a, const TRuleRun::TRuleResult& b);

    // Where a variable's value comes from: the last record in list order that gives a variable of that
    // name (a later record's value replaces an earlier one's in the evaluator), and which of its values.
    struct TSource
    {
        int record = -1;
        int value = 0;
    };

    std::unique_ptr<TRuleRun> d_run;
    std::vector<TRules::TRuleItem> d_rules;
    std::vector<TRuleRun::TRuleResult> d_results;
    TRuleRun::TTotals d_totals;
    std::vector<TSource> d_sources;         // by variable sequence number
    std::vector<int> d_record_variables;    // by record: how many variables it gave
    std::vector<std::vector<int>> d_reads;  // by rule: the records it reads, sorted
    std::vector<bool> d_value_dependent;    // by rule: evaluated again after every edit
    QHash<int, std::vector<int>> d_readers; // record -> the rules that read it, sorted
    QHash<int, int> d_failing_readers;      // record -> how many failing or invalid rules read it
};
