#include "core/laws/gap_distribution.h"

#include <algorithm>

namespace sorvik1 {

std::vector<std::int64_t> countGaps(std::span<const std::int64_t> starts,
                                    std::int64_t lastDistance) {
    std::vector<std::int64_t> counts(
        static_cast<std::size_t>(std::max<std::int64_t>(lastDistance, 1)));
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const std::int64_t d = std::min(starts[i] - starts[i - 1], lastDistance);
        ++counts[static_cast<std::size_t>(std::max<std::int64_t>(d, 1) - 1)];
    }
    return counts;
}

double expectedGaps(const StartLaw& law, std::int64_t startable, std::int64_t d) {
    if (d < 1 || d >= startable) {
        return 0.0;
    }
    return static_cast<double>(startable - d) * law.startThenNext(d);
}

GapHistogram gapHistogram(const StartLaw& law, std::span<const std::int64_t> starts,
                          std::int64_t startable, std::int64_t mostBuckets) {
    GapHistogram histogram;
    if (law.span() == 0) {
        return histogram;
    }
    histogram.lastDistance = std::clamp<std::int64_t>(law.distanceQuantile(0.01), 2, mostBuckets);
    histogram.observed = countGaps(starts, histogram.lastDistance);
    // Every start but the last is followed by a distance: N - 1 of them, or
    // none, so E = E[N] - P(N >= 1), and the last bucket holds what the
    // distances below it leave.
    const double positions = static_cast<double>(std::max<std::int64_t>(startable, 0));
    double rest = std::max(0.0, positions * law.startChance() - (1.0 - law.noneIn(startable)));
    for (std::int64_t d = 1; d < histogram.lastDistance; ++d) {
        histogram.expected.push_back(expectedGaps(law, startable, d));
        rest -= histogram.expected.back();
    }
    histogram.expected.push_back(rest > 0.0 ? rest : 0.0);
    return histogram;
}

} // namespace sorvik1
