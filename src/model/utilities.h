#pragma once

#include <QString>
#include <functional>

class QIODevice;
class QTextStream;

namespace Utilities
{
// What the change report's export options select.
struct TExportOptions
{
    bool changed_only = true;
    bool original_values = true;
    bool matches_import = true;
};

// The per-user directory under the home directory that holds "settings.ini" and "rules.xml".
inline QString Data_Directory_Name()
{
    return QStringLiteral(".vantrel");
}

// Writes a file whole or not at all, through the program's one atomic file step; on failure error says
// "Cannot write FILE: " and the system's reason.
bool Save_File(const QString& file_name, const std::function<bool(QIODevice*)>& write, QString* error);

// Makes a text stream read and write UTF-8 whatever the locale says; on reading, a byte order mark
// still selects UTF-16 or UTF-32.
void Use_Utf8(QTextStream* stream);

// True when a real value is shown with 15 decimals instead of 6: it has non-zero digits beyond the
// fourth decimal.
bool Use_High_Precision_Display(const double& value);

// A real as the value editor shows it and the settings layout of the change report writes it: fixed
// point with 6 or 15 decimals, the shortest digits that read back as the same number padded with zeros
// (125.123456789 is 125.123456789000000), or the shortest text that reads back where no text with that
// many decimals does (1e-16 is not 0.000000000000000).
QString Real_Text(double value);
// A real as the value field shows it: as Real_Text, but in the shortest exponent form where fixed point
// would write more than 15 digits before the point (-1.5e300 would fill the field with 300 digits, all
// but the first two the binary form's noise).
QString Shown_Real_Text(double value);

// Text typed for a value, read the way the window accepts it: a finite number in the locale-independent
// form, and for the integer kinds a whole number within 32 bits (1e3 is 1000, 7.99 is refused). On
// refusal the result is false and the reason says why.
bool Read_Real(const QString& text, double* value, QString* reason);
bool Read_Integer(const QString& text, int* value, QString* reason);
} // namespace Utilities
