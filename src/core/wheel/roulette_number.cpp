#include "core/wheel/roulette_number.h"

#include <cmath>

namespace sorvik1 {

std::optional<int> rouletteNumber(double value) {
    // nearbyint rounds halves to even in the default rounding mode, which the
    // program never changes. NaN fails both comparisons.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 0.0 && rounded <= 36.0)) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

} // namespace sorvik1
