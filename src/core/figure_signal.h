#pragma once

#include "core/colour.h"
#include "core/figure.h"

#include <cstdint>

namespace sorvik1 {

// The betting signal of a figure, spin by spin: after a spin it tells
// whether the spins so far fill every occupied position of the figure but
// its last, so that the next spin falls on that last position. A zero fills
// no occupied position, so it breaks the figure. Only spins pushed count:
// before the first there is no signal, and a one-position figure signals
// after every spin. The practice and the strategy test both bet on it.
class FigureSignal {
  public:
    explicit FigureSignal(const Figure& figure) : empty_(figure.empty()) {
        if (empty_) {
            return;
        }
        const int last = figure.span() - 1;
        colour_ = figure.at(last);
        // Bit 0 holds the latest spin, which is the position just before the
        // last; bit i the spin i before it.
        for (int i = 0; i + 1 < figure.occupiedCount(); ++i) {
            const int offset = figure.occupiedOffset(i);
            const std::uint32_t bit = std::uint32_t{1} << (last - 1 - offset);
            (figure.at(offset) == red ? redMask_ : blackMask_) |= bit;
        }
    }

    void push(Farbcode colour) {
        reds_ = (reds_ << 1) | static_cast<std::uint32_t>(colour == red);
        blacks_ = (blacks_ << 1) | static_cast<std::uint32_t>(colour == black);
        started_ = true;
    }

    // Does the next spin decide?
    bool signal() const {
        return started_ && !empty_ && (reds_ & redMask_) == redMask_ &&
               (blacks_ & blackMask_) == blackMask_;
    }

    // The colour the figure calls for on the deciding spin.
    Farbcode colour() const { return colour_; }

  private:
    std::uint32_t redMask_ = 0;
    std::uint32_t blackMask_ = 0;
    std::uint32_t reds_ = 0;
    std::uint32_t blacks_ = 0;
    Farbcode colour_ = noColour;
    bool empty_;
    bool started_ = false;
};

} // namespace sorvik1
