#pragma once

#include "core/laws/occurrence_automaton.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <stop_token>
#include <vector>

namespace sorvik1 {

// A figure whose occupied offsets are all multiples of d > 1 never links
// spins of different residues mod d: the spins split into d interleaved
// sequences that each look for the figure squeezed by d, independently.
// Squeezed, the automaton is far smaller and mixes far faster.
struct Interleaving {
    Figure figure;
    int sequences = 1;
};

Interleaving interleave(const Figure& figure);

// The chance S(q) that a figure has not completed within q steps of one
// sequence, from a given distribution over the automaton's states. Stepped
// exactly (in extended precision for small automata) until either
// a) the distribution w over the states satisfies a w <= wQ <= b w state by
//    state with (b - a) <= 1e-10 (1 - b): then S(q + m) lies between S(q) a^m
//    and S(q) b^m for every m, and the middle hazard is taken for every later
//    step. The bracket is widened by the rounding of the sums, and a state
//    whose share has died away (one a sequence leaves for good) is bounded by
//    its share;
// b) or log S(q) falls below the caller's `logDone`: the rest counts for
//    nothing.
// The slowest figures (span 20 with few occupied positions, up to 2^19
// states) take a few hundred steps.
class Survival {
  public:
    // `start` holds the chances of the states and adds up to 1. A stop
    // request or a search beyond any figure's need leaves it unknown.
    static Survival of(const OccurrenceAutomaton& automaton, const std::vector<double>& start,
                       double logDone, std::stop_token stop = {});

    // The tail is bracketed, or nothing is left for it.
    bool known() const { return exhausted_ || hazardLow_ > 0.0; }
    std::int64_t steps() const { return static_cast<std::int64_t>(logSurvival_.size()) - 1; }
    double middleHazard() const { return (hazardLow_ + hazardHigh_) / 2; }
    bool exhausted() const { return exhausted_; }

    // log S(q), for any q >= 0.
    double logAt(std::int64_t q) const;
    // The chance that the first completion is at step q >= 1.
    double firstAt(std::int64_t q) const;

  private:
    // `step` writes the chances after one outcome into an empty `following`
    // and returns what completes and what is alive; see survival.cpp.
    template <typename Real, typename Step>
    static Survival stepped(const Step& step, std::vector<Real> u, double allowance, double logDone,
                            std::stop_token stop);

    std::vector<double> logSurvival_{0.0}; // log S(q) for q = 0 .. steps
    std::vector<double> hazards_;          // step q completes, given none before: [q - 1]
    double hazardLow_ = 0;
    double hazardHigh_ = 0;
    bool exhausted_ = false;
};

} // namespace sorvik1
