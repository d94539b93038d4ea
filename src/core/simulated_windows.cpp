#include "core/simulated_windows.h"

#include "core/parallel_parts.h"
#include "core/simulation.h"

#include <algorithm>
#include <vector>

namespace sorvik1 {

WindowCounter countSimulatedWindows(std::uint64_t seed, std::int64_t spins, int span, ZeroRule rule,
                                    int threads, std::stop_token stop,
                                    const std::function<void(double)>& progress) {
    spins = std::max<std::int64_t>(spins, 0);
    const std::int64_t segments = (spins + simulationSegmentSpins - 1) / simulationSegmentSpins;
    const int parts = simulationThreads(spins, threads);
    const auto firstSpin = [&](int part) {
        return std::min(segments * part / parts * simulationSegmentSpins, spins);
    };
    std::vector<WindowCounter> counters(static_cast<std::size_t>(parts), WindowCounter(span, rule));
    runParts(parts, [&](int part) {
        WindowCounter& counter = counters[static_cast<std::size_t>(part)];
        if (part > 0) {
            counter.continueSequence();
        }
        const std::int64_t first = firstSpin(part);
        const std::int64_t end = firstSpin(part + 1);
        SimulatedSpins source(seed, first / simulationSegmentSpins, spins);
        std::int64_t words = 0;
        for (std::int64_t done = first; done < end && !stop.stop_requested();) {
            const SpinWord word = source.nextWord(64);
            counter.add(word);
            done += word.count;
            if (part == 0 && progress && ++words % 16384 == 0) {
                progress(static_cast<double>(done - first) / static_cast<double>(end - first));
            }
        }
        if (end == spins) {
            counter.endSequence();
            return;
        }
        while (!source.exhausted() && counter.lookAhead(source.nextWord(64))) {
        }
        counter.padAhead();
    });
    for (std::size_t p = 1; p < counters.size(); ++p) {
        counters[0].merge(counters[p]);
    }
    return counters[0];
}

} // namespace sorvik1
