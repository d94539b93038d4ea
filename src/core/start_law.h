#pragma once

#include "core/figure.h"
#include "core/statistics.h"

#include <cstdint>
#include <stop_token>
#include <vector>

namespace sorvik1 {

// A probability that, for large arguments, shrinks by a constant factor
// every `period` steps: the first values are stored, the rest follow from
// the last period of them.
class DecaySeries {
  public:
    DecaySeries() = default;
    DecaySeries(std::vector<double> values, double ratio, std::int64_t period)
        : values_(std::move(values)), ratio_(ratio), period_(period) {}

    double at(std::int64_t k) const;
    std::int64_t stored() const { return static_cast<std::int64_t>(values_.size()); }
    double ratio() const { return ratio_; }

  private:
    std::vector<double> values_;
    double ratio_ = 0;
    std::int64_t period_ = 1;
};

// How the starts of a figure fall among independent spins, from the
// automaton whose state is the set of partial occurrences still alive (the
// same state space that makes overlapping figures and free positions exact).
// Two killed chains are stepped until the shape of what survives settles,
// after which the surviving mass shrinks by a constant factor per spin and
// the rest is closed form:
//  - from an empty history: the chance of no start among k positions;
//  - from a start at position 0: the chance that the next start is at d.
// A position is one counted spin; with skipped zeros only colours count.
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
    // The distance from one start to the next, given a start: d with
    // P(distance >= d) below `share`, at least 2.
    std::int64_t distanceQuantile(double share) const;

  private:
    int span_ = 0;
    double startChance_ = 0;
    bool settled_ = false;
    DecaySeries survivors_;  // no completion within j + 1 spins
    DecaySeries afterStart_; // start at 0, none at 1 .. k
    DecaySeries nextStart_;  // start at 0, the next at d
};

} // namespace sorvik1
