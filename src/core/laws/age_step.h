#pragma once

#include "core/laws/occurrence_automaton.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sorvik1 {

// One step of the chances of an automaton's states, held over every set of
// ages 1 .. span - 1 (index: the set shifted down by one) rather than over
// the reachable states alone; the unreachable ones keep chance 0. Where a
// set goes on an outcome is then a shift and a mask of its bits, so a step
// needs no table of moves: it reads the chances in order and writes each
// following one once. It pays where the reachable states fill most of the
// sets, as they do for long figures with many free positions, the slowest
// to step.
class AgeStep {
  public:
    // None where the reachable states fill too few of the sets.
    static std::optional<AgeStep> of(const OccurrenceAutomaton& automaton);

    std::size_t sets() const { return 2 * half_; }
    // Chances over the automaton's states, over the sets of ages.
    std::vector<double> spread(const OccurrenceAutomaton& automaton,
                               const std::vector<double>& chances) const;

    struct Sums {
        double completing;
        double alive;
    };
    // Writes into `following` the chances after one outcome from `u` divided
    // by `total`; returns the chance that the outcome completes the figure
    // and the sum of `following`.
    Sums operator()(const std::vector<double>& u, std::vector<double>& following,
                    double total) const;

  private:
    // The outcomes that leave the same partial occurrences alive, together.
    struct Group {
        double chance;
        // Set x (below the highest age) goes to 2 (x & keep) + started.
        std::uint32_t keep;
        std::uint32_t started; // 1 when offset 0 accepts: a new partial occurrence
        // A set holding the highest age completes the figure; otherwise
        // that age is dropped.
        bool completes;
        std::vector<std::uint32_t> dropped; // every combination of the bits not kept
    };
    std::uint32_t half_ = 0;  // sets below the highest age
    std::uint32_t chunk_ = 1; // sets stepped together
    std::vector<Group> groups_;
};

} // namespace sorvik1
