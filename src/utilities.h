#pragma once

namespace Utilities
{
// What the change report's export options select.
struct TExportOptions
{
    bool changed_only = true;
    bool original_values = true;
    bool matches_import = true;
};

// True when a real value is shown with 15 decimals instead of 6.
bool Use_High_Precision_Display(const double& value);
} // namespace Utilities
