#pragma once

#include "core/wheel/figure.h"
#include "core/wheel/limits.h"
#include "core/wheel/spin_source.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace sorvik1::testing {

// A run's numbers written by colour, one letter per spin: "R" a red number,
// "S" a black one, "0" the zero. Laid out as the trainer keeps them.
inline std::vector<std::int16_t> zahlenOf(std::string_view spins) {
    std::vector<std::int16_t> zahlen(spins.size() + 1 + maxFigureSpan, 0);
    for (std::size_t i = 0; i < spins.size(); ++i) {
        zahlen[i + 1] = spins[i] == 'R' ? 1 : spins[i] == 'S' ? 2 : 0;
    }
    return zahlen;
}

// Every spin 1 .. anzahl at which the figure starts, tested one by one as
// the trainer's spin step does.
inline std::vector<std::int64_t> startsOneByOne(const Figure& figure, const SpinSource& source,
                                                std::int64_t anzahl) {
    std::vector<std::int64_t> starts;
    for (std::int64_t s = 1; s <= anzahl; ++s) {
        if (figure.startsAt(source, s)) {
            starts.push_back(s);
        }
    }
    return starts;
}

} // namespace sorvik1::testing
