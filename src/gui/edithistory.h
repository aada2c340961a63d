#pragma once

#include "parameters.h"

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QUndoStack;
class TMessageBox;
class TParameterDocument;

// The window's history of value edits: every edit is recorded here on its way to the document, so that
// Edit > Undo and Edit > Redo can take it back and forth, and Revert Parameter and Revert All Changes
// return parameters to their loaded values as one more undoable step. A new list starts a new history.
class TEditHistory : public QObject
{
    Q_OBJECT

public:
    TEditHistory(TParameterDocument* document, TMessageBox* message_box, QObject* parent);

    QAction* Undo_Action() const;
    QAction* Redo_Action() const;
    QAction* Revert_Parameter_Action() const;
    QAction* Revert_All_Action() const;

    // Records an edit and applies it; an edit that leaves the values as they are records nothing.
    // The text names the step in Undo and Redo ("edit of KEY" when none is given).
    void Edit(const TParameters::TParameter& edited, const QString& text = QString());
    // Records the edits of several parameters as one step named by the text; the parameters whose
    // values stay as they are are left out, and nothing is recorded when none is left.
    void Edit(const std::vector<TParameters::TParameter>& edited, const QString& text);
    // The parameter Revert Parameter applies to; empty for none.
    void Set_Selected(const QString& key);
    // Whether the values are those of the last save (or of the load, before any save): undoing back
    // to that point makes the history clean again, redoing past it not.
    bool Is_Clean() const;
    void Set_Clean();

signals:
    void Clean_Changed(bool clean);

public slots:
    void Revert_Parameter();
    void Revert_All();

private:
    void Clear();
    void Update_Actions();

    TParameterDocument* d_document;
    TMessageBox* d_message_box;
    QUndoStack* d_undo_stack;
    QAction* d_undo_action;
    QAction* d_redo_action;
    QAction* d_revert_parameter_action;
    QAction* d_revert_all_action;
    QString d_selected;
};
