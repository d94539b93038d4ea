#include "core/simulation.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace sorvik1 {

ScanResult simulate(const Figure& figure, std::int64_t spins, std::uint64_t seed, int threads,
                    ZeroRule rule, bool listStarts) {
    spins = std::max<std::int64_t>(spins, 0);
    const std::int64_t segments = (spins + simulationSegmentSpins - 1) / simulationSegmentSpins;
    const std::int64_t parts =
        std::clamp<std::int64_t>(threads, 1, std::max<std::int64_t>(segments, 1));

    // Part t owns whole segments, so its first spin starts a stream.
    std::vector<ScanResult> results(static_cast<std::size_t>(parts));
    auto scanPart = [&](std::int64_t part) {
        const std::int64_t firstSegment = segments * part / parts;
        const std::int64_t endSegment = segments * (part + 1) / parts;
        const std::int64_t firstSpin = firstSegment * simulationSegmentSpins;
        const std::int64_t endSpin = std::min(endSegment * simulationSegmentSpins, spins);
        SimulatedSpins source(seed, firstSegment, spins);
        results[static_cast<std::size_t>(part)] =
            OccurrenceScan<SimulatedSpins>(figure, rule, listStarts)
                .run(source, endSpin - firstSpin, firstSpin + 1);
    };
    std::vector<std::jthread> workers;
    for (std::int64_t part = 1; part < parts; ++part) {
        workers.emplace_back(scanPart, part);
    }
    scanPart(0);
    workers.clear();

    ScanResult total;
    for (auto& result : results) {
        total.append(std::move(result));
    }
    return total;
}

} // namespace sorvik1
