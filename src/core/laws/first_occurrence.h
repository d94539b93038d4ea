#pragma once

#include "core/laws/statistics.h"
#include "core/wheel/figure.h"

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

// From the automaton whose state is the set of partial occurrences still
// alive; this also covers figures with free positions, for which no closed
// form exists. Both values are there for every figure (none only for the
// empty one), with a relative error of at most 1e-9:
// - A figure whose occupied offsets share a factor d > 1 splits the spins
//   into d independent interleaved sequences, each looking for the figure
//   squeezed by d; the chance of no occurrence in n spins is the product of
//   theirs. This keeps the automaton small where it would mix slowly.
// - The chance S(q) of no occurrence in q steps is stepped exactly (in
//   extended precision for small automata) until either
//   a) the distribution w over the states satisfies a w <= wQ <= b w state
//      by state with (b - a) <= 1e-10 (1 - b): then S(q + m) lies between
//      S(q) a^m and S(q) b^m for every m, and the waiting time's rest between
//      S(q) / (1 - a) and S(q) / (1 - b); the midpoint is taken. The bracket
//      is widened by the rounding of the sums, and a state whose share has
//      died away (one a sequence leaves for good) is bounded by its share;
//   b) or S(q) is so small that the rest cannot reach 1e-10 of the wait:
//      from any state the next span spins complete the figure with at least
//      its own chance p^m.
// - With d sequences, S(n) for n >= d q lies between S(d q) a^(n - d q) and
//   S(d q) b^(n - d q). P(at least one) = 1 - S(n) then carries a relative
//   error of at most the bracket's relative width: for S = c e^(-x), a
//   relative change of x moves 1 - S by at most as much (x e^-x < 1 - e^-x).
// The slowest figures (span 20 with few occupied positions, up to 2^19
// states) take a few hundred steps.
FirstOccurrence firstOccurrence(const Figure& figure, std::int64_t spins, ZeroRule rule);

class Survival;

// The same from the steps of one of `sequences` interleaved sequences from an
// empty history, stepped at least as far as firstOccurrence steps them (as
// the start law does): a caller that needs both steps once.
FirstOccurrence firstOccurrenceFrom(const Survival& fresh, int sequences, std::int64_t spins);

} // namespace sorvik1
