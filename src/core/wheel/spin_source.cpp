#include "core/wheel/spin_source.h"

#include "core/system/allocation_seam.h"
#include "core/wheel/limits.h"
#include "core/wheel/random.h"

namespace sorvik1 {

std::vector<std::int16_t> drawZahlen(Random& generator, std::size_t anzahl) {
    announceAllocation((anzahl + 1 + maxFigureSpan) * sizeof(std::int16_t));
    std::vector<std::int16_t> zahlen(anzahl + 1 + maxFigureSpan, 0);
    for (std::size_t w = 1; w <= anzahl; ++w) {
        zahlen[w] = static_cast<std::int16_t>(generator.number());
    }
    return zahlen;
}

} // namespace sorvik1
