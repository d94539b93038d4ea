#include "core/scan/simulation.h"

#include "core/system/parallel_parts.h"

#include <algorithm>
#include <array>
#include <vector>

namespace sorvik1 {

namespace {

// Blocks of 11 spins: 37^11 is the largest power of 37 below 2^64.
constexpr int blockSpins = 11;

constexpr std::uint64_t power(std::uint64_t base, int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

// A raw 64-bit value x below blockLimit stands for the block number
// x / rawPerBlock, each of the 37^11 equally likely blocks of 11 spins
// having exactly rawPerBlock raw values; larger values are drawn again.
// Blocks are ordered so that comparing x with a bound tells how the block
// starts, with no division: first every block without a zero, then those
// whose first zero is spin 0, spin 1, and so on.
constexpr std::uint64_t blocks = power(37, blockSpins);
constexpr std::uint64_t rawPerBlock = ~std::uint64_t{0} / blocks;
constexpr std::uint64_t blockLimit = rawPerBlock * blocks;

// firstZeroBelow[j]: the raw bound below which a block's first zero comes
// before spin j; firstZeroBelow[0] bounds the blocks without a zero.
constexpr std::array<std::uint64_t, blockSpins + 1> firstZeroBelow = [] {
    std::array<std::uint64_t, blockSpins + 1> bound{};
    std::uint64_t count = power(36, blockSpins);
    bound[0] = count * rawPerBlock;
    for (int j = 0; j < blockSpins; ++j) {
        count += power(36, j) * power(37, blockSpins - 1 - j);
        bound[static_cast<std::size_t>(j + 1)] = count * rawPerBlock;
    }
    return bound;
}();
static_assert(firstZeroBelow[blockSpins] == blockLimit);

// How many non-zero spins come before the next zero: each raw value decides
// whether a block of 11 spins holds a zero, and where the first is. The
// spins after that zero are left undrawn; the next call draws fresh ones,
// so every spin stays independent.
std::int64_t nonZeroRun(Random& generator) {
    std::int64_t run = 0;
    for (;;) {
        const std::uint64_t raw = generator.next();
        if (raw < firstZeroBelow[0]) {
            run += blockSpins;
            continue;
        }
        if (raw >= blockLimit) {
            continue;
        }
        int j = 0;
        while (raw >= firstZeroBelow[static_cast<std::size_t>(j + 1)]) {
            ++j;
        }
        return run + j;
    }
}

} // namespace

SimulatedSpins::SimulatedSpins(std::uint64_t seed, std::int64_t firstSegment,
                               std::int64_t totalSpins)
    : seed_(seed), segment_(firstSegment),
      generator_(seed, static_cast<std::uint64_t>(firstSegment)),
      next_(firstSegment * simulationSegmentSpins), segmentEnd_(next_), total_(totalSpins) {
    // The first word starts the segment, as every later segment is started.
}

void SimulatedSpins::startSegment() {
    generator_ = Random(seed_, static_cast<std::uint64_t>(segment_++));
    segmentEnd_ += simulationSegmentSpins;
    untilZero_ = nonZeroRun(generator_);
}

SpinWord SimulatedSpins::nextWord(int most) {
    if (next_ == segmentEnd_) {
        startSegment();
    }
    SpinWord word;
    word.count =
        static_cast<int>(std::min({std::int64_t{most}, total_ - next_, segmentEnd_ - next_}));
    std::uint64_t zeros = 0;
    while (untilZero_ < word.count) {
        zeros |= std::uint64_t{1} << untilZero_;
        untilZero_ += 1 + nonZeroRun(generator_);
    }
    untilZero_ -= word.count;
    const std::uint64_t coloured = ~zeros & lowBits(word.count);
    const std::uint64_t coin = generator_.next();
    word.red = coin & coloured;
    word.black = ~coin & coloured;
    next_ += word.count;
    return word;
}

int simulationThreads(std::int64_t spins, int threads) {
    const std::int64_t segments = (spins + simulationSegmentSpins - 1) / simulationSegmentSpins;
    return static_cast<int>(
        std::clamp<std::int64_t>(threads, 1, std::max<std::int64_t>(segments, 1)));
}

ScanResult simulate(const Figure& figure, std::int64_t spins, std::uint64_t seed, int threads,
                    ZeroRule rule, bool listStarts) {
    spins = std::max<std::int64_t>(spins, 0);
    const std::int64_t segments = (spins + simulationSegmentSpins - 1) / simulationSegmentSpins;
    const std::int64_t parts = simulationThreads(spins, threads);

    // Part t owns whole segments, so its first spin starts a stream.
    std::vector<ScanResult> results(static_cast<std::size_t>(parts));
    runParts(static_cast<int>(parts), [&](int part) {
        const std::int64_t firstSegment = segments * part / parts;
        const std::int64_t endSegment = segments * (part + 1) / parts;
        const std::int64_t firstSpin = firstSegment * simulationSegmentSpins;
        const std::int64_t endSpin = std::min(endSegment * simulationSegmentSpins, spins);
        SimulatedSpins source(seed, firstSegment, spins);
        results[static_cast<std::size_t>(part)] =
            OccurrenceScan<SimulatedSpins>(figure, rule, listStarts)
                .run(source, endSpin - firstSpin, firstSpin + 1);
    });

    ScanResult total;
    for (auto& result : results) {
        total.append(std::move(result));
    }
    return total;
}

} // namespace sorvik1
