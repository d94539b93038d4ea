#include "core/wheel/random.h"

#include <chrono>

namespace sorvik1 {

namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

Random::Random(std::uint64_t seed, std::uint64_t stream) {
    // splitmix64 spreads any seed, 0 included, over the whole state, which
    // xoshiro needs to be non-zero.
    std::uint64_t mixer = stream;
    std::uint64_t state = seed ^ splitmix64(mixer);
    for (auto& word : s_) {
        word = splitmix64(state);
    }
}

std::uint64_t seedFromClock() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    std::uint64_t state = static_cast<std::uint64_t>(wall);
    return splitmix64(state) ^ static_cast<std::uint64_t>(steady);
}

} // namespace sorvik1
