#pragma once

#include "parameters.h"

#include <QUndoCommand>
#include <functional>

// One undoable change of a parameter's values: an edit of a field, a bit box or the bit pattern's
// value, a revert, or a value taken from the reference. Both directions go through the model's one
// edit method; the window is told which key changed.
class TValueEditCommand : public QUndoCommand
{
public:
    using TNotify = std::function<void(const QString& key)>;

    TValueEditCommand(TParameters* parameters, const TParameters::TParameter& before,
                      const TParameters::TParameter& after, const QString& text, TNotify notify,
                      QUndoCommand* parent = nullptr);

    void undo() override;
    void redo() override;

private:
    TParameters* d_parameters;
    TParameters::TParameter d_before;
    TParameters::TParameter d_after;
    TNotify d_notify;
};
