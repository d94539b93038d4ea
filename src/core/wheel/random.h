#pragma once

#include <cstdint>

namespace sorvik1 {

// xoshiro256** seeded through splitmix64: fast, statistically strong, and
// reproducible from one 64-bit seed, so "--seed" can replay a run exactly.
class Random {
  public:
    // Each stream of a seed is an independent generator, so that the parts of
    // a long simulation can be drawn in any order or on any thread and still
    // give the same numbers.
    explicit Random(std::uint64_t seed, std::uint64_t stream = 0);

    std::uint64_t next() {
        const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }

    // A whole number 0 .. range - 1 (range > 0), each with exactly the same
    // chance: Lemire's multiply-and-shift, rejecting the few raw values that
    // would favour some results.
    std::uint64_t below(std::uint64_t range) {
        unsigned __int128 product = static_cast<unsigned __int128>(next()) * range;
        if (static_cast<std::uint64_t>(product) < range) {
            const std::uint64_t threshold = (0 - range) % range; // 2^64 mod range
            while (static_cast<std::uint64_t>(product) < threshold) {
                product = static_cast<unsigned __int128>(next()) * range;
            }
        }
        return static_cast<std::uint64_t>(product >> 64);
    }

    // A roulette number 0 .. 36, each with the same chance.
    int number() { return static_cast<int>(below(37)); }

  private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t s_[4];
};

// A seed that differs from run to run of the program.
std::uint64_t seedFromClock();

} // namespace sorvik1
