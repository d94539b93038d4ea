#pragma once

#include "core/figure.h"

#include <cstdint>

namespace sorvik1 {

// What a zero does to a figure: in the trainer it breaks every occurrence
// that needs a colour there; the analysis can also take the zeros out of the
// sequence first and look at the colours alone.
enum class ZeroRule { Breaks, Skipped };

// Chances of one spin as the rule sees it: red and black equally likely,
// the rest is the zero.
struct SpinChances {
    double colour; // red, and also black
    double zero;
};

SpinChances spinChances(ZeroRule rule);

// Moments of the number of (possibly overlapping) occurrences of a figure in
// `spins` independent spins.
struct CountMoments {
    double expected = 0;
    double variance = 0;
    double standardDeviation = 0;
    // Mean number of spins from one occurrence to the next: 1 / p^m.
    double meanDistance = 0;
};

// Exact: the variance sums the covariances of the occurrence indicators of
// every pair of starts less than the span apart, which is where a figure
// can overlap itself.
CountMoments countMoments(const Figure& figure, std::int64_t spins, ZeroRule rule);

// How many standard deviations the observed count lies from the expected
// one; NaN when the count cannot vary (too few spins).
double zScore(double observed, const CountMoments& moments);

} // namespace sorvik1
