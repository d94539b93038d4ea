#pragma once

// What a second thread gains, measured fairly: on some machines two logical
// cores share one physical core, where a latency-bound loop still gains
// much but throughput-bound code gains little. A program's two-thread ratio
// is therefore printed beside the machine's own for a fixed reference loop,
// each the best of interleaved pairs, so that both see the same machine.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <thread>
#include <vector>

namespace sorvik1::bench {

inline double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best time of `one` over the best time of `two`, each run `pairs` times in
// turn.
inline double interleavedRatio(const std::function<void()>& one, const std::function<void()>& two,
                               int pairs = 5) {
    double bestOne = 1e300;
    double bestTwo = 1e300;
    for (int pair = 0; pair < pairs; ++pair) {
        bestOne = std::min(bestOne, secondsOf(one));
        bestTwo = std::min(bestTwo, secondsOf(two));
    }
    return bestTwo > 0 ? bestOne / bestTwo : 0.0;
}

// The reference loop: each thread sums a 4 KiB table over its own 64 MiB of
// random indices. Two threads do twice the work of one in the ratio's time.
inline double machineTwoThreadRatio() {
    constexpr std::size_t tableSize = 1024;
    constexpr std::size_t indices = (std::size_t{64} << 20) / sizeof(std::uint32_t);
    std::vector<std::uint32_t> table(tableSize);
    std::vector<std::vector<std::uint32_t>> own(2, std::vector<std::uint32_t>(indices));
    std::mt19937 generator(1);
    for (auto& value : table) {
        value = generator();
    }
    for (auto& list : own) {
        for (auto& index : list) {
            index = generator() % tableSize;
        }
    }
    std::vector<std::uint64_t> sums(2);
    const auto sum = [&](std::size_t thread) {
        std::uint64_t total = 0;
        for (const std::uint32_t index : own[thread]) {
            total += table[index];
        }
        sums[thread] = total;
    };
    return 2 * interleavedRatio([&] { sum(0); },
                                [&] {
                                    std::thread other(sum, 1);
                                    sum(0);
                                    other.join();
                                });
}

} // namespace sorvik1::bench
