#pragma once

#include "core/wheel/colour.h"
#include "core/wheel/roulette_number.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sorvik1 {

class Random;

// Where a run's spins come from: the numbers drawn for it (`zahlen`) or an
// imported permanence (`permanenz`). Both are indexed by spin, 1 .. anzahl,
// with zeros around them, so that the figure test can look ahead past the
// last spin. The source only reads: the run owns the vectors and keeps them
// alive while the source is used.
class SpinSource {
  public:
    static SpinSource drawn(const ColourTable& farbe, std::span<const std::int16_t> zahlen) {
        return SpinSource(farbe, zahlen, {}, false);
    }
    static SpinSource imported(const ColourTable& farbe, std::span<const double> permanenz) {
        return SpinSource(farbe, {}, permanenz, true);
    }

    // The roulette number of spin n, 0 .. 36. An index outside the vector and
    // a value that is no roulette number read as 0, which matches no colour,
    // so a bad entry can never be taken for a red or black spin.
    int number(std::int64_t n) const { return imported_ ? importedNumber(n) : drawnNumber(n); }

    Farbcode colour(std::int64_t n) const { return (*farbe_)[static_cast<std::size_t>(number(n))]; }

  private:
    SpinSource(const ColourTable& farbe, std::span<const std::int16_t> zahlen,
               std::span<const double> permanenz, bool imported)
        : farbe_(&farbe), zahlen_(zahlen), permanenz_(permanenz), imported_(imported) {}

    int drawnNumber(std::int64_t n) const {
        if (n < 0 || static_cast<std::size_t>(n) >= zahlen_.size()) {
            return 0;
        }
        const int value = zahlen_[static_cast<std::size_t>(n)];
        return value >= 0 && value <= 36 ? value : 0;
    }

    int importedNumber(std::int64_t n) const {
        if (n < 0 || static_cast<std::size_t>(n) >= permanenz_.size()) {
            return 0;
        }
        return rouletteNumber(permanenz_[static_cast<std::size_t>(n)]).value_or(0);
    }

    const ColourTable* farbe_;
    std::span<const std::int16_t> zahlen_;
    std::span<const double> permanenz_;
    bool imported_;
};

// The numbers of a random run of `anzahl` spins, laid out as the run keeps
// them: entries 1 .. anzahl drawn, entry 0 and the 20 entries above anzahl 0.
std::vector<std::int16_t> drawZahlen(Random& generator, std::size_t anzahl);

} // namespace sorvik1
