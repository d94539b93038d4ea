#include "core/laws/survival.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <utility>

namespace sorvik1 {

namespace {

// The hazard bracket is accepted once it is this narrow, relative to its
// lower end; the values then carry at most half of it as error.
constexpr double bracketWidth = 1e-10;
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

struct Bracket {
    double low;
    double high;
};

// With w = u / total and a w <= wQ <= b w state by state, the chance of
// surviving m more steps lies between a^m and b^m. Every state bounds the
// hazard 1 - b from below; a state whose share has died away is left out of
// the upper bound, which then allows for the share it leaves out. There
// once it is narrow enough.
template <typename Real>
std::optional<Bracket> bracket(const std::vector<Real>& u, Real total,
                               const std::vector<Real>& following, double allowance) {
    Real low = 1, high = 0, leftOut = 0, smallest = total;
    for (std::size_t i = 0; i < u.size(); ++i) {
        if (u[i] == 0) {
            if (following[i] != 0) {
                return std::nullopt;
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
        return std::nullopt;
    }
    return Bracket{lo, hi};
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

} // namespace

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

Survival Survival::of(const OccurrenceAutomaton& automaton, const std::vector<double>& start,
                      double logDone, std::stop_token stop) {
    return automaton.stateCount() <= extendedStates
               ? stepped<long double>(automaton, start, logDone, std::move(stop))
               : stepped<double>(automaton, start, logDone, std::move(stop));
}

template <typename Real>
Survival Survival::stepped(const OccurrenceAutomaton& automaton, const std::vector<double>& start,
                           double logDone, std::stop_token stop) {
    const std::size_t states = automaton.stateCount();
    const double allowance =
        roundingAllowance(automaton, static_cast<double>(std::numeric_limits<Real>::epsilon()));
    Survival survival;
    // u: where the alive partial occurrences stand, given no occurrence yet,
    // in proportion; total is its sum. The division by the total goes into
    // the chances, which saves a pass over the states.
    std::vector<Real> u(start.begin(), start.end());
    std::vector<Real> following(states, Real{0});
    Real total = sum(u);
    // With zeros skipped the zero never comes.
    const std::size_t firstOutcome = automaton.chance(0) > 0 ? 0 : 1;
    const auto maxSteps = static_cast<std::size_t>(workBudget / static_cast<double>(states));
    for (std::size_t n = 0; n < maxSteps && !stop.stop_requested(); ++n) {
        std::array<Real, OccurrenceAutomaton::outcomeCount> chance{};
        for (std::size_t o = 0; o < chance.size(); ++o) {
            chance[o] = Real{automaton.chance(o)} / total;
        }
        // A bracket holds every later hazard, the last two included: until
        // they differ by less than its width it cannot be narrow enough.
        const std::size_t known = survival.hazards_.size();
        const bool tryBracket =
            n % bracketEvery == 0 &&
            (known < 2 || std::abs(survival.hazards_[known - 1] - survival.hazards_[known - 2]) <=
                              2.0 * bracketWidth * survival.hazards_[known - 1]);
        // What completes is summed apart: adding it all into one entry
        // would make every add wait for the one before. Unless the bracket
        // needs it, u is emptied on the way, to become the next `following`.
        Real completing = 0;
        for (std::size_t i = 0; i < states; ++i) {
            const Real here = u[i];
            for (std::size_t o = firstOutcome; o < OccurrenceAutomaton::outcomeCount; ++o) {
                const std::uint32_t to = automaton.next(i, o);
                const Real share = here * chance[o];
                if (to == states) {
                    completing += share;
                } else {
                    following[to] += share;
                }
            }
            if (!tryBracket) {
                u[i] = 0;
            }
        }
        if (tryBracket) {
            if (const auto found = bracket(u, total, following, allowance)) {
                survival.hazardLow_ = found->low;
                survival.hazardHigh_ = found->high;
                return survival;
            }
            std::fill(u.begin(), u.end(), Real{0});
        }
        // The sums are taken afresh each step rather than trusting the
        // distribution to add up to 1: rescaling by 1 - hazard alone lets
        // rounding errors grow.
        const Real alive = sum(following);
        u.swap(following);
        total = alive;
        const Real hazard = completing / (completing + alive);
        survival.hazards_.push_back(static_cast<double>(hazard));
        survival.logSurvival_.push_back(survival.logSurvival_.back() +
                                        static_cast<double>(std::log1p(-hazard)));
        if (survival.logSurvival_.back() < logDone) {
            survival.exhausted_ = true;
            return survival;
        }
    }
    return survival;
}

double Survival::logAt(std::int64_t q) const {
    if (q <= steps()) {
        return logSurvival_[static_cast<std::size_t>(q)];
    }
    if (exhausted_) {
        return -std::numeric_limits<double>::infinity();
    }
    return logSurvival_.back() + static_cast<double>(q - steps()) * std::log1p(-middleHazard());
}

double Survival::firstAt(std::int64_t q) const {
    if (q <= 0) {
        return 0.0;
    }
    if (q <= steps()) {
        return std::exp(logSurvival_[static_cast<std::size_t>(q - 1)]) *
               hazards_[static_cast<std::size_t>(q - 1)];
    }
    return exhausted_ ? 0.0 : std::exp(logAt(q - 1)) * middleHazard();
}

} // namespace sorvik1
