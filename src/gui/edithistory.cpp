#include "edithistory.h"

#include "messagebox.h"
#include "parameterdocument.h"
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

TEditHistory::TEditHistory(TParameterDocument* document, TMessageBox* message_box, QObject* parent)
    : QObject(parent), d_document(document), d_message_box(message_box), d_undo_stack(new QUndoStack(this))
{
    d_undo_stack->setObjectName(QStringLiteral("undo_stack"));
    d_undo_action = d_undo_stack->createUndoAction(this, tr("Undo"));
    d_undo_action->setObjectName(QStringLiteral("undo_action"));
    d_undo_action->setShortcut(QKeySequence::Undo);
    d_redo_action = d_undo_stack->createRedoAction(this, tr("Redo"));
    d_redo_action->setObjectName(QStringLiteral("redo_action"));
    // Every redo key of the platform, and Ctrl+Y where the platform's list lacks it (plain X11 and
    // GNOME give only Ctrl+Shift+Z), since engineers coming from other desktops reach for it.
    QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrl_y(QStringLiteral("Ctrl+Y"));
    if (!redo_keys.contains(ctrl_y))
    {
        redo_keys.append(ctrl_y);
    }
    d_redo_action->setShortcuts(redo_keys);

    d_revert_parameter_action = new QAction(tr("Revert Parameter"), this);
    d_revert_parameter_action->setObjectName(QStringLiteral("revert_parameter_action"));
    d_revert_parameter_action->setToolTip(tr("Return the selected parameter to its loaded values"));
    d_revert_all_action = new QAction(tr("Revert All Changes"), this);
    d_revert_all_action->setObjectName(QStringLiteral("revert_all_action"));
    d_revert_all_action->setToolTip(tr("Return every changed parameter to its loaded values"));

    connect(d_revert_parameter_action, &QAction::triggered, this, &TEditHistory::Revert_Parameter);
    connect(d_revert_all_action, &QAction::triggered, this, &TEditHistory::Revert_All);
    // Nothing of a replaced list can be taken back; every change of values may enable or disable the
    // reverts.
    connect(d_document, &TParameterDocument::List_Replaced, this, &TEditHistory::Clear);
    connect(d_document, &TParameterDocument::Keys_Changed, this, &TEditHistory::Update_Actions);
    connect(d_undo_stack, &QUndoStack::cleanChanged, this, &TEditHistory::Clean_Changed);
    Update_Actions();
}

bool TEditHistory::Is_Clean() const
{
    return d_undo_stack->isClean();
}

void TEditHistory::Set_Clean()
{
    d_undo_stack->setClean();
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
    const TParameters::TParameter before = d_document->Parameters().Get_Parameter(edited.key, &found);
    if (!found || Same_Values(before, edited))
    {
        return;
    }
    d_undo_stack->push(new TValueEditCommand(d_document, before, edited,
                                             text.isEmpty() ? tr("edit of %1").arg(edited.key) : text));
}

void TEditHistory::Edit(const std::vector<TParameters::TParameter>& edited, const QString& text)
{
    std::vector<TParameters::TParameter> before;
    std::vector<TParameters::TParameter> after;
    for (const TParameters::TParameter& parameter : edited)
    {
        const TParameters::TParameter* stored = d_document->Parameters().Find_Parameter(parameter.key);
        if (stored && !Same_Values(*stored, parameter))
        {
            before.push_back(*stored);
            after.push_back(parameter);
        }
    }
    if (!after.empty())
    {
        d_undo_stack->push(new TValueEditCommand(d_document, std::move(before), std::move(after), text));
    }
}

void TEditHistory::Set_Selected(const QString& key)
{
    d_selected = key;
    Update_Actions();
}

void TEditHistory::Revert_Parameter()
{
    const TParameters& parameters = d_document->Parameters();
    bool found = false;
    const TParameters::TParameter before = parameters.Get_Parameter(d_selected, &found);
    if (!found || !before.changed)
    {
        return;
    }
    d_undo_stack->push(new TValueEditCommand(d_document, before, parameters.Loaded_Parameter(d_selected),
                                             tr("revert of %1").arg(d_selected)));
}

void TEditHistory::Revert_All()
{
    const TParameters& parameters = d_document->Parameters();
    const int changed = parameters.Changed_Count();
    if (changed == 0)
    {
        return;
    }
    if (changed > 1 &&
        !d_message_box->Ask_Question(tr("Revert all changes?"),
                                     tr("%1 changed parameters return to their loaded values.").arg(changed)))
    {
        return;
    }

    std::vector<TParameters::TParameter> loaded;
    loaded.reserve(static_cast<size_t>(changed));
    for (const TParameters::TParameter& parameter : parameters.Parameters())
    {
        if (parameter.changed)
        {
            loaded.push_back(parameters.Loaded_Parameter(parameter.key));
        }
    }
    Edit(loaded, tr("revert of all changes"));
}

void TEditHistory::Clear()
{
    d_undo_stack->clear();
    Update_Actions();
}

void TEditHistory::Update_Actions()
{
    const TParameters::TParameter* selected = d_document->Parameters().Find_Parameter(d_selected);
    d_revert_parameter_action->setEnabled(selected && selected->changed);
    d_revert_all_action->setEnabled(d_document->Parameters().Changed_Count() > 0);
}
