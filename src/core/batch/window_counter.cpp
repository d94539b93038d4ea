#include "core/batch/window_counter.h"

#include <algorithm>
#include <array>
#include <bit>

namespace sorvik1 {

namespace {

constexpr std::uint64_t power3(int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 3;
    }
    return result;
}

// The base-3 value of five positions from their red bits (low five) and
// black bits (high five): a window's index is two look-ups, no carried state.
constexpr std::array<std::uint32_t, 1024> fiveDigits = [] {
    std::array<std::uint32_t, 1024> table{};
    for (std::uint32_t bits = 0; bits < 1024; ++bits) {
        std::uint32_t value = 0;
        for (int p = 4; p >= 0; --p) {
            const bool isRed = ((bits >> p) & 1) != 0;
            const bool isBlack = ((bits >> (p + 5)) & 1) != 0;
            value = value * 3 + (isRed ? 0 : isBlack ? 1 : 2);
        }
        table[bits] = value;
    }
    return table;
}();

inline std::uint64_t windowIndex(std::uint64_t reds, std::uint64_t blacks) {
    return fiveDigits[(reds & 31) | ((blacks & 31) << 5)] +
           243 * std::uint64_t{fiveDigits[((reds >> 5) & 31) | (((blacks >> 5) & 31) << 5)]};
}

} // namespace

WindowCounter::WindowCounter(int span, ZeroRule rule)
    : span_(std::clamp(span, 1, maxSearchSpan)), rule_(rule), mask_(lowBits(span_)),
      offset_(power3(maxSearchSpan) - power3(span_)), windows_(power3(span_), 0) {}

void WindowCounter::add(const SpinWord& word) {
    spins_ += word.count;
    coloured_ += std::popcount(word.red | word.black);
    const SpinWord positions = positionsOf(word);
    append(positions.red, positions.black, positions.count);
}

void WindowCounter::carryIn(const SpinWord& word) {
    const SpinWord positions = positionsOf(word);
    for (int k = 0; k < positions.count; ++k) {
        redWindow_ = ((redWindow_ << 1) | ((positions.red >> k) & 1)) & mask_;
        blackWindow_ = ((blackWindow_ << 1) | ((positions.black >> k) & 1)) & mask_;
    }
    carried_ += positions.count;
    continues_ = true;
}

SpinWord WindowCounter::positionsOf(const SpinWord& word) const {
    if (rule_ == ZeroRule::Breaks) {
        return word;
    }
    return withoutZeros(word);
}

void WindowCounter::append(std::uint64_t reds, std::uint64_t blacks, int count) {
    int k = 0;
    // Until the first window is whole, position by position.
    for (; k < count && positions_ + carried_ < span_ - 1; ++k) {
        pushSlowly((reds >> k) & 1, (blacks >> k) & 1);
    }
    positions_ += count - k;
    std::uint64_t redWindow = redWindow_;
    std::uint64_t blackWindow = blackWindow_;
    for (; k < count; ++k) {
        redWindow = ((redWindow << 1) | ((reds >> k) & 1)) & mask_;
        blackWindow = ((blackWindow << 1) | ((blacks >> k) & 1)) & mask_;
        ++windows_[windowIndex(redWindow, blackWindow) - offset_];
    }
    redWindow_ = redWindow;
    blackWindow_ = blackWindow;
}

void WindowCounter::pushSlowly(std::uint64_t isRed, std::uint64_t isBlack) {
    redWindow_ = ((redWindow_ << 1) | isRed) & mask_;
    blackWindow_ = ((blackWindow_ << 1) | isBlack) & mask_;
    if (++positions_ + carried_ >= span_) {
        ++windows_[windowIndex(redWindow_, blackWindow_) - offset_];
    }
}

bool WindowCounter::lookAhead(const SpinWord& word) {
    const SpinWord positions = positionsOf(word);
    for (int k = 0; k < positions.count && ahead_ < span_ - 1; ++k) {
        pushAhead((positions.red >> k) & 1, (positions.black >> k) & 1);
    }
    return ahead_ < span_ - 1;
}

void WindowCounter::padAhead() {
    while (ahead_ < span_ - 1) {
        pushAhead(0, 0);
    }
}

// A window ending among the next part's first span - 1 positions starts in
// this part.
void WindowCounter::pushAhead(std::uint64_t isRed, std::uint64_t isBlack) {
    redWindow_ = ((redWindow_ << 1) | isRed) & mask_;
    blackWindow_ = ((blackWindow_ << 1) | isBlack) & mask_;
    if (positions_ + carried_ + ++ahead_ >= span_) {
        ++windows_[windowIndex(redWindow_, blackWindow_) - offset_];
    }
}

void WindowCounter::endSequence() {
    const std::int64_t positions = positions_;
    if (positions + carried_ > 0) {
        for (int pad = 1; pad < span_; ++pad) {
            pushSlowly(0, 0);
        }
    }
    if (positions > 0 || (continues_ && sequences_.empty())) {
        sequences_.push_back(positions);
    }
    positions_ = 0;
    carried_ = 0;
    redWindow_ = 0;
    blackWindow_ = 0;
}

void WindowCounter::merge(const WindowCounter& later) {
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        windows_[i] += later.windows_[i];
    }
    spins_ += later.spins_;
    coloured_ += later.coloured_;
    auto next = later.sequences_.begin();
    if (later.continues_) {
        if (next == later.sequences_.end()) {
            positions_ += later.positions_;
            return;
        }
        if (positions_ + *next > 0) {
            sequences_.push_back(positions_ + *next);
        }
        ++next;
    }
    sequences_.insert(sequences_.end(), next, later.sequences_.end());
    positions_ = later.positions_;
    redWindow_ = 0;
    blackWindow_ = 0;
}

} // namespace sorvik1
