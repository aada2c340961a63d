#include "utilities.h"

#include <cmath>

namespace Utilities
{
bool Use_High_Precision_Display(const double& value)
{
    // The display rule looks at the digits beyond the fourth decimal of the magnitude, using the
    // controller tool's historical arithmetic: round to the nearest whole number through a 32-bit
    // integer, scale the remainder by 10000 and test for anything left after the decimal point.
    const double magnitude = std::fabs(value);
    if (std::isnan(magnitude))
    {
        return false;
    }

    // Beyond the 32-bit range the rounding cannot be represented; such huge values (and infinities)
    // always get the long form so that no digit is hidden.
    const double rounding_base = magnitude + 0.5;
    if (!(rounding_base < 2147483648.0))
    {
        return true;
    }

    const int nearest = static_cast<int>(rounding_base);
    // The remainder lies in [-0.5, 0.5), so the scaled value fits an int comfortably.
    const double scaled = (magnitude - nearest) * 10000.0;
    return (scaled - static_cast<int>(scaled)) > 0.000000000001;
}
} // namespace Utilities
