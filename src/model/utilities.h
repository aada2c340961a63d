#pragma once

#include <QString>

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

// True when a real value is shown with 15 decimals instead of 6.
bool Use_High_Precision_Display(const double& value);
} // namespace Utilities
