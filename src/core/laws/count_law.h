#pragma once

#include "core/laws/count_significance.h"
#include "core/laws/occurrence_automaton.h"
#include "core/laws/statistics.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace sorvik1 {

// Up to this much work (spins times states times counts times outcomes,
// summed over the distinct sequence lengths) a count's law is computed
// exactly; about a millisecond.
inline constexpr double exactCountWork = 1e6;

// Below this share a tail of the exact law is cut off: counts beyond it are
// judged by a law computed for the count itself.
inline constexpr double negligibleTail = 1e-12;

// The chances of a count at most `low` and at least `high`.
struct CountTails {
    double atMost = 0;
    double atLeast = 0;
};

// The law of a figure's count of (possibly overlapping) occurrences in
// independent sequences of the given numbers of counted spins, read by the
// automaton of partial occurrences that goes on counting after each one.
//  - Exact: the chance of every (state, count) pair stepped spin by spin in
//    each sequence, the counts of the sequences convolved; the count range is
//    cut where the tail beyond holds less than 1e-12, and a count beyond the
//    cut gets a law of its own, exact up to that count.
//  - Saddlepoint: where that is more work than exactCountWork, the
//    Lugannani-Rice formula with the continuity correction for a count, on
//    the exact cumulant generating function of the count, log E[e^(t X)],
//    from the automaton with e^t on every completion. Its relative error
//    stays below 10 % for every tail between 1e-8 and 0.05.
class CountLaw {
  public:
    // `moments` are the count's exact expectation and variance; `exactAllowed`
    // false forces the saddlepoint.
    static CountLaw of(const Figure& figure, std::span<const std::int64_t> lengths, ZeroRule rule,
                       const CountMoments& moments, bool exactAllowed = true);

    // Whether the exact law fits the budget for counts up to `cap`.
    static bool exactFits(const Figure& figure, std::span<const std::int64_t> lengths,
                          ZeroRule rule, std::int64_t cap);

    PValueMethod method() const { return method_; }
    // Two-sided: twice the smaller tail at the observed count, at most 1;
    // never 0 (a p below the smallest double is that double).
    PValue twoSided(std::int64_t observed) const;
    // The chance of a count at least z standard deviations from the
    // expectation.
    double beyond(double z) const;
    // The same for z = 3, which every search needs, worked out once.
    double beyondThree() const { return beyondThree_; }
    // P(X <= low) and P(X >= high).
    CountTails tails(std::int64_t low, std::int64_t high) const;

  private:
    std::shared_ptr<const OccurrenceAutomaton> automaton_;
    int span_ = 0;
    std::vector<std::int64_t> lengths_;
    CountMoments moments_;
    PValueMethod method_ = PValueMethod::None;
    // Exact: P(X = k) for k < cap, and P(X >= cap) last.
    std::vector<double> distribution_;
    double beyondThree_ = 0;
};

// Exact law of the count, saturated: entry k < cap holds P(X = k), entry cap
// holds P(X >= cap).
std::vector<double> countDistribution(const OccurrenceAutomaton& automaton,
                                      std::span<const std::int64_t> lengths, std::int64_t cap);

// Saddlepoint tail of the count of a figure of the given span: P(X <= x)
// with `lower`, else P(X >= x).
double saddlepointTail(const OccurrenceAutomaton& automaton, int span,
                       std::span<const std::int64_t> lengths, const CountMoments& moments,
                       std::int64_t x, bool lower);

} // namespace sorvik1
