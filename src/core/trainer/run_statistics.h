#pragma once

#include "core/laws/statistics.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <optional>

namespace sorvik1 {

// What the trainer has counted of a run so far: the starts listed while
// `shown` of its `runSpins` spins were shown.
struct RunCount {
    std::int64_t shown = 0;
    std::int64_t runSpins = 0;
    std::int64_t occurrences = 0;
    std::int64_t firstStart = 0; // spin of the first listed start; read with two or more
    std::int64_t lastStart = 0;

    friend bool operator==(const RunCount&, const RunCount&) = default;
};

// The run's count beside what chance predicts for the same spins.
struct RunStatistics {
    // The spins the count covers, which the exact figures are taken over.
    std::int64_t coveredSpins = 0;
    CountMoments moments;
    double zScore = 0; // NaN when the count cannot vary yet
    // Mean number of spins from one listed start to the next; none with
    // fewer than two starts.
    std::optional<double> observedDistance;
};

// The trainer lists an occurrence as soon as its first spin is shown, reading
// ahead into spins drawn but not yet shown, and never one that would run past
// the end of the run. So a count at `shown` spins covers every occurrence
// that starts there, which is a count over `shown + span - 1` spins, and
// comparing it with the expectation for `shown` spins alone would make every
// run look lucky by span - 1 spins' worth of figures.
std::int64_t coveredSpins(const Figure& figure, std::int64_t shown, std::int64_t runSpins);

// In the trainer a zero breaks the figure.
RunStatistics runStatistics(const Figure& figure, const RunCount& count);

} // namespace sorvik1
