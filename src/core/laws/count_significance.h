#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sorvik1 {

// How a p-value was reached.
enum class PValueMethod {
    Exact,       // from the count's exact law
    Saddlepoint, // where the exact law is too much work: within 10 % of it
    None,        // the count cannot vary: p = 1
};

struct PValue {
    double p = 1.0;
    PValueMethod method = PValueMethod::None;
};

// The short name of a method in CSV and JSON, the same from the tool and
// from the window.
const char* pValueMethodKey(PValueMethod method);

// p-values below this read "< 1e-300": the smallest double is not far off.
inline constexpr double smallestShownP = 1e-300;

// Holm's step-down adjustment over all the p-values given: the i-th smallest
// is multiplied by (m - i + 1), made monotone and cut at 1. Same order as
// the input.
std::vector<double> holmAdjusted(std::span<const double> p);

} // namespace sorvik1
