#pragma once

#include "core/colour.h"
#include "core/occurrence_scan.h"
#include "core/random.h"

#include <cstdint>

namespace sorvik1 {

// A simulation draws its spins in segments of this many, each from its own
// stream of the seed, so that a seed gives the same spins (and the same
// result) whatever the number of threads.
inline constexpr std::int64_t simulationSegmentSpins = std::int64_t{1} << 20;

// The spins of a simulation from the start of one segment to the end.
class SimulatedSpins {
  public:
    SimulatedSpins(std::uint64_t seed, std::int64_t firstSegment, std::int64_t totalSpins)
        : seed_(seed), segment_(firstSegment),
          generator_(seed, static_cast<std::uint64_t>(firstSegment)),
          next_(firstSegment * simulationSegmentSpins), segmentEnd_(next_ + simulationSegmentSpins),
          total_(totalSpins), farbe_(wheelColours()) {}

    int nextNumber() {
        if (next_ == segmentEnd_) {
            generator_ = Random(seed_, static_cast<std::uint64_t>(++segment_));
            segmentEnd_ += simulationSegmentSpins;
        }
        ++next_;
        return generator_.number();
    }
    Farbcode next() { return farbe_[static_cast<std::size_t>(nextNumber())]; }
    bool exhausted() const { return next_ >= total_; }

  private:
    std::uint64_t seed_;
    std::int64_t segment_;
    Random generator_;
    std::int64_t next_;
    std::int64_t segmentEnd_;
    std::int64_t total_;
    const ColourTable& farbe_;
};

// Draws `spins` random spins from `seed` and counts the figure's starts,
// split over `threads` threads (at least 1). Start spins are numbered from 1.
ScanResult simulate(const Figure& figure, std::int64_t spins, std::uint64_t seed, int threads,
                    ZeroRule rule, bool listStarts);

} // namespace sorvik1
