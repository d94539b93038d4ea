#pragma once

#include "core/scan/bit_matcher.h"
#include "core/scan/spin_word.h"
#include "core/system/allocation_seam.h"
#include "core/wheel/figure.h"
#include "core/wheel/zero_rule.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

namespace sorvik1 {

// Appends to a list of starts, which grows with the occurrences up to one
// per spin: its growth is announced like other storage sized by the spins.
inline void appendStart(std::vector<std::int64_t>& list, std::int64_t value) {
    if (list.size() == list.capacity()) {
        announceAllocation(std::max<std::size_t>(2 * list.capacity(), 1) * sizeof(value));
    }
    list.push_back(value);
}

// A stretch of counted positions in which the figure does not start.
struct Absence {
    std::int64_t length = 0;
    std::int64_t firstPosition = 0; // where the stretch begins
};

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
    // Where zeros are skipped, the counted positions of the starts beside
    // their spin numbers: distances between starts count positions.
    std::vector<std::int64_t> startPositions;
    // The longest stretch strictly between two starts; length 0 with fewer
    // than two occurrences.
    Absence longestBetween;

    // Appends the result of the spins that follow this part.
    void append(ScanResult&& later);
    // The longest stretch without a start among the owned positions, the
    // stretches before the first and after the last start included; the
    // earliest of equally long ones. All positions when the figure never
    // starts.
    Absence longestAbsence() const;
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
// Source: SpinWord nextWord(int most) gives the following spins, `most` of
// them unless the source ends first; bool exhausted() tells whether it has
// ended.
template <typename Source> class OccurrenceScan {
  public:
    OccurrenceScan(const Figure& figure, ZeroRule rule, bool listStarts)
        : matcher_(figure), span_(figure.span()), skipZeros_(rule == ZeroRule::Skipped),
          listStarts_(listStarts) {}

    // firstSpin: the spin number of the first owned spin, for the list.
    ScanResult run(Source& source, std::int64_t ownedSpins, std::int64_t firstSpin) {
        std::int64_t spin = firstSpin;
        for (std::int64_t left = ownedSpins; left > 0 && !source.exhausted();) {
            const SpinWord word = source.nextWord(left < 64 ? static_cast<int>(left) : 64);
            push(word, spin);
            spin += word.count;
            left -= word.count;
        }
        result_.spins = ownedSpins;
        result_.positions = positions_;
        ownedPositions_ = positions_;
        while (positions_ < ownedPositions_ + span_ - 1 && !source.exhausted()) {
            const SpinWord word = source.nextWord(64);
            push(word, spin);
            spin += word.count;
        }
        if (haveCurrent_) {
            evaluate(current_, following_, currentBase_, spinsOfCurrent_);
            currentBase_ += 64;
        }
        evaluate(following_, SpinWord{}, currentBase_, spinsOfFollowing_);
        return std::move(result_);
    }

  private:
    void push(const SpinWord& word, std::int64_t firstSpin) {
        const std::uint64_t coloured = word.red | word.black;
        if (listStarts_) {
            recordSpins(skipZeros_ ? coloured : lowBits(word.count), firstSpin);
        }
        if (!skipZeros_) {
            append(word.red, word.black, word.count);
            return;
        }
        const SpinWord colours = withoutZeros(word);
        append(colours.red, colours.black, colours.count);
    }

    // Adds `count` positions, their colours in the low bits.
    void append(std::uint64_t reds, std::uint64_t blacks, int count) {
        following_.red |= reds << following_.count;
        following_.black |= blacks << following_.count;
        positions_ += count;
        const int room = 64 - following_.count;
        if (count < room) {
            following_.count += count;
            return;
        }
        rotate();
        following_.count = count - room;
        if (following_.count > 0) {
            following_.red = reds >> room;
            following_.black = blacks >> room;
        }
    }

    // Notes the spin number of each position the next word adds.
    void recordSpins(std::uint64_t counted, std::int64_t firstSpin) {
        for (int slot = following_.count; counted != 0; ++slot, counted &= counted - 1) {
            const std::int64_t spin = firstSpin + std::countr_zero(counted);
            (slot < 64 ? spinsOfFollowing_[static_cast<std::size_t>(slot)]
                       : spinsSpilled_[static_cast<std::size_t>(slot - 64)]) = spin;
        }
    }

    void rotate() {
        if (haveCurrent_) {
            evaluate(current_, following_, currentBase_, spinsOfCurrent_);
            currentBase_ += 64;
        }
        haveCurrent_ = true;
        // Only the colours move: the current word is always whole, and
        // append() counts the following one anew.
        current_.red = following_.red;
        current_.black = following_.black;
        following_.red = 0;
        following_.black = 0;
        if (listStarts_) {
            spinsOfCurrent_ = spinsOfFollowing_;
            spinsOfFollowing_ = spinsSpilled_;
        }
    }

    void evaluate(const SpinWord& word, const SpinWord& after, std::int64_t base,
                  const std::array<std::int64_t, 64>& spins) {
        std::uint64_t starts = matcher_.startsIn(word, after);
        const std::int64_t ownedHere = ownedPositions_ - base;
        if (ownedHere < 64) {
            starts &= ownedHere <= 0 ? 0 : lowBits(static_cast<int>(ownedHere));
        }
        if (starts == 0) {
            return;
        }
        result_.occurrences += std::popcount(starts);
        noteGaps(starts, base);
        if (result_.firstPosition < 0) {
            result_.firstPosition = base + std::countr_zero(starts);
        }
        result_.lastPosition = base + 63 - std::countl_zero(starts);
        for (; listStarts_ && starts != 0; starts &= starts - 1) {
            const int bit = std::countr_zero(starts);
            appendStart(result_.starts, spins[static_cast<std::size_t>(bit)]);
            if (skipZeros_) {
                appendStart(result_.startPositions, base + bit);
            }
        }
    }

    // Widens the longest stretch between starts by the gaps before each start
    // of this word.
    void noteGaps(std::uint64_t starts, std::int64_t base) {
        std::int64_t previous = result_.lastPosition;
        for (; starts != 0; starts &= starts - 1) {
            const std::int64_t position = base + std::countr_zero(starts);
            if (previous >= 0 && position - previous - 1 > result_.longestBetween.length) {
                result_.longestBetween = {position - previous - 1, previous + 1};
            }
            previous = position;
        }
    }

    BitMatcher matcher_;
    int span_;
    bool skipZeros_;
    bool listStarts_;
    SpinWord current_{0, 0, 64};
    SpinWord following_; // filled up to its count
    bool haveCurrent_ = false;
    std::int64_t currentBase_ = 0;
    std::int64_t positions_ = 0;
    std::int64_t ownedPositions_ = std::numeric_limits<std::int64_t>::max();
    std::array<std::int64_t, 64> spinsOfCurrent_{};
    std::array<std::int64_t, 64> spinsOfFollowing_{};
    std::array<std::int64_t, 64> spinsSpilled_{};
    ScanResult result_;
};

// Scans spins 1 .. spins of a run's spin source, as the trainer numbers them.
ScanResult scanSpinSource(const Figure& figure, const SpinSource& source, std::int64_t spins,
                          ZeroRule rule, bool listStarts);

} // namespace sorvik1
