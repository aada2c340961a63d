#include "valueeditcommand.h"

#include <utility>

TValueEditCommand::TValueEditCommand(TParameters* parameters, const TParameters::TParameter& before,
                                     const TParameters::TParameter& after, const QString& text,
                                     TNotify notify, QUndoCommand* parent)
    : QUndoCommand(text, parent), d_parameters(parameters), d_before(before), d_after(after),
      d_notify(std::move(notify))
{
}

void TValueEditCommand::undo()
{
    d_parameters->Edit_Parameter(d_before);
    d_notify(d_before.key);
}

void TValueEditCommand::redo()
{
    d_parameters->Edit_Parameter(d_after);
    d_notify(d_after.key);
}
