#pragma once

#include "parameterlist.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QTableWidget;
class QWidget;
class TLiveCheck;
class TParameterDocument;
class TParameterFilter;

// What the outcomes of the group on show say about the parameters: a mark on the list entries whose
// values a failing or invalid rule reads, the "Failing rules only" filter, and on the detail side the
// rules that read the parameter on show with their outcomes. It holds the live check that keeps the
// group evaluated as the list is edited.
class TRuleOutcomes : public QObject
{
    Q_OBJECT

public:
    // Follows the document's list; made before the views of the list, so that the outcomes are current
    // when a view asks about an edited key.
    TRuleOutcomes(const TParameterDocument* document, QWidget* parent);

    TLiveCheck* Live_Check() const;
    QCheckBox* Failing_Only_Check() const;
    // The rules that read the selected parameter, for the detail side.
    QWidget* Detail_Box() const;

    // Gives a list's filter what the outcomes decide: with "Failing rules only" the keys read by a
    // failing or invalid rule (all keys while a whole check runs, when nothing is known yet).
    void Join_Listing(TParameterFilter* filter) const;
    // Adds to a list entry's marks the failing and invalid rules that read its key.
    void Mark_Entry(const QString& key, TParameterList::TEntryMarks* marks) const;
    // Shows the rules that read a key and their outcomes; empty for none.
    void Show_Parameter(const QString& key);

signals:
    // The keys to list changed as a whole: the filter was switched, or new results replaced the old.
    void Listing_Changed();
    // The marks of these keys may have changed, and with "Failing rules only" whether they are listed;
    // an empty list stands for every key.
    void Marks_Changed(const QStringList& keys);

private:
    void Create_Detail_Box(QWidget* parent);
    void Results_Replaced();
    void Results_Changed(const std::vector<int>& rules, const QStringList& keys);
    void Fill_Detail();
    bool Listing_Failing_Only() const;

    TLiveCheck* d_check;
    QString d_shown_key;
    QCheckBox* d_failing_only_check = nullptr;
    QGroupBox* d_detail_box = nullptr;
    QTableWidget* d_rules_view = nullptr;
    QLabel* d_rules_state_label = nullptr;
};
