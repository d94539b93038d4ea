#include "core/batch/simulated_windows.h"

#include "core/scan/simulation.h"
#include "core/system/parallel_parts.h"
#include "core/wheel/random.h"

#include <algorithm>
#include <array>
#include <vector>

namespace sorvik1 {

namespace {

// The colours of one chance, drawn as a single figure's simulation draws them.
class ColourWords {
  public:
    ColourWords(std::uint64_t seed, std::int64_t firstSegment, std::int64_t spins)
        : source_(seed, firstSegment, spins) {}
    bool exhausted() const { return source_.exhausted(); }
    int next(std::span<SpinWord> words) {
        words[0] = source_.nextWord(64);
        return words[0].count;
    }

  private:
    SimulatedSpins source_;
};

// Whole numbers, each segment from its own stream of the seed, and every
// chance's sides of them.
class SideWords {
  public:
    SideWords(std::uint64_t seed, std::int64_t firstSegment, std::int64_t spins,
              std::span<const Chance> chances)
        : seed_(seed), segment_(firstSegment), next_(firstSegment * simulationSegmentSpins),
          segmentEnd_(next_), total_(spins) {
        // Looked up once: the tables are read for every spin of every chance.
        for (const Chance chance : chances) {
            tables_.push_back(&sideTable(chance));
        }
    }
    bool exhausted() const { return next_ >= total_; }
    int next(std::span<SpinWord> words) {
        if (next_ == segmentEnd_) {
            generator_ = Random(seed_, static_cast<std::uint64_t>(segment_++));
            segmentEnd_ += simulationSegmentSpins;
        }
        const int count =
            static_cast<int>(std::min({std::int64_t{64}, total_ - next_, segmentEnd_ - next_}));
        std::array<std::size_t, 64> numbers{};
        for (int k = 0; k < count; ++k) {
            numbers[static_cast<std::size_t>(k)] = static_cast<std::size_t>(generator_.below(37));
        }
        for (std::size_t c = 0; c < tables_.size(); ++c) {
            words[c] = packWord(
                count, [&](int k) { return (*tables_[c])[numbers[static_cast<std::size_t>(k)]]; });
        }
        next_ += count;
        return count;
    }

  private:
    std::uint64_t seed_;
    std::int64_t segment_;
    Random generator_{0};
    std::int64_t next_;
    std::int64_t segmentEnd_;
    std::int64_t total_;
    std::vector<const ColourTable*> tables_;
};

// Counts every part's spins, `kinds` counters at a time, and merges the
// parts in order.
template <typename Make>
std::vector<WindowCounter>
countParts(std::int64_t spins, int span, ZeroRule rule, std::size_t kinds, int threads,
           std::stop_token stop, const std::function<void(double)>& progress, const Make& make) {
    spins = std::max<std::int64_t>(spins, 0);
    const std::int64_t segments = (spins + simulationSegmentSpins - 1) / simulationSegmentSpins;
    const int parts = simulationThreads(spins, threads);
    const auto firstSpin = [&](int part) {
        return std::min(segments * part / parts * simulationSegmentSpins, spins);
    };
    std::vector<std::vector<WindowCounter>> counters(
        static_cast<std::size_t>(parts),
        std::vector<WindowCounter>(kinds, WindowCounter(span, rule)));
    runParts(parts, [&](int part) {
        auto& own = counters[static_cast<std::size_t>(part)];
        const std::int64_t first = firstSpin(part);
        const std::int64_t end = firstSpin(part + 1);
        auto source = make(first / simulationSegmentSpins);
        std::vector<SpinWord> words(kinds);
        for (auto& counter : own) {
            if (part > 0) {
                counter.continueSequence();
            }
        }
        std::int64_t drawn = 0;
        for (std::int64_t done = first; done < end && !stop.stop_requested();) {
            done += source.next(words);
            for (std::size_t k = 0; k < kinds; ++k) {
                own[k].add(words[k]);
            }
            if (part == 0 && progress && ++drawn % 16384 == 0) {
                progress(static_cast<double>(done - first) / static_cast<double>(end - first));
            }
        }
        if (end == spins) {
            for (auto& counter : own) {
                counter.endSequence();
            }
            return;
        }
        // Reads on until every counter has its windows whole.
        for (bool more = true; more && !source.exhausted();) {
            source.next(words);
            more = false;
            for (std::size_t k = 0; k < kinds; ++k) {
                more = own[k].lookAhead(words[k]) || more;
            }
        }
        for (auto& counter : own) {
            counter.padAhead();
        }
    });
    for (std::size_t p = 1; p < counters.size(); ++p) {
        for (std::size_t k = 0; k < kinds; ++k) {
            counters[0][k].merge(counters[p][k]);
        }
    }
    return std::move(counters[0]);
}

} // namespace

WindowCounter countSimulatedWindows(std::uint64_t seed, std::int64_t spins, int span, ZeroRule rule,
                                    int threads, std::stop_token stop,
                                    const std::function<void(double)>& progress) {
    return countParts(spins, span, rule, 1, threads, stop, progress,
                      [&](std::int64_t segment) { return ColourWords(seed, segment, spins); })[0];
}

std::vector<WindowCounter> countSimulatedSides(std::uint64_t seed, std::int64_t spins, int span,
                                               ZeroRule rule, std::span<const Chance> chances,
                                               int threads, std::stop_token stop,
                                               const std::function<void(double)>& progress) {
    return countParts(
        spins, span, rule, chances.size(), threads, stop, progress,
        [&](std::int64_t segment) { return SideWords(seed, segment, spins, chances); });
}

} // namespace sorvik1
