#include "core/count_significance.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sorvik1 {

namespace {

struct Tails {
    double atMost = 0;  // P(X <= low)
    double atLeast = 0; // P(X >= high)
};

// Sums the terms of a discrete law on 0, 1, 2, ... from an unnormalised
// P(0) = 1 and the step from P(k - 1), P(k) to P(k + 1), rescaling so that
// no term over- or underflows, and divides by their sum at the end: no
// exp(-lambda) is needed. Stops 40 standard deviations above the mean.
template <typename Step>
Tails discreteTails(double mean, double sd, std::int64_t low, std::int64_t high, Step step) {
    const auto last = static_cast<std::int64_t>(mean + 40.0 * sd + 50.0);
    double previous = 0;
    double current = 1;
    double total = 0;
    Tails tails;
    for (std::int64_t k = 0; k <= last && current > 0.0; ++k) {
        total += current;
        tails.atMost += k <= low ? current : 0.0;
        tails.atLeast += k >= high ? current : 0.0;
        const double next = std::max(step(static_cast<double>(k), previous, current), 0.0);
        previous = current;
        current = next;
        if (current > 1e250) {
            constexpr double scale = 1e-250;
            previous *= scale;
            current *= scale;
            total *= scale;
            tails.atMost *= scale;
            tails.atLeast *= scale;
        }
        if (static_cast<double>(k) > mean + 10.0 * sd && current < total * 1e-30) {
            break;
        }
    }
    tails.atMost /= total;
    tails.atLeast /= total;
    return tails;
}

// The law with the count's exact mean and variance. Clumped (variance above
// the mean, a figure that overlaps itself): Pólya-Aeppli, Poisson(lambda)
// clumps of geometric size with ratio theta, mean lambda / (1 - theta),
// variance lambda (1 + theta) / (1 - theta)^2. Spread less than Poisson (a
// figure whose occurrences exclude each other nearby): the binomial law
// with the same two moments.
Tails countTails(double mean, double variance, std::int64_t low, std::int64_t high) {
    const double sd = std::sqrt(variance);
    if (variance >= mean) {
        const double theta = (variance - mean) / (variance + mean);
        const double lambda = mean * (1.0 - theta);
        return discreteTails(mean, sd, low, high, [&](double k, double previous, double current) {
            return ((2.0 * theta * k + lambda * (1.0 - theta)) * current -
                    theta * theta * (k - 1.0) * previous) /
                   (k + 1.0);
        });
    }
    const double trials = std::round(mean * mean / (mean - variance));
    const double chance = std::min(mean / trials, 1.0 - 1e-12);
    const double odds = chance / (1.0 - chance);
    return discreteTails(mean, sd, low, high, [&](double k, double, double current) {
        return current * (trials - k) / (k + 1.0) * odds;
    });
}

double normalTail(double z) {
    return std::erfc(std::abs(z) / std::sqrt(2.0));
}

bool canVary(double expected, double variance) {
    return expected > 0.0 && variance > 0.0;
}

} // namespace

PValue twoSidedPValue(std::int64_t observed, double expected, double variance) {
    if (!canVary(expected, variance)) {
        return {};
    }
    if (expected >= normalFromExpectation) {
        const double z = (static_cast<double>(observed) - expected) / std::sqrt(variance);
        return {std::min(1.0, normalTail(z)), PValueMethod::Normal};
    }
    const Tails tails = countTails(expected, variance, observed, observed);
    return {std::min(1.0, 2.0 * std::min(tails.atMost, tails.atLeast)),
            variance >= expected ? PValueMethod::PolyaAeppli : PValueMethod::Binomial};
}

double chanceBeyond(double z, double expected, double variance) {
    if (!canVary(expected, variance)) {
        return 0.0;
    }
    if (expected >= normalFromExpectation) {
        return normalTail(z);
    }
    const double sd = std::sqrt(variance);
    const auto low = static_cast<std::int64_t>(std::floor(expected - z * sd));
    const auto high = static_cast<std::int64_t>(std::ceil(expected + z * sd));
    const Tails tails = countTails(expected, variance, low, high);
    return std::min(1.0, tails.atMost + tails.atLeast);
}

std::vector<double> holmAdjusted(std::span<const double> p) {
    std::vector<std::size_t> order(p.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return p[a] < p[b]; });
    std::vector<double> adjusted(p.size());
    double running = 0;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const double factor = static_cast<double>(p.size() - rank);
        running = std::max(running, std::min(1.0, factor * p[order[rank]]));
        adjusted[order[rank]] = running;
    }
    return adjusted;
}

} // namespace sorvik1
