#pragma once

#include "core/wheel/colour.h"
#include "core/wheel/figure.h"

#include <bit>
#include <cstdint>

namespace sorvik1 {

// The betting signal of a figure: after a spin it tells whether the spins so
// far fill every occupied position of the figure but its last, so that the
// next spin falls on that last position. A zero fills no occupied position,
// so it breaks the figure. Only spins pushed count: before the first there
// is no signal, and a one-position figure signals after every spin. The
// practice and the strategy test both bet on it, spin by spin or 64 spins
// at a time.
class FigureSignal {
  public:
    explicit FigureSignal(const Figure& figure) : empty_(figure.empty()) {
        if (empty_) {
            return;
        }
        const int last = figure.span() - 1;
        colour_ = figure.at(last);
        // The history keeps the latest spin in bit 31, the one before it in
        // bit 30, and so on; the latest is the position just before the last.
        for (int i = 0; i + 1 < figure.occupiedCount(); ++i) {
            const int offset = figure.occupiedOffset(i);
            const std::uint32_t bit = std::uint32_t{1} << (32 - last + offset);
            (figure.at(offset) == red ? redMask_ : blackMask_) |= bit;
        }
    }

    void push(Farbcode colour) {
        reds_ = (reds_ >> 1) | (static_cast<std::uint32_t>(colour == red) << 31);
        blacks_ = (blacks_ >> 1) | (static_cast<std::uint32_t>(colour == black) << 31);
        started_ = true;
    }

    // Does the next spin decide?
    bool signal() const {
        return started_ && !empty_ && (reds_ & redMask_) == redMask_ &&
               (blacks_ & blackMask_) == blackMask_;
    }

    // The next `count` spins (1 .. 64), bit k of `reds` set when spin k is
    // red, of `blacks` when black: bit k of the answer is set when spin k
    // decides, that is when the signal stood after the spin before it.
    // Pushes the spins.
    std::uint64_t decidingIn(std::uint64_t reds, std::uint64_t blacks, int count) {
        const auto redSpins = (static_cast<unsigned __int128>(reds) << 32) | reds_;
        const auto blackSpins = (static_cast<unsigned __int128>(blacks) << 32) | blacks_;
        // Spin k of the word sits at bit 32 + k; a mask bit b stands for the
        // spin 32 - b before the deciding one.
        std::uint64_t deciding =
            empty_ ? 0 : (count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1);
        deciding &= started_ ? ~std::uint64_t{0} : ~std::uint64_t{1};
        for (std::uint32_t m = redMask_; m != 0; m &= m - 1) {
            deciding &= static_cast<std::uint64_t>(redSpins >> std::countr_zero(m));
        }
        for (std::uint32_t m = blackMask_; m != 0; m &= m - 1) {
            deciding &= static_cast<std::uint64_t>(blackSpins >> std::countr_zero(m));
        }
        reds_ = static_cast<std::uint32_t>(redSpins >> count);
        blacks_ = static_cast<std::uint32_t>(blackSpins >> count);
        started_ = started_ || count > 0;
        return deciding;
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
