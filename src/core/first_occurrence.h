#pragma once

#include "core/figure.h"
#include "core/statistics.h"

#include <cstdint>
#include <optional>

namespace sorvik1 {

// When a figure first occurs in a sequence of independent spins. The waiting
// time counts the spins up to and including the one that completes the
// first occurrence (red-red-red waits 1/p + 1/p^2 + 1/p^3 spins on average).
struct FirstOccurrence {
    std::optional<double> expectedWait;
    // Chance of at least one complete occurrence within the given spins.
    std::optional<double> chanceWithin;
};

// Exact, from the automaton whose state is the set of partial occurrences
// still alive; this also covers figures with free positions, for which no
// closed form exists. The state is a subset of the ages 1 .. span - 1, so a
// figure has at most 2^19 states; a figure of consecutive positions has at
// most span. The spins are stepped until the distribution over the states
// settles (it then shrinks by a constant factor per spin, which gives the
// rest in closed form); a figure that has not settled after some 4e8
// state-steps yields no values rather than rounded guesses.
FirstOccurrence firstOccurrence(const Figure& figure, std::int64_t spins, ZeroRule rule);

} // namespace sorvik1
