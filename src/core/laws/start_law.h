#pragma once

#include "core/laws/first_occurrence.h"
#include "core/laws/statistics.h"
#include "core/laws/survival.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <memory>
#include <stop_token>

namespace sorvik1 {

// How the starts of a figure fall among independent spins, from the
// automaton whose state is the set of partial occurrences still alive (the
// same state space that makes overlapping figures and free positions exact).
// The figure is split into its interleaved sequences, and in one of them the
// chance of no completion is stepped until its hazard is bracketed for
// every later step (see Survival), twice:
//  - from an empty history: the chance of no start among k positions;
//  - from a start at position 0: the chance that the next start is at d.
// The middle of a hazard bracket of relative width 1e-10 stands for every
// later step, so a value carries a relative error of at most about
// 1e-10 |ln value| (below 1e-7 for any value a double holds), besides
// rounding. A position is one counted spin; with skipped zeros only colours
// count.
class StartLaw {
  public:
    // An empty figure has no law (span 0); a stop request leaves the law
    // unsettled.
    static StartLaw of(const Figure& figure, ZeroRule rule, std::stop_token stop = {});

    bool settled() const { return settled_; }
    int span() const { return span_; }
    // Chance of a start at a given position.
    double startChance() const { return startChance_; }
    // Chance of no start among k consecutive positions (1 for k <= 0).
    double noneIn(std::int64_t k) const;
    // Chance of a start at 0 and none at 1 .. k.
    double startThenNone(std::int64_t k) const;
    // Chance of a start at 0 whose next start is at d >= 1.
    double startThenNext(std::int64_t d) const;
    // The waiting time and the chance of at least one occurrence in `spins`
    // counted spins, as firstOccurrence gives them, from this law's steps.
    FirstOccurrence firstOccurrence(std::int64_t spins) const;
    // The distance from one start to the next, given a start: d with
    // P(distance >= d) below `share`, at least 2.
    std::int64_t distanceQuantile(double share) const;
    // The automaton of the figure itself, for chains that follow every
    // position: kept where the figure is not interleaved, or where its span
    // is at most keptInterleavedSpan; null otherwise.
    const OccurrenceAutomaton* automaton() const { return automaton_.get(); }
    static constexpr int keptInterleavedSpan = 16;

  private:
    // Of one sequence, which holds every d-th position: log of no start
    // among its first m positions.
    double logNoneIn(std::int64_t m) const;
    // log of no start among positions 1 .. k of the sequences but the first,
    // which holds position 0, and, when `except` is one of them, but that.
    double logNoneInOthers(std::int64_t k, std::int64_t except) const;

    int span_ = 0;
    int squeezedSpan_ = 0;
    std::int64_t sequences_ = 1;
    double startChance_ = 0;
    bool settled_ = false;
    Survival fresh_;   // from an empty history
    Survival started_; // from the state a start at 0 leaves
    std::shared_ptr<const OccurrenceAutomaton> automaton_;
};

} // namespace sorvik1
