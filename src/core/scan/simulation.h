#pragma once

#include "core/scan/occurrence_scan.h"
#include "core/wheel/random.h"

#include <cstdint>

namespace sorvik1 {

// A simulation draws its spins in segments of this many, each from its own
// stream of the seed, so that a seed gives the same spins (and the same
// result) whatever the number of threads.
inline constexpr std::int64_t simulationSegmentSpins = std::int64_t{1} << 20;

// The colours of a simulation's spins, from the start of one segment to the
// end, 64 at a time. Only colours matter to a figure, so no number is drawn:
// each spin is a zero with chance exactly 1/37 (by drawing how many
// non-zero spins come before the next zero) and otherwise red or black by
// one fair random bit. That is exactly the wheel's 18/37, 18/37, 1/37, at a
// small part of the cost of drawing every number.
class SimulatedSpins {
  public:
    SimulatedSpins(std::uint64_t seed, std::int64_t firstSegment, std::int64_t totalSpins);

    SpinWord nextWord(int most);
    bool exhausted() const { return next_ >= total_; }

  private:
    void startSegment();

    std::uint64_t seed_;
    std::int64_t segment_;
    Random generator_;
    std::int64_t next_;
    std::int64_t segmentEnd_;
    std::int64_t total_;
    std::int64_t untilZero_ = 0; // non-zero spins before the next zero
};

// How many threads a simulation of `spins` uses when asked for `threads`:
// each takes whole segments, so a short run uses fewer.
int simulationThreads(std::int64_t spins, int threads);

// Draws `spins` random spins from `seed` and counts the figure's starts,
// split over `threads` threads (at least 1). Start spins are numbered from 1.
ScanResult simulate(const Figure& figure, std::int64_t spins, std::uint64_t seed, int threads,
                    ZeroRule rule, bool listStarts);

} // namespace sorvik1
