#include "core/wheel/figure.h"

namespace sorvik1 {

Figure Figure::fromGrid(const FigureGrid& figur, std::int16_t anfang, std::int16_t ende) {
    if (anfang < 1 || anfang > ende || ende > maxFigureSpan) {
        return {};
    }
    Figure figure;
    for (int p = anfang; p <= ende; ++p) {
        figure.set(p - anfang, figur[static_cast<std::size_t>(p)]);
    }
    return figure;
}

void Figure::set(int offset, Farbcode colour) {
    if (colour == noColour) {
        return;
    }
    // The offsets arrive in ascending order, so the last one set is the end.
    colours_[static_cast<std::size_t>(offset)] = colour;
    offsets_[static_cast<std::size_t>(occupied_++)] = static_cast<std::int8_t>(offset);
    span_ = offset + 1;
}

} // namespace sorvik1
