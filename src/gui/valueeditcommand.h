#pragma once

#include "parameters.h"

#include <QUndoCommand>
#include <vector>

class TParameterDocument;

// One undoable change of the values of one parameter or of several as one step: an edit of a field, a
// bit box or the bit pattern's value, a revert, or values taken from the reference. Both directions go
// through the document's one edit method, which tells the views.
class TValueEditCommand : public QUndoCommand
{
public:
    TValueEditCommand(TParameterDocument* document, std::vector<TParameters::TParameter> before,
                      std::vector<TParameters::TParameter> after, const QString& text,
                      QUndoCommand* parent = nullptr);
    TValueEditCommand(TParameterDocument* document, const TParameters::TParameter& before,
                      const TParameters::TParameter& after, const QString& text,
                      QUndoCommand* parent = nullptr);

    void undo() override;
    void redo() override;

private:
    TParameterDocument* d_document;
    std::vector<TParameters::TParameter> d_before;
    std::vector<TParameters::TParameter> d_after;
};
