#pragma once

#include "parameters.h"

#include <QObject>
#include <QStringList>
#include <vector>

// The loaded parameter list and the one way it changes. Every edit, undo, redo, revert and value taken
// from another file reaches the records through Edit, and every newly read list through Replace_List;
// the views follow the two signals instead of being told by whoever made the change.
class TParameterDocument : public QObject
{
    Q_OBJECT

    // The window tests plant records that no reader gives straight into the list.
    friend class TVantrelTestAccess;

public:
    explicit TParameterDocument(QObject* parent = nullptr);

    // The list as it stands; the object stays the same for the document's life, its records change.
    const TParameters& Parameters() const;
    // True while the list came from a file: after a read that succeeded, until New or a failed read.
    bool Is_Loaded() const;

    // Takes over a newly read list (or an empty one: New, a failed read). The replaced records are
    // freed on another core once the views have let go of them.
    void Replace_List(TParameters parameters);
    // The records of the edited keys take their values (TParameters::Edit_Parameter), all as one
    // change; a key the list does not hold is passed over. False when none was held.
    bool Edit(const std::vector<TParameters::TParameter>& edited);
    bool Edit(const TParameters::TParameter& edited);
    // Writes the list back over file_name exactly and verified (TParameters::Save_Parameter_File);
    // the values, their changed marks and the views stay as they are.
    bool Save(const QString& file_name, bool keep_backup, QString* backup_file_name);

signals:
    // The values (and so the changed marks) of these keys changed, in list order of the edit.
    void Keys_Changed(const QStringList& keys);
    // Another list is loaded, or none.
    void List_Replaced();

private:
    TParameters d_parameters;
};
