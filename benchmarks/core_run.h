#pragma once

#include "core/wheel/colour.h"
#include "core/wheel/figure.h"
#include "core/wheel/random.h"
#include "core/wheel/spin_source.h"

#include <cstdint>

namespace sorvik1::bench {

// What the trainer's core does for a run, without any window: draw every
// number with the window's generator, then run the figure test at every
// spin. The window's run is measured against this.
inline std::int64_t coreRun(const Figure& figure, std::int64_t spins, std::uint64_t seed) {
    Random generator(seed);
    const auto zahlen = drawZahlen(generator, static_cast<std::size_t>(spins));
    const auto source = SpinSource::drawn(wheelColours(), zahlen);
    std::int64_t occurrences = 0;
    for (std::int64_t s = 1; s <= spins; ++s) {
        occurrences += figure.startsAt(source, s) ? 1 : 0;
    }
    return occurrences;
}

} // namespace sorvik1::bench
