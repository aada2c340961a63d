#include "livecheck.h"

#include "parameterdocument.h"

#include <QFutureWatcher>
#include <QtConcurrent>

#include <utility>

namespace
{
bool Same_Rules(const std::vector<TRules::TRuleItem>& a, const std::vector<TRules::TRuleItem>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const TRules::TRuleItem& first, const TRules::TRuleItem& second)
                      {
                          return first.name == second.name &&
                                 first.left_expression == second.left_expression &&
                                 first.right_expression == second.right_expression &&
                                 first.operator_type == second.operator_type;
                      });
}
} // namespace

TLiveCheck::TLiveCheck(const TParameterDocument* document, QObject* parent)
    : QObject(parent), d_document(document)
{
    connect(d_document, &TParameterDocument::List_Replaced, this, &TLiveCheck::Start_Check);
    connect(d_document, &TParameterDocument::Keys_Changed, this, &TLiveCheck::Keys_Changed);
    Start_Check();
}

TLiveCheck::~TLiveCheck() = default;

void TLiveCheck::Set_Group(const QString& group, const std::vector<TRules::TRuleItem>& rules)
{
    if (group == d_group && Same_Rules(rules, d_rules))
    {
        return;
    }
    d_group = group;
    d_rules = rules;
    Start_Check();
}

QString TLiveCheck::Group() const
{
    return d_group;
}

const std::vector<TRules::TRuleItem>& TLiveCheck::Rules() const
{
    return d_rules;
}

void TLiveCheck::Set_Largest_Check_In_Place(int work)
{
    d_largest_in_place = work;
}

int TLiveCheck::Largest_Check_In_Place() const
{
    return d_largest_in_place;
}

bool TLiveCheck::Is_Checking() const
{
    return d_checking;
}

const TLiveRules* TLiveCheck::Results() const
{
    return d_results.get();
}

void TLiveCheck::Start_Check()
{
    // Whatever runs still belongs to the list or group before: its result will be dropped.
    ++d_check;
    d_results.reset();
    d_edited_meanwhile.clear();
    const std::vector<TParameters::TParameter>& records = d_document->Parameters().Parameters();
    const qint64 work = static_cast<qint64>(records.size()) + 100 * static_cast<qint64>(d_rules.size());
    if (work <= d_largest_in_place)
    {
        d_checking = false;
        Take_Results(std::make_shared<TLiveRules>(records, d_rules), QStringList());
        return;
    }

    // The check reads the records shared with the list: the user may edit the list while it runs, and
    // then the list copies its records first, so that a big list is held twice only while both the
    // check runs and the user edits. The check lets go of them where it ends.
    auto shared = d_document->Parameters().Shared_Parameters();
    auto* watcher = new QFutureWatcher<TResult>(this);
    const quint64 check = d_check;
    connect(watcher, &QFutureWatcher<TResult>::finished, this,
            [this, watcher, check]() { Check_Finished(watcher, check); });
    watcher->setFuture(QtConcurrent::run(
        [shared = std::move(shared), rules = d_rules]() mutable
        {
            auto results = std::make_shared<TLiveRules>(std::as_const(shared)->records, std::move(rules));
            shared = QSharedDataPointer<TParameters::TRecordList>();
            return results;
        }));
    d_checking = true;
    emit Check_Started();
}

void TLiveCheck::Check_Finished(QFutureWatcher<TResult>* watcher, quint64 check)
{
    const TResult result = watcher->result();
    watcher->deleteLater();
    if (check != d_check)
    {
        return;
    }
    d_checking = false;
    const QStringList edited_meanwhile = std::move(d_edited_meanwhile);
    Take_Results(result, edited_meanwhile);
}

void TLiveCheck::Take_Results(TResult results, const QStringList& edited_meanwhile)
{
    d_edited_meanwhile.clear();
    d_results = std::move(results);
    std::vector<int> changed_rules;
    if (!edited_meanwhile.isEmpty() &&
        !d_results->Update(d_document->Parameters(), edited_meanwhile, &changed_rules))
    {
        // An edit meanwhile changed how many values a parameter has: only a new check is right.
        Start_Check();
        return;
    }
    emit Results_Replaced();
}

void TLiveCheck::Keys_Changed(const QStringList& keys)
{
    if (d_checking)
    {
        d_edited_meanwhile += keys;
        return;
    }
    if (!d_results)
    {
        return;
    }
    std::vector<int> changed_rules;
    std::vector<int> changed_records;
    const TParameters& parameters = d_document->Parameters();
    if (!d_results->Update(parameters, keys, &changed_rules, &changed_records))
    {
        Start_Check();
        return;
    }
    if (changed_rules.empty() && changed_records.empty())
    {
        return;
    }
    QStringList changed_keys;
    changed_keys.reserve(static_cast<int>(changed_records.size()));
    for (const int record : changed_records)
    {
        changed_keys.append(parameters.Parameters()[static_cast<std::size_t>(record)].key);
    }
    emit Results_Changed(changed_rules, changed_keys);
}

bool TLiveCheck::Current_Run(const QString& group, const std::vector<TRules::TRuleItem>& rules,
                             TRuleRun::TGroupResult* run) const
{
    if (d_checking || !d_results || group != d_group || !Same_Rules(rules, d_rules) ||
        d_results->Rule_Count() != static_cast<int>(rules.size()))
    {
        return false;
    }
    run->results.clear();
    run->results.reserve(rules.size());
    for (int index = 0; index < d_results->Rule_Count(); ++index)
    {
        run->results.push_back(d_results->Result(index));
    }
    run->totals = d_results->Totals();
    return true;
}

std::vector<int> TLiveCheck::Rules_Reading(const QString& key) const
{
    const int record = d_document->Parameters().Parameter_Index(key);
    return d_results && record >= 0 ? d_results->Rules_Reading(record) : std::vector<int>();
}

bool TLiveCheck::Read_By_Failing_Rule(const QString& key) const
{
    const int record = d_document->Parameters().Parameter_Index(key);
    return d_results && record >= 0 && d_results->Read_By_Failing_Rule(record);
}

QStringList TLiveCheck::Failing_Rules_Reading(const QString& key) const
{
    const int record = d_document->Parameters().Parameter_Index(key);
    return d_results && record >= 0 ? d_results->Failing_Rules_Reading(record) : QStringList();
}
