#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sorvik1 {

// From this expectation on, a figure's count is judged by the normal
// approximation; its skew is then below a thirtieth.
inline constexpr double normalFromExpectation = 1000.0;

// How a p-value was reached.
enum class PValueMethod {
    Normal, // two-sided normal tail of z
    // Below the threshold, a discrete law with the count's exact mean and
    // variance. Occurrences of a figure that overlaps itself come in clumps:
    // the Pólya-Aeppli law (a Poisson number of clumps, each a geometric
    // number of occurrences) is the usual limit for the count of such a
    // pattern, and the Poisson law where the variance equals the mean.
    PolyaAeppli,
    // A figure whose occurrences exclude each other nearby ("rs") varies less
    // than Poisson: the binomial law with the same mean and variance.
    Binomial,
    None, // the count cannot vary: p = 1
};

struct PValue {
    double p = 1.0;
    PValueMethod method = PValueMethod::None;
};

// Two-sided: twice the smaller tail at the observed count, at most 1.
PValue twoSidedPValue(std::int64_t observed, double expected, double variance);

// The chance that a count with these moments lies at least `z` standard
// deviations from its expectation, by the same method as twoSidedPValue.
double chanceBeyond(double z, double expected, double variance);

// Holm's step-down adjustment over all the p-values given: the i-th smallest
// is multiplied by (m - i + 1), made monotone and cut at 1. Same order as
// the input.
std::vector<double> holmAdjusted(std::span<const double> p);

} // namespace sorvik1
