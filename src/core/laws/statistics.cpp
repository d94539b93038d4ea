#include "core/laws/statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sorvik1 {

namespace {

// Joint chance that the figure starts at s and at s + shift: each spin of
// the union of both placements must show its colour, and a spin that both
// occupy with different colours makes the pair impossible.
double jointChance(const Figure& figure, int shift, double colourChance) {
    int required = 0;
    for (int spin = 0; spin < figure.span() + shift; ++spin) {
        const Farbcode first = spin < figure.span() ? figure.at(spin) : noColour;
        const Farbcode second = spin >= shift ? figure.at(spin - shift) : noColour;
        if (first != noColour && second != noColour && first != second) {
            return 0.0;
        }
        required += first != noColour || second != noColour ? 1 : 0;
    }
    return std::pow(colourChance, required);
}

} // namespace

CountMoments countMoments(const Figure& figure, std::int64_t spins, ZeroRule rule) {
    CountMoments moments;
    if (figure.empty()) {
        return moments;
    }
    const double p = spinChances(rule).colour;
    const double single = std::pow(p, figure.occupiedCount());
    moments.meanDistance = 1.0 / single;
    const std::int64_t starts = spins - figure.span() + 1;
    if (starts <= 0) {
        return moments;
    }
    const double n = static_cast<double>(starts);
    moments.expected = n * single;
    double variance = n * single * (1.0 - single);
    const std::int64_t maxShift = std::min<std::int64_t>(figure.span() - 1, starts - 1);
    for (int shift = 1; shift <= maxShift; ++shift) {
        const double pairs = static_cast<double>(starts - shift);
        variance += 2.0 * pairs * (jointChance(figure, shift, p) - single * single);
    }
    moments.variance = std::max(variance, 0.0);
    moments.standardDeviation = std::sqrt(moments.variance);
    return moments;
}

double zScore(double observed, const CountMoments& moments) {
    if (moments.standardDeviation <= 0.0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return (observed - moments.expected) / moments.standardDeviation;
}

} // namespace sorvik1
