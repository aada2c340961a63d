#pragma once

#include "parametercomparison.h"
#include "parameterlist.h"
#include "parameters.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QTableWidget;
class QWidget;
class TEditHistory;
class TParameterFilter;
class TParameterDocument;

// The loaded list set against a read-only reference list (a backup, the last service visit, a sister
// machine): how every key stands against the reference, the keys only the reference holds, the
// "Differences only" filter, the reference's values beside the loaded ones, and taking them over as
// one undoable edit. Each key is compared once per load, per new reference and per edit of that key,
// never while the list is drawn.
class TComparisonView : public QObject
{
    Q_OBJECT

public:
    // Follows the document's list: compares every key again when another list is loaded, and a key
    // again when its values change.
    TComparisonView(const TParameterDocument* document, TEditHistory* edit_history, QWidget* parent);

    QAction* Compare_Action() const;
    QAction* Clear_Action() const;
    QAction* Use_Reference_Action() const;
    QCheckBox* Differences_Only_Check() const;
    QLabel* Difference_Count_Label() const;
    // The reference's values of the selected parameter, for the detail side.
    QWidget* Detail_Box() const;

    // Reads a reference file with the reader Open uses. A file that cannot be read leaves the
    // comparison as it was and gives the reason.
    bool Load_Reference(const QString& path, QString* error);
    // Ends the comparison.
    void Clear();
    // Gives a list's filter what the comparison decides: with "Differences only" the keys whose values
    // differ from the reference or that one of the two lists lacks, and after the loaded keys those
    // only the reference holds. The filter reads the comparison as it stands at each decision.
    void Join_Listing(TParameterFilter* filter) const;
    // Adds to a list entry's marks how its key stands against the reference: a sign, the reason
    // after any tool tip already there, and italics for a key only the reference holds.
    void Mark_Entry(const QString& key, TParameterList::TEntryMarks* marks) const;
    bool Is_Listing() const;

    // The reference list while a comparison runs, else null.
    const TParameters* Reference() const;
    // The file the reference was read from; empty while no comparison runs.
    QString Reference_Path() const;
    // The reference's record of a key, or null: a key only the reference holds is shown from it.
    const TParameters::TParameter* Reference_Parameter(const QString& key) const;
    // Shows the reference's values of the selected key beside the loaded ones; empty for none.
    void Show_Parameter(const QString& key);
    // Copies the reference's values into the loaded parameter through the edit history.
    void Use_Reference_Value(const QString& key);

signals:
    // The keys to list or their marks changed: a reference was read or dropped, or the filter moved.
    void Comparison_Changed();

private:
    void Create_Detail_Box(QWidget* parent);
    // Every key of the loaded list against the reference: after another list is loaded (none, after
    // New or a failed Open, compares nothing) and after another reference is read.
    void Compare_All();
    void Keys_Changed(const QStringList& keys);
    void Count_Differences();
    void Show_Count();
    void Fill_Table(const TParameters::TParameter* loaded, const TParameters::TParameter* reference);
    TParameterComparison::TMatch Key_Match(const QString& key) const;
    static bool Differs(TParameterComparison::TMatch match);

    const TParameterDocument* d_document;
    const TParameters* d_parameters;
    TEditHistory* d_edit_history;
    TParameters d_reference;
    QString d_reference_path;
    bool d_active = false;
    QHash<QString, TParameterComparison::TMatch> d_matches;
    QStringList d_reference_only;
    int d_differences = 0;

    QAction* d_compare_action = nullptr;
    QAction* d_clear_action = nullptr;
    QAction* d_use_reference_action = nullptr;
    QCheckBox* d_differences_only_check = nullptr;
    QLabel* d_difference_count_label = nullptr;
    QGroupBox* d_detail_box = nullptr;
    QTableWidget* d_reference_table = nullptr;
    QLabel* d_reference_state_label = nullptr;
};
