#include "core/wheel/colour.h"

#include <algorithm>

namespace sorvik1 {

void fillColourTable(ColourTable& farbe) {
    static constexpr std::array<int, 18> redNumbers = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                                       19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int n = 1; n <= 36; ++n) {
        const bool isRed = std::find(redNumbers.begin(), redNumbers.end(), n) != redNumbers.end();
        farbe[static_cast<std::size_t>(n)] = isRed ? red : black;
    }
}

const ColourTable& wheelColours() {
    static const ColourTable table = [] {
        ColourTable farbe{};
        fillColourTable(farbe);
        return farbe;
    }();
    return table;
}

} // namespace sorvik1
