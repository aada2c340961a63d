#include "edithistory.h"

#include "messagebox.h"
#include "valueeditcommand.h"

#include <QAction>
#include <QUndoStack>

namespace
{
bool Same_Values(const TParameters::TParameter& a, const TParameters::TParameter& b)
{
    const int count = TParameters::Value_Count(a);
    if (count != TParameters::Value_Count(b))
    {
        return false;
    }
    for (int index = 0; index < count; ++index)
    {
        if (TParameters::Value_Text(a, index) != TParameters::Value_Text(b, index))
        {
            return false;
        }
    }
    return true;
}
} // namespace

TEditHistory::TEditHistory(TParameters* parameters, TMessageBox* message_box, QObject* parent)
    : QObject(parent), d_parameters(parameters), d_message_box(message_box),
      d_undo_stack(new QUndoStack(this))
{
    d_undo_stack->setObjectName(QStringLiteral("undo_stack"));
    d_undo_action = d_undo_stack->createUndoAction(this, QStringLiteral("Undo"));
    d_undo_action->setObjectName(QStringLiteral("undo_action"));
    d_undo_action->setShortcut(QKeySequence::Undo);
    d_redo_action = d_undo_stack->createRedoAction(this, QStringLiteral("Redo"));
    d_redo_action->setObjectName(QStringLiteral("redo_action"));
    d_redo_action->setShortcut(QKeySequence::Redo);

    d_revert_parameter_action = new QAction(QStringLiteral("Revert Parameter"), this);
    d_revert_parameter_action->setObjectName(QStringLiteral("revert_parameter_action"));
    d_revert_parameter_action->setToolTip(
        QStringLiteral("Return the selected parameter to its loaded values"));
    d_revert_all_action = new QAction(QStringLiteral("Revert All Changes"), this);
    d_revert_all_action->setObjectName(QStringLiteral("revert_all_action"));
    d_revert_all_action->setToolTip(QStringLiteral("Return every changed parameter to its loaded values"));

    connect(d_revert_parameter_action, &QAction::triggered, this, &TEditHistory::Revert_Parameter);
    connect(d_revert_all_action, &QAction::triggered, this, &TEditHistory::Revert_All);
    Update_Actions();
}

QAction* TEditHistory::Undo_Action() const
{
    return d_undo_action;
}

QAction* TEditHistory::Redo_Action() const
{
    return d_redo_action;
}

QAction* TEditHistory::Revert_Parameter_Action() const
{
    return d_revert_parameter_action;
}

QAction* TEditHistory::Revert_All_Action() const
{
    return d_revert_all_action;
}

void TEditHistory::Edit(const TParameters::TParameter& edited, const QString& text)
{
    bool found = false;
    const TParameters::TParameter before = d_parameters->Get_Parameter(edited.key, &found);
    if (!found || Same_Values(before, edited))
    {
        return;
    }
    d_undo_stack->push(new TValueEditCommand(
        d_parameters, before, edited, text.isEmpty() ? QStringLiteral("edit of %1").arg(edited.key) : text,
        [this](const QString& key) { Notify(key); }));
}

void TEditHistory::Set_Selected(const QString& key)
{
    d_selected = key;
    Update_Actions();
}

void TEditHistory::Clear()
{
    d_undo_stack->clear();
    Update_Actions();
}

void TEditHistory::Revert_Parameter()
{
    bool found = false;
    const TParameters::TParameter before = d_parameters->Get_Parameter(d_selected, &found);
    if (!found || !before.changed)
    {
        return;
    }
    d_undo_stack->push(new TValueEditCommand(d_parameters, before, d_parameters->Loaded_Parameter(d_selected),
                                             QStringLiteral("revert of %1").arg(d_selected),
                                             [this](const QString& key) { Notify(key); }));
}

void TEditHistory::Revert_All()
{
    const int changed = d_parameters->Changed_Count();
    if (changed == 0)
    {
        return;
    }
    if (changed > 1 &&
        !d_message_box->Ask_Question(
            QStringLiteral("Revert all changes?"),
            QStringLiteral("%1 changed parameters return to their loaded values.").arg(changed)))
    {
        return;
    }

    // One step for the whole revert: a parent command runs its children in order and takes them back
    // in reverse.
    QUndoCommand* revert_all = new QUndoCommand(QStringLiteral("revert of all changes"));
    for (const TParameters::TParameter& parameter : d_parameters->Parameters())
    {
        if (parameter.changed)
        {
            new TValueEditCommand(
                d_parameters, parameter, d_parameters->Loaded_Parameter(parameter.key), QString(),
                [this](const QString& key) { Notify(key); }, revert_all);
        }
    }
    d_undo_stack->push(revert_all);
}

void TEditHistory::Notify(const QString& key)
{
    Update_Actions();
    emit Parameter_Edited(key);
}

void TEditHistory::Update_Actions()
{
    bool found = false;
    d_revert_parameter_action->setEnabled(d_parameters->Get_Parameter(d_selected, &found).changed && found);
    d_revert_all_action->setEnabled(d_parameters->Changed_Count() > 0);
}
