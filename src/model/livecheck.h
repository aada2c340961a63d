#pragma once

#include "liverules.h"
#include "rules.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TParameterDocument;

template <typename T> class QFutureWatcher;

// The rules of the group on show, kept evaluated against the loaded list while the user edits it. A new
// list or another group (or its rules edited) is checked whole, on another core when the check is large,
// with the results of the earlier list or group gone meanwhile; every edit of values after that
// evaluates only the rules that read the edited parameters. A whole check whose list or group changed
// before it ended is dropped; edits made while it ran are applied to its result when it arrives.
class TLiveCheck : public QObject
{
    Q_OBJECT

public:
    explicit TLiveCheck(const TParameterDocument* document, QObject* parent = nullptr);
    ~TLiveCheck() override;

    // The group kept checked, with its rules in run order. The same group with the same rules changes
    // nothing; anything else starts a whole check.
    void Set_Group(const QString& group, const std::vector<TRules::TRuleItem>& rules);
    QString Group() const;
    const std::vector<TRules::TRuleItem>& Rules() const;

    // A whole check of at most this much work (parameters, and each rule counted as 100) is made at once;
    // a larger one goes to another core so that the window keeps answering.
    void Set_Largest_Check_In_Place(int work);
    int Largest_Check_In_Place() const;
    static const int LARGEST_CHECK_IN_PLACE = 50000;

    // True while a whole check runs on another core; there are no results meanwhile.
    bool Is_Checking() const;
    // The results for the list as it stands; null while checking.
    const TLiveRules* Results() const;

    // The whole run of `rules` as group `group` against the list as it stands, when the results hold
    // exactly that: the outcomes, values and report lines a new run would give, without building a
    // second evaluator of the list. False while checking, or for another group or other rules.
    bool Current_Run(const QString& group, const std::vector<TRules::TRuleItem>& rules,
                     TRuleRun::TGroupResult* run) const;

    // By key, from the results; none while checking.
    std::vector<int> Rules_Reading(const QString& key) const;
    bool Read_By_Failing_Rule(const QString& key) const;
    QStringList Failing_Rules_Reading(const QString& key) const;

signals:
    // A whole check went to another core: the results are gone until it ends.
    void Check_Started();
    // Results for another list, group or set of rules.
    void Results_Replaced();
    // An edit changed the results of these rules (positions in the group), and the keys whose failing
    // readers may have changed besides the edited ones.
    void Results_Changed(const std::vector<int>& rules, const QStringList& keys);

private:
    using TResult = std::shared_ptr<TLiveRules>;

    void Start_Check();
    void Check_Finished(QFutureWatcher<TResult>* watcher, quint64 check);
    void Take_Results(TResult results, const QStringList& edited_meanwhile);
    void Keys_Changed(const QStringList& keys);

    const TParameterDocument* d_document;
    QString d_group;
    std::vector<TRules::TRuleItem> d_rules;
    TResult d_results;
    int d_largest_in_place = LARGEST_CHECK_IN_PLACE;
    // Counts the whole checks started: only the result of the last one is taken.
    quint64 d_check = 0;
    bool d_checking = false;
    QStringList d_edited_meanwhile;
};
