#pragma once

#include "core/laws/start_law.h"

#include <cstdint>
#include <vector>

namespace sorvik1 {

// Where starts can fall: `positions` counted spins, of which the first
// `startable` can begin an occurrence (the last span - 1 cannot finish one).
struct Stretch {
    std::int64_t positions = 0;
    std::int64_t startable = 0;
};

// The starts of the trainer's list at `shown` of `runSpins` spins: an
// occurrence is listed when it starts among the spins shown and ends within
// the run.
Stretch shownStretch(int span, std::int64_t shown, std::int64_t runSpins);

// Up to this much work (see absenceChainWork) the law of the longest absence
// is computed exactly; about a tenth of a second.
inline constexpr double exactAbsenceWork = 1e8;

struct AbsenceChance {
    double probability = 0;
    // |probability - exact| never exceeds this.
    double errorBound = 0;
};

// The chance that the longest stretch of positions without a start, those
// before the first and after the last start included, is at least `length`.
//
// Exact (bound 0) where the chain over the automaton's state and the
// current stretch's length (see absenceChain) takes at most `budget` work;
// otherwise as follows.
//
// The stretch after the last start holds the positions that cannot start
// one, so every length up to their number is reached for certain.
// A stretch of at least L is a window of L positions without a start that
// begins the sequence or follows a start. The expected number of such
// windows, lambda, is exact from the law. With fewer than 2L + 1 positions
// two of them cannot both occur, so the chance is lambda itself, exactly.
// Otherwise it is 1 - exp(-lambda), and the Chen-Stein bound for these
// window events (a window depends on L + span spins, so events further apart
// are independent; two that overlap exclude each other) gives
//   |error| <= min(1, 1/lambda) (b1 + b2),
//   b1 = lambda ((2 (L + span) - 1) P(start, then none in L) + B),
//   b2 = 4 lambda (span - 1) P(no start in L - span + 1),
// with B the chance of the windows at the beginning and the end. The
// chance is further held between Markov's bound (at most lambda) and that of
// independent blocks of L positions (at least 1 - (1 - P(none in L))^k).
AbsenceChance longestAtLeast(const StartLaw& law, const Stretch& stretch, std::int64_t length,
                             double budget = exactAbsenceWork);

struct ExpectedLongest {
    double length = 0;
    // |length - exact| never exceeds this: the chances' own bounds summed,
    // with what the trapezoid rule may miss over a long range.
    double errorBound = 0;
};

// E[longest] = the sum of P(longest >= L) over L >= 1. Exact, but for a
// bound below 1e-12, where the chain for every length whose chance is
// neither certain, nor below 1e-17, nor exact from the window count fits
// `budget`; otherwise from the approximation, with its bounds.
ExpectedLongest expectedLongest(const StartLaw& law, const Stretch& stretch,
                                double budget = exactAbsenceWork);

struct AbsencePoint {
    std::int64_t length = 0;
    double chance = 0;  // P(longest == length)
    double atLeast = 0; // P(longest >= length)
};

// P(longest == L) at up to `points` lengths spread over where it is not
// negligible, widened to include `marked`; exact in the same range as the
// expectation.
std::vector<AbsencePoint> absenceDistribution(const StartLaw& law, const Stretch& stretch,
                                              std::int64_t marked, int points = 400,
                                              double budget = exactAbsenceWork);

} // namespace sorvik1
