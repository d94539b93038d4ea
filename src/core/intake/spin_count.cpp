#include "core/intake/spin_count.h"

#include "core/text/leading_number.h"
#include "core/wheel/limits.h"

#include <algorithm>
#include <cmath>

namespace sorvik1 {

std::size_t spinCount(std::string_view text) {
    const double value = leadingNumber(text);
    if (!(value > 0)) {
        return 0;
    }
    // A fraction such as "0.5" still asks for a run, so the count is at least
    // one spin; the upper bound also keeps infinity out of the conversion.
    const double whole = std::clamp(std::floor(value), 1.0, static_cast<double>(maxSpins));
    return static_cast<std::size_t>(whole);
}

bool exceedsMaxSpins(std::string_view text) {
    return leadingNumber(text) > static_cast<double>(maxSpins);
}

} // namespace sorvik1
