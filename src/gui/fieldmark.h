#pragma once

class QLineEdit;
class QString;

namespace Utilities
{
// Marks a value field whose text was refused: a red frame, and a tool tip that says why. An empty
// reason takes the mark away again.
void Mark_Refused_Field(QLineEdit* field, const QString& reason);
} // namespace Utilities
