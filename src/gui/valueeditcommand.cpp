#include "valueeditcommand.h"

#include "parameterdocument.h"

#include <utility>

TValueEditCommand::TValueEditCommand(TParameterDocument* document,
                                     std::vector<TParameters::TParameter> before,
                                     std::vector<TParameters::TParameter> after, const QString& text,
                                     QUndoCommand* parent)
    : QUndoCommand(text, parent), d_document(document), d_before(std::move(before)), d_after(std::move(after))
{
}

TValueEditCommand::TValueEditCommand(TParameterDocument* document, const TParameters::TParameter& before,
                                     const TParameters::TParameter& after, const QString& text,
                                     QUndoCommand* parent)
    : TValueEditCommand(document, std::vector<TParameters::TParameter>{before},
                        std::vector<TParameters::TParameter>{after}, text, parent)
{
}

void TValueEditCommand::undo()
{
    d_document->Edit(d_before);
}

void TValueEditCommand::redo()
{
    d_document->Edit(d_after);
}
