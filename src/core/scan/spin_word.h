#pragma once

#include "core/wheel/colour.h"
#include "core/wheel/spin_source.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace sorvik1 {

// Up to 64 consecutive spins: bit k of `red` set when spin k is red, of
// `black` when it is black; a zero (or no spin) sets neither. Bits from
// `count` up are 0. The sides of another chance are packed the same way,
// as the side table names them red or black.
struct SpinWord {
    std::uint64_t red = 0;
    std::uint64_t black = 0;
    int count = 0;
};

// Packs `count` spins, 0 .. 64 of them: `sideOf(k)` gives the side of spin k
// as a colour code. The masks are built in registers, as the hot loops need.
template <typename SideOf> SpinWord packWord(int count, SideOf&& sideOf) {
    std::uint64_t reds = 0;
    std::uint64_t blacks = 0;
    for (int k = 0; k < count; ++k) {
        const Farbcode side = sideOf(k);
        reds |= std::uint64_t{side == red} << k;
        blacks |= std::uint64_t{side == black} << k;
    }
    return {reds, blacks, count};
}

// The mask of the lowest `count` bits, 0 <= count <= 64.
inline std::uint64_t lowBits(int count) {
    return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
}

// The same spins with the zeros taken out: each gap closed up, lowest first.
inline SpinWord withoutZeros(const SpinWord& word) {
    const std::uint64_t coloured = word.red | word.black;
    std::uint64_t reds = word.red;
    std::uint64_t zeros = ~coloured & lowBits(word.count);
    while (zeros != 0) {
        const std::uint64_t below = (zeros & (0 - zeros)) - 1;
        reds = (reds & below) | ((reds >> 1) & ~below);
        zeros = (zeros >> 1) & ~below;
    }
    const int count = std::popcount(coloured);
    return {reds, ~reds & lowBits(count), count};
}

// Spins first .. last of a source as the scans read them, in words of up
// to `most` spins.
class SourceWords {
  public:
    SourceWords(const SpinSource& source, std::int64_t first, std::int64_t last)
        : source_(source), next_(first), last_(last) {}

    SpinWord nextWord(int most) {
        const auto count = static_cast<int>(std::clamp<std::int64_t>(last_ - next_ + 1, 0, most));
        const SpinWord word = packWord(count, [&](int k) { return source_.colour(next_ + k); });
        next_ += count;
        return word;
    }
    bool exhausted() const { return next_ > last_; }

  private:
    const SpinSource& source_;
    std::int64_t next_;
    std::int64_t last_;
};

// The `count` spins of a source from `first` on, packed; every word but the
// last is full.
std::vector<SpinWord> packSpins(const SpinSource& source, std::int64_t first, std::int64_t count);

// Sides in their order, packed the same way.
std::vector<SpinWord> packSides(std::span<const Farbcode> sides);

} // namespace sorvik1
