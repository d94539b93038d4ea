#pragma once

#include "core/laws/start_law.h"

#include <cstdint>
#include <span>
#include <vector>

namespace sorvik1 {

// Distances between consecutive starts, as counted and as expected: bucket
// d - 1 holds distance d, the last bucket every distance from `lastDistance`
// on.
struct GapHistogram {
    std::int64_t lastDistance = 0;
    std::vector<std::int64_t> observed;
    std::vector<double> expected;
};

// Counts the distances between consecutive entries of the ascending `starts`.
std::vector<std::int64_t> countGaps(std::span<const std::int64_t> starts,
                                    std::int64_t lastDistance);

// Expected number of distances d among the starts of `startable` positions:
// a pair of starts d apart with none between can begin at any of the first
// startable - d positions, each with the same chance.
double expectedGaps(const StartLaw& law, std::int64_t startable, std::int64_t d);

// The histogram of the observed starts beside the exact expectation. The
// last bucket begins where fewer than about 1 % of the distances lie, and
// no later than `mostBuckets`.
GapHistogram gapHistogram(const StartLaw& law, std::span<const std::int64_t> starts,
                          std::int64_t startable, std::int64_t mostBuckets = 20);

} // namespace sorvik1
