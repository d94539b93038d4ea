#pragma once

#include "core/trainer/practice.h"
#include "core/wheel/figure.h"
#include "core/wheel/spin_source.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sorvik1::testing {

// The practice's rule written out afresh. `zahlen` holds the spins at
// 1 .. n. After spin n the next spin decides when the figure, without its
// last position, starts at spin n - span + 2, a spin of the practice; a
// one-position figure has nothing to wait for.
// `sides` gives each number's side, red for the first (the wheel's colours
// unless another chance is practised).
inline bool signalAfter(const Figure& figure, const std::vector<std::int16_t>& zahlen,
                        std::int64_t n, const ColourTable& sides = wheelColours()) {
    const int last = figure.span() - 1;
    if (last == 0) {
        return true;
    }
    const std::int64_t start = n - last + 1;
    if (start < 1) {
        return false;
    }
    std::vector<Farbcode> prefix;
    for (int offset = 0; offset < last; ++offset) {
        prefix.push_back(figure.at(offset));
    }
    const auto source = SpinSource::drawn(sides, zahlen);
    return Figure::fromOffsets(prefix).startsAt(source, start);
}

inline double stake(Farbcode colour, int number, bool half, const ColourTable& sides) {
    if (number == 0) {
        return half ? -0.5 : -1.0;
    }
    return sides[static_cast<std::size_t>(number)] == colour ? 1.0 : -1.0;
}

// How spin n + 1 settles the decision after spin n.
inline Settled expectedSettled(const Figure& figure, const std::vector<std::int16_t>& zahlen,
                               std::int64_t n, std::optional<Call> call, bool half,
                               const ColourTable& sides = wheelColours()) {
    const Farbcode own = figure.at(figure.span() - 1);
    const bool signal = signalAfter(figure, zahlen, n, sides);
    Settled s;
    s.call = call;
    s.decidingNumber = zahlen[static_cast<std::size_t>(n + 1)];
    s.verdict = !signal               ? (call ? Verdict::FalseCall : Verdict::Quiet)
                : !call               ? Verdict::Missed
                : call->colour == own ? Verdict::Hit
                                      : Verdict::WrongColour;
    s.units = call ? stake(call->colour, s.decidingNumber, half, sides) : 0.0;
    s.perfectUnits = signal ? stake(own, s.decidingNumber, half, sides) : 0.0;
    return s;
}

} // namespace sorvik1::testing
