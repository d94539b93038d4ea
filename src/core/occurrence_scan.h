#pragma once

#include "core/bit_matcher.h"
#include "core/figure.h"
#include "core/statistics.h"

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

namespace sorvik1 {

// What a scan of a sequence of spins found. Positions number the spins that
// count, from 0: every spin, or only the non-zero ones when zeros are
// skipped.
struct ScanResult {
    std::int64_t spins = 0;
    std::int64_t positions = 0;
    std::int64_t occurrences = 0;
    std::int64_t firstPosition = -1; // of the first start; -1 with no occurrence
    std::int64_t lastPosition = -1;
    std::vector<std::int64_t> starts; // spin numbers, when asked for

    // Appends the result of the spins that follow this part.
    void append(ScanResult&& later);
    // Mean number of counted spins from one start to the next; 0 with fewer
    // than two occurrences.
    double meanDistance() const;
};

// Counts the starts of a figure among the first `ownedSpins` spins of a
// source, reading on past them (while the source has spins) only as far as
// an occurrence that starts among them reaches. So a long sequence cut into
// parts is counted exactly once per occurrence, and an occurrence that would
// run past the end of the source is not counted.
//
// Source: Farbcode next() gives the colour of the following spin (0 for a
// zero), bool exhausted() tells whether there is any.
template <typename Source> class OccurrenceScan {
  public:
    OccurrenceScan(const Figure& figure, ZeroRule rule, bool listStarts)
        : matcher_(figure), span_(figure.span()), skipZeros_(rule == ZeroRule::Skipped),
          listStarts_(listStarts) {}

    // firstSpin: the spin number of the first owned spin, for the list.
    ScanResult run(Source& source, std::int64_t ownedSpins, std::int64_t firstSpin) {
        std::int64_t spin = firstSpin;
        for (std::int64_t i = 0; i < ownedSpins; ++i) {
            push(source.next(), spin++);
        }
        result_.spins = ownedSpins;
        result_.positions = positions_;
        ownedPositions_ = positions_;
        while (positions_ < ownedPositions_ + span_ - 1 && !source.exhausted()) {
            push(source.next(), spin++);
        }
        if (haveCurrent_) {
            evaluate(current_, following_, currentBase_, spinsOfCurrent_);
            currentBase_ += 64;
        }
        evaluate(following_, ColourWord{}, currentBase_, spinsOfFollowing_);
        return std::move(result_);
    }

  private:
    void push(Farbcode colour, std::int64_t spin) {
        following_.red |= static_cast<std::uint64_t>(colour == red) << fill_;
        following_.black |= static_cast<std::uint64_t>(colour == black) << fill_;
        if (listStarts_) {
            spinsOfFollowing_[fill_] = spin;
        }
        const int counts = !skipZeros_ || colour != noColour ? 1 : 0;
        fill_ += counts;
        positions_ += counts;
        if (fill_ == 64) {
            rotate();
        }
    }

    void rotate() {
        if (haveCurrent_) {
            evaluate(current_, following_, currentBase_, spinsOfCurrent_);
            currentBase_ += 64;
        }
        haveCurrent_ = true;
        current_ = following_;
        following_ = {};
        spinsOfCurrent_.swap(spinsOfFollowing_);
        fill_ = 0;
    }

    void evaluate(const ColourWord& word, const ColourWord& after, std::int64_t base,
                  const std::array<std::int64_t, 64>& spins) {
        std::uint64_t starts = matcher_.startsIn(word, after);
        const std::int64_t ownedHere = ownedPositions_ - base;
        if (ownedHere < 64) {
            starts &= ownedHere <= 0 ? 0 : (std::uint64_t{1} << ownedHere) - 1;
        }
        if (starts == 0) {
            return;
        }
        result_.occurrences += std::popcount(starts);
        if (result_.firstPosition < 0) {
            result_.firstPosition = base + std::countr_zero(starts);
        }
        result_.lastPosition = base + 63 - std::countl_zero(starts);
        while (listStarts_ && starts != 0) {
            result_.starts.push_back(spins[static_cast<std::size_t>(std::countr_zero(starts))]);
            starts &= starts - 1;
        }
    }

    BitMatcher matcher_;
    int span_;
    bool skipZeros_;
    bool listStarts_;
    ColourWord current_;
    ColourWord following_;
    bool haveCurrent_ = false;
    int fill_ = 0;
    std::int64_t currentBase_ = 0;
    std::int64_t positions_ = 0;
    std::int64_t ownedPositions_ = std::numeric_limits<std::int64_t>::max();
    std::array<std::int64_t, 64> spinsOfCurrent_{};
    std::array<std::int64_t, 64> spinsOfFollowing_{};
    ScanResult result_;
};

// Scans spins 1 .. spins of a run's spin source, as the trainer numbers them.
ScanResult scanSpinSource(const Figure& figure, const SpinSource& source, std::int64_t spins,
                          ZeroRule rule, bool listStarts);

} // namespace sorvik1
