#include "liverules.h"

#include "rulevariables.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace
{
// A rule whose value stays not-a-number counts as unchanged.
bool Same_Value(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

void Insert_Sorted(std::vector<int>* list, int value)
{
    const auto place = std::lower_bound(list->begin(), list->end(), value);
    if (place == list->end() || *place != value)
    {
        list->insert(place, value);
    }
}
} // namespace

TLiveRules::TLiveRules() = default;
TLiveRules::~TLiveRules() = default;
TLiveRules::TLiveRules(TLiveRules&& other) noexcept = default;
TLiveRules& TLiveRules::operator=(TLiveRules&& other) noexcept = default;

TLiveRules::TLiveRules(const TParameters& parameters, std::vector<TRules::TRuleItem> rules)
    : TLiveRules(parameters.Parameters(), std::move(rules))
{
}

TLiveRules::TLiveRules(const std::vector<TParameters::TParameter>& records,
                       std::vector<TRules::TRuleItem> rules)
    : d_rules(std::move(rules))
{
    // Only the variables the group's rules can read go into the evaluator, as a check of a file on
    // the command line does: the outcomes are the same, and a list of 100,000 parameters is not held
    // a second time as hundreds of thousands of variables.
    std::vector<std::pair<int, int>> origins;
    const std::vector<TExpression::TVariable> variables =
        TRuleVariables(d_rules).Variables(records, &origins);
    d_run = std::make_unique<TRuleRun>(variables);

    // Each name is a variable of its own unless two records give the same name; only then is a
    // variable's number looked up by its name.
    const bool distinct = d_run->Variable_Count() == static_cast<int>(variables.size());
    d_sources.resize(static_cast<std::size_t>(d_run->Variable_Count()));
    for (std::size_t position = 0; position < variables.size(); ++position)
    {
        const int sequence =
            distinct ? static_cast<int>(position) : d_run->Variable_Sequence(variables[position].name);
        if (sequence >= 0)
        {
            d_sources[static_cast<std::size_t>(sequence)] = {origins[position].first,
                                                             origins[position].second};
        }
    }
    d_record_variables.reserve(records.size());
    for (const TParameters::TParameter& record : records)
    {
        d_record_variables.push_back(TParameters::Variable_Count(record));
    }

    const std::size_t rule_count = d_rules.size();
    d_results.resize(rule_count);
    d_reads.resize(rule_count);
    d_value_dependent.resize(rule_count, false);
    for (std::size_t index = 0; index < rule_count; ++index)
    {
        Evaluate_Rule(static_cast<int>(index));
    }
}

void TLiveRules::Evaluate_Rule(int index)
{
    const std::size_t rule = static_cast<std::size_t>(index);
    TExpression::TUsage usage;
    d_results[rule] = d_run->Run_Rule(d_rules[rule], &usage);

    std::vector<int>& reads = d_reads[rule];
    reads.clear();
    for (const int sequence : usage.variables)
    {
        const int record = d_sources[static_cast<std::size_t>(sequence)].record;
        if (record >= 0)
        {
            reads.push_back(record);
        }
    }
    std::sort(reads.begin(), reads.end());
    reads.erase(std::unique(reads.begin(), reads.end()), reads.end());
    d_value_dependent[rule] = usage.value_dependent;
    Count_Rule(index, 1);
}

// Adds a rule's outcome to the totals and its records to the index (step 1), or takes them out (-1).
void TLiveRules::Count_Rule(int index, int step)
{
    const std::size_t rule = static_cast<std::size_t>(index);
    const TRuleRun::TOutcome outcome = d_results[rule].outcome;
    int& total = outcome == TRuleRun::OUTCOME_PASS   ? d_totals.passed
                 : outcome == TRuleRun::OUTCOME_FAIL ? d_totals.failed
                                                     : d_totals.invalid;
    total += step;
    const bool failing = outcome != TRuleRun::OUTCOME_PASS;
    for (const int record : d_reads[rule])
    {
        if (step > 0)
        {
            Insert_Sorted(&d_readers[record], index);
        }
        else
        {
            std::vector<int>& readers = d_readers[record];
            readers.erase(std::remove(readers.begin(), readers.end(), index), readers.end());
            if (readers.empty())
            {
                d_readers.remove(record);
            }
        }
        if (failing)
        {
            int& count = d_failing_readers[record];
            count += step;
            if (count <= 0)
            {
                d_failing_readers.remove(record);
            }
        }
    }
}

bool TLiveRules::Update(const TParameters& parameters, const QStringList& keys,
                        std::vector<int>* changed_rules, std::vector<int>* changed_records)
{
    changed_rules->clear();
    if (changed_records)
    {
        changed_records->clear();
    }
    if (!d_run)
    {
        return keys.isEmpty();
    }
    const std::vector<TParameters::TParameter>& records = parameters.Parameters();
    std::vector<int> to_check;
    for (const QString& key : keys)
    {
        const int record = parameters.Parameter_Index(key);
        if (record < 0 || record >= static_cast<int>(d_record_variables.size()) ||
            static_cast<std::size_t>(record) >= records.size())
        {
            return false;
        }
        const TParameters::TParameter& parameter = records[static_cast<std::size_t>(record)];
        if (TParameters::Variable_Count(parameter) != d_record_variables[static_cast<std::size_t>(record)])
        {
            return false;
        }
        std::vector<TExpression::TVariable> variables;
        TParameters::Add_Variables(parameter, &variables);
        for (const TExpression::TVariable& variable : variables)
        {
            const int sequence = d_run->Variable_Sequence(variable.name);
            // A name that a later record also gives takes that record's value, as a whole check would.
            if (sequence >= 0 && d_sources[static_cast<std::size_t>(sequence)].record == record)
            {
                d_run->Update_Variable(variable);
            }
        }
        const std::vector<int> readers = d_readers.value(record);
        to_check.insert(to_check.end(), readers.begin(), readers.end());
    }
    for (std::size_t rule = 0; rule < d_rules.size(); ++rule)
    {
        if (d_value_dependent[rule])
        {
            to_check.push_back(static_cast<int>(rule));
        }
    }
    std::sort(to_check.begin(), to_check.end());
    to_check.erase(std::unique(to_check.begin(), to_check.end()), to_check.end());

    for (const int index : to_check)
    {
        const std::size_t rule = static_cast<std::size_t>(index);
        const TRuleRun::TRuleResult before = d_results[rule];
        const std::vector<int> reads_before = d_reads[rule];
        Count_Rule(index, -1);
        Evaluate_Rule(index);
        const bool changed = !Same_Result(before, d_results[rule]);
        if (changed)
        {
            changed_rules->push_back(index);
        }
        if (changed_records && (changed || reads_before != d_reads[rule]))
        {
            // A rule whose outcome stays may still read other parameters (its names match in values).
            if (changed)
            {
                std::set_union(reads_before.begin(), reads_before.end(), d_reads[rule].begin(),
                               d_reads[rule].end(), std::back_inserter(*changed_records));
            }
            else
            {
                std::set_symmetric_difference(reads_before.begin(), reads_before.end(), d_reads[rule].begin(),
                                              d_reads[rule].end(), std::back_inserter(*changed_records));
            }
        }
    }
    if (changed_records)
    {
        std::sort(changed_records->begin(), changed_records->end());
        changed_records->erase(std::unique(changed_records->begin(), changed_records->end()),
                               changed_records->end());
    }
    return true;
}

bool TLiveRules::Same_Result(const TRuleRun::TRuleResult& a, const TRuleRun::TRuleResult& b)
{
    return a.outcome == b.outcome && a.left_valid == b.left_valid && a.right_valid == b.right_valid &&
           Same_Value(a.left_value, b.left_value) && Same_Value(a.right_value, b.right_value);
}

int TLiveRules::Rule_Count() const
{
    return static_cast<int>(d_rules.size());
}

const TRules::TRuleItem& TLiveRules::Rule(int index) const
{
    return d_rules.at(static_cast<std::size_t>(index));
}

const TRuleRun::TRuleResult& TLiveRules::Result(int index) const
{
    return d_results.at(static_cast<std::size_t>(index));
}

const TRuleRun::TTotals& TLiveRules::Totals() const
{
    return d_totals;
}

QString TLiveRules::Reason(int index) const
{
    return d_run ? d_run->Explained_Reason(Rule(index), Result(index)) : QString();
}

std::vector<int> TLiveRules::Rules_Reading(int record) const
{
    return d_readers.value(record);
}

bool TLiveRules::Read_By_Failing_Rule(int record) const
{
    return d_failing_readers.contains(record);
}

QStringList TLiveRules::Failing_Rules_Reading(int record) const
{
    QStringList names;
    for (const int index : d_readers.value(record))
    {
        if (d_results[static_cast<std::size_t>(index)].outcome != TRuleRun::OUTCOME_PASS)
        {
            names << d_rules[static_cast<std::size_t>(index)].name;
        }
    }
    return names;
}
