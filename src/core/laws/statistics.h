#pragma once

#include "core/wheel/figure.h"
#include "core/wheel/zero_rule.h"

#include <cstdint>

namespace sorvik1 {

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
