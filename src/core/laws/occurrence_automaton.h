#pragma once

#include "core/laws/statistics.h"
#include "core/wheel/figure.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sorvik1 {

// The automaton over the partial occurrences of a figure still alive in a
// sequence of spins, bit a of a state meaning "a partial occurrence has
// matched its first a offsets". Reading a spin keeps the partial occurrences
// whose next offset accepts the spin's colour, ages them by one and starts a
// new one; one reaching the span is complete. A state is a subset of the ages
// 1 .. span - 1, so a figure has at most 2^19 states; a figure of consecutive
// positions has at most span. State 0 is where a sequence starts.
class OccurrenceAutomaton {
  public:
    static constexpr std::size_t outcomeCount = 3; // zero, red, black: the Farbcode values

    OccurrenceAutomaton(const Figure& figure, ZeroRule rule);

    std::size_t stateCount() const { return next_.size(); }
    // The state after an outcome, or stateCount() when it completes the
    // figure (or cannot happen).
    std::uint32_t next(std::size_t state, std::size_t outcome) const {
        return next_[state][outcome];
    }
    // Where counting goes on after an outcome that completes the figure: the
    // partial occurrences still alive beside the completed one. Every such
    // set is a state, since it depends on the last span - 1 spins alone.
    std::uint32_t afterCompletion(std::size_t state, std::size_t outcome) const {
        return afterCompletion_[state][outcome];
    }
    double chance(std::size_t outcome) const { return chance_[outcome]; }

    int span() const { return span_; }
    // Bit a set: offset a of the figure accepts the outcome.
    std::uint32_t accepts(std::size_t outcome) const { return accepts_[outcome]; }
    // The set of ages a state stands for, as bits 1 .. span - 1.
    std::uint32_t ages(std::size_t state) const { return ages_[state]; }

  private:
    void index(int span);

    std::array<double, outcomeCount> chance_{};
    std::array<std::uint32_t, outcomeCount> accepts_{};
    std::uint32_t completeBit_ = 0;
    int span_ = 0;
    std::vector<std::uint32_t> ages_;
    std::vector<std::array<std::uint32_t, outcomeCount>> next_;
    std::vector<std::array<std::uint32_t, outcomeCount>> afterCompletion_;
};

} // namespace sorvik1
