#pragma once

#include "core/scan/spin_word.h"
#include "core/wheel/figure.h"

#include <cstdint>

namespace sorvik1 {

// Finds every start of a figure among 64 spins at once: a start at bit k
// needs the colour bit of its first occupied offset at k, of the next at
// k + offset, and so on, so the starts are the AND of the colour masks
// shifted back by each offset. A figure spans at most 20 spins, so the word
// after the current one holds every spin a start can reach.
class BitMatcher {
  public:
    explicit BitMatcher(const Figure& figure) : figure_(figure) {}

    std::uint64_t startsIn(const SpinWord& current, const SpinWord& following) const {
        std::uint64_t starts = figure_.empty() ? 0 : ~std::uint64_t{0};
        for (int i = 0; i < figure_.occupiedCount(); ++i) {
            const int offset = figure_.occupiedOffset(i);
            const std::uint64_t now = mask(current, figure_.occupiedColour(i));
            const std::uint64_t later = mask(following, figure_.occupiedColour(i));
            starts &= offset == 0 ? now : (now >> offset) | (later << (64 - offset));
        }
        return starts;
    }

  private:
    // A code that is neither red nor black is matched by no spin.
    static std::uint64_t mask(const SpinWord& word, Farbcode colour) {
        return colour == red ? word.red : colour == black ? word.black : 0;
    }

    Figure figure_;
};

} // namespace sorvik1
