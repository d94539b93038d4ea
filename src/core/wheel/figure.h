#pragma once

#include "core/wheel/colour.h"
#include "core/wheel/limits.h"
#include "core/wheel/spin_source.h"

#include <array>
#include <cstdint>

namespace sorvik1 {

// The figure as drawn in the trainer's grid: entry p is the colour required
// at position p (1 .. 20; 0 free), anfang and ende the first and last
// occupied position (0 when no figure is active).
using FigureGrid = std::array<Farbcode, maxFigureSpan + 1>;

// A figure reduced to what matching needs: the colour required at each
// offset from its first occupied position. Where it was drawn in the grid
// plays no part. A default figure is empty and occurs nowhere.
class Figure {
  public:
    Figure() = default;

    // Anything outside 1 <= anfang <= ende <= 20 gives the empty figure.
    static Figure fromGrid(const FigureGrid& figur, std::int16_t anfang, std::int16_t ende);

    // From the colours at offsets 0 .. span - 1 (0 = free); the span is cut
    // at 20 and trailing free offsets are dropped.
    template <typename Colours> static Figure fromOffsets(const Colours& colours) {
        Figure figure;
        int offset = 0;
        for (const Farbcode colour : colours) {
            if (offset == maxFigureSpan) {
                break;
            }
            figure.set(offset++, colour);
        }
        return figure;
    }

    bool empty() const { return occupied_ == 0; }
    // Spins from the first to the last occupied offset.
    int span() const { return span_; }
    int occupiedCount() const { return occupied_; }
    // The colour required at offset 0 .. span() - 1; 0 for a free offset.
    Farbcode at(int offset) const { return colours_[static_cast<std::size_t>(offset)]; }
    // Occupied offsets in ascending order, with their colours.
    int occupiedOffset(int i) const { return offsets_[static_cast<std::size_t>(i)]; }
    Farbcode occupiedColour(int i) const { return at(occupiedOffset(i)); }

    // Does the figure start at spin s? Reads spins s .. s + span() - 1 and
    // stops at the first mismatch. A zero never fills an occupied offset;
    // free offsets accept anything. Cheap enough to call at every spin.
    bool startsAt(const SpinSource& spins, std::int64_t s) const {
        for (int i = 0; i < occupied_; ++i) {
            const int offset = offsets_[static_cast<std::size_t>(i)];
            if (spins.colour(s + offset) != colours_[static_cast<std::size_t>(offset)]) {
                return false;
            }
        }
        return occupied_ > 0;
    }

    friend bool operator==(const Figure&, const Figure&) = default;

  private:
    void set(int offset, Farbcode colour);

    std::array<Farbcode, maxFigureSpan> colours_{};
    std::array<std::int8_t, maxFigureSpan> offsets_{};
    int occupied_ = 0;
    int span_ = 0;
};

} // namespace sorvik1
