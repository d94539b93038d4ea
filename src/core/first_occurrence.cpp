#include "core/first_occurrence.h"

#include "core/occurrence_automaton.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

namespace sorvik1 {

namespace {

// The hazard bracket is accepted once it is this narrow, relative to its
// lower end; the values then carry at most half of it as error.
constexpr double bracketWidth = 1e-10;
// A rest of the waiting time below this share of it is dropped.
constexpr double negligible = 1e-10;
// A state's share of the distribution below this has died away: only a
// state that a sequence leaves for good gets there.
constexpr double diedAway = 1e-100;
// Up to this many states the steps are taken in extended precision, which
// the small hazards of long solid figures need; larger automata belong to
// figures with free positions, whose hazards are large.
constexpr std::size_t extendedStates = 4096;
// The bracket costs a division per state, so it is tried every few steps.
constexpr std::size_t bracketEvery = 4;
// A guard only: no accepted figure has been seen to come near it.
constexpr double workBudget = 2e9;

// A figure whose occupied offsets are all multiples of d > 1 never links
// spins of different residues mod d: the spins split into d interleaved
// sequences that each look for the figure squeezed by d, independently.
// Squeezed, the automaton is far smaller and mixes far faster.
struct Interleaving {
    Figure figure;
    int sequences = 1;
};

Interleaving interleave(const Figure& figure) {
    int common = 0;
    for (int i = 0; i < figure.occupiedCount(); ++i) {
        common = std::gcd(common, figure.occupiedOffset(i));
    }
    if (common <= 1) {
        return {figure, 1};
    }
    std::vector<Farbcode> squeezed(static_cast<std::size_t>((figure.span() - 1) / common + 1));
    for (int i = 0; i < figure.occupiedCount(); ++i) {
        squeezed[static_cast<std::size_t>(figure.occupiedOffset(i) / common)] =
            figure.occupiedColour(i);
    }
    return {Figure::fromOffsets(squeezed), common};
}

// The chance of no occurrence in one squeezed sequence, step by step, until
// either the hazard per step is bracketed tightly for every later step or
// what is left does not matter any more.
struct Survival {
    std::vector<double> logSurvival; // log of the chance after q steps
    // For every step after the last: hazard in [hazardLow, hazardHigh].
    double hazardLow = 0;
    double hazardHigh = 0;
    bool exhausted = false; // the rest counts for nothing
};

// Rounding allowance of a hazard: the sum into a state is exact up to one
// unit per term; four more for the scaled chance, the scaling back, the
// subtraction and the division.
double roundingAllowance(const OccurrenceAutomaton& automaton, double unit) {
    std::vector<double> terms(automaton.stateCount() + 1, 4.0);
    for (std::size_t i = 0; i < automaton.stateCount(); ++i) {
        for (std::size_t o = 0; o < OccurrenceAutomaton::outcomeCount; ++o) {
            terms[automaton.next(i, o)] += 1.0;
        }
    }
    return 2.0 * unit * *std::max_element(terms.begin(), terms.end() - 1);
}

// With w = u / total and a w <= wQ <= b w state by state, the chance of
// surviving m more steps lies between a^m and b^m. Every state bounds the
// hazard 1 - b from below; a state whose share has died away is left out of
// the upper bound, which then allows for the share it leaves out. True, with
// the bracket set, once it is narrow enough.
template <typename Real>
bool bracket(const std::vector<Real>& u, Real total, const std::vector<Real>& following,
             double allowance, Survival& survival) {
    Real low = 1, high = 0, leftOut = 0, smallest = total;
    for (std::size_t i = 0; i < u.size(); ++i) {
        if (u[i] == 0) {
            if (following[i] != 0) {
                return false;
            }
            continue;
        }
        const Real hazard = (u[i] - following[i] * total) / u[i];
        low = std::min(low, hazard);
        if (u[i] < Real{diedAway} * total) {
            leftOut += u[i];
        } else {
            high = std::max(high, hazard);
            smallest = std::min(smallest, u[i]);
        }
    }
    const double lo = static_cast<double>(low) - allowance;
    const double hi = static_cast<double>(high + leftOut / smallest) + allowance;
    if (lo <= 0.0 || hi - lo > bracketWidth * lo) {
        return false;
    }
    survival.hazardLow = lo;
    survival.hazardHigh = hi;
    return true;
}

// Four sums side by side: one alone would make every add wait for the one
// before, which costs more than the whole step besides.
template <typename Real> Real sum(const std::vector<Real>& values) {
    std::array<Real, 4> lanes{};
    std::size_t i = 0;
    for (; i + lanes.size() <= values.size(); i += lanes.size()) {
        for (std::size_t lane = 0; lane < lanes.size(); ++lane) {
            lanes[lane] += values[i + lane];
        }
    }
    for (; i < values.size(); ++i) {
        lanes[0] += values[i];
    }
    return (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
}

template <typename Real>
Survival stepSurvival(const OccurrenceAutomaton& automaton, double logDone) {
    const std::size_t states = automaton.stateCount();
    const double allowance =
        roundingAllowance(automaton, static_cast<double>(std::numeric_limits<Real>::epsilon()));
    Survival survival{{0.0}};
    // u: where the alive partial occurrences stand, given no occurrence yet,
    // in proportion; total is its sum. The division by the total goes into
    // the chances, which saves a pass over the states.
    std::vector<Real> u(states, Real{0});
    std::vector<Real> following(states, Real{0});
    u[0] = 1;
    Real total = 1;
    // With zeros skipped the zero never comes.
    const std::size_t firstOutcome = automaton.chance(0) > 0 ? 0 : 1;
    const auto maxSteps = static_cast<std::size_t>(workBudget / static_cast<double>(states));
    for (std::size_t n = 0; n < maxSteps; ++n) {
        std::array<Real, OccurrenceAutomaton::outcomeCount> chance{};
        for (std::size_t o = 0; o < chance.size(); ++o) {
            chance[o] = Real{automaton.chance(o)} / total;
        }
        // What completes is summed apart: adding it all into one entry
        // would make every add wait for the one before.
        Real completing = 0;
        for (std::size_t i = 0; i < states; ++i) {
            for (std::size_t o = firstOutcome; o < OccurrenceAutomaton::outcomeCount; ++o) {
                const std::uint32_t to = automaton.next(i, o);
                const Real share = u[i] * chance[o];
                if (to == states) {
                    completing += share;
                } else {
                    following[to] += share;
                }
            }
        }
        if (n % bracketEvery == 0 && bracket(u, total, following, allowance, survival)) {
            return survival;
        }
        // The sums are taken afresh each step rather than trusting the
        // distribution to add up to 1: rescaling by 1 - hazard alone lets
        // rounding errors grow.
        const Real alive = sum(following);
        std::fill(u.begin(), u.end(), Real{0});
        u.swap(following);
        total = alive;
        survival.logSurvival.push_back(
            survival.logSurvival.back() +
            static_cast<double>(std::log1p(-completing / (completing + alive))));
        if (survival.logSurvival.back() < logDone) {
            survival.exhausted = true;
            return survival;
        }
    }
    return survival;
}

// The chance of no occurrence in n spins of all d sequences together, from
// the steps of one: sequence c holds the spins c, c + d, ...
class Survivals {
  public:
    Survivals(Survival one, int sequences) : one_(std::move(one)), d_(sequences) {}

    bool known() const { return one_.exhausted || one_.hazardLow > 0.0; }
    // Spins covered by the steps; beyond them the tail takes over.
    std::int64_t stepped() const { return steps() * d_; }

    double logAt(std::int64_t spins) const {
        const std::int64_t q = spins / d_;
        const auto r = static_cast<double>(spins % d_);
        if (spins <= stepped()) {
            return (r > 0 ? r * log(q + 1) : 0.0) + (d_ - r) * log(q);
        }
        const double tail =
            one_.exhausted ? -std::numeric_limits<double>::infinity()
                           : static_cast<double>(spins - stepped()) * std::log1p(-middleHazard());
        return d_ * log(steps()) + tail;
    }

    // The sum of the chances of no occurrence in n spins over all n >= 0.
    double expectedWait() const {
        double sum = 0.0;
        for (std::int64_t n = 0; n < stepped(); ++n) {
            sum += std::exp(logAt(n));
        }
        // Beyond, every spin ends the wait with (nearly) the same chance.
        const double rest = one_.exhausted ? 0.0 : std::exp(logAt(stepped())) / middleHazard();
        return sum + rest;
    }

  private:
    std::int64_t steps() const { return static_cast<std::int64_t>(one_.logSurvival.size()) - 1; }
    double log(std::int64_t q) const { return one_.logSurvival[static_cast<std::size_t>(q)]; }
    double middleHazard() const { return (one_.hazardLow + one_.hazardHigh) / 2; }

    Survival one_;
    int d_;
};

} // namespace

FirstOccurrence firstOccurrence(const Figure& figure, std::int64_t spins, ZeroRule rule) {
    FirstOccurrence result;
    if (figure.empty()) {
        return result;
    }
    const Interleaving interleaving = interleave(figure);
    const OccurrenceAutomaton automaton(interleaving.figure, rule);
    // From any state the next span steps complete the figure with at least
    // its chance, so past this survival the rest of the wait is negligible.
    const double figureChance =
        std::pow(spinChances(rule).colour, interleaving.figure.occupiedCount());
    const double logDone = std::log(negligible * figureChance /
                                    (interleaving.sequences * interleaving.figure.span())) /
                           interleaving.sequences;
    const Survivals survivals(automaton.stateCount() <= extendedStates
                                  ? stepSurvival<long double>(automaton, logDone)
                                  : stepSurvival<double>(automaton, logDone),
                              interleaving.sequences);
    if (!survivals.known()) {
        return result;
    }
    result.expectedWait = survivals.expectedWait();
    // Never -0, which would print as such.
    result.chanceWithin = spins <= 0 ? 0.0 : std::max(0.0, -std::expm1(survivals.logAt(spins)));
    return result;
}

} // namespace sorvik1
