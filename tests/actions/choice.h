#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

// The random choices of one action sequence, all taken from one seed, so
// that the seed alone reproduces the sequence.
class Choice {
  public:
    explicit Choice(std::uint64_t seed) : engine_(seed) {}

    // A whole number in 0 .. n - 1; n must be positive.
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }

    // An index into `weights`, each chosen in proportion to its weight.
    std::size_t weighted(const std::vector<double>& weights) {
        return std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(engine_);
    }

    template <class T> const T& oneOf(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

  private:
    std::mt19937_64 engine_;
};
