#include "core/laws/survival.h"

#include "core/laws/age_step.h"

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
// How many states a try at the bracket reads between looks at its width.
constexpr std::size_t giveUpEvery = 1024;
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
    const auto widened = [&](Real upper) {
        return Bracket{static_cast<double>(low) - allowance,
                       static_cast<double>(upper) + allowance};
    };
    const auto narrow = [](const Bracket& b) {
        return b.low > 0.0 && b.high - b.low <= bracketWidth * b.low;
    };
    for (std::size_t i = 0; i < u.size(); ++i) {
        // Every further state can only widen the bracket: one too wide
        // already is given up at once, as most tries are.
        if (i % giveUpEvery == 0 && !narrow(widened(high))) {
            return std::nullopt;
        }
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
    const Bracket found = widened(high + leftOut / smallest);
    if (!narrow(found)) {
        return std::nullopt;
    }
    return found;
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

template <typename Real> double allowanceOf(const OccurrenceAutomaton& automaton) {
    return roundingAllowance(automaton, static_cast<double>(std::numeric_limits<Real>::epsilon()));
}

template <typename Real> struct StepSums {
    Real completing;
    Real alive;
};

// A step along the automaton's own moves, state by state, adding into
// `following`. What completes is summed apart: adding it all into one entry
// would make every add wait for the one before. Unless kept, u is emptied on
// the way.
template <typename Real> class MoveStep {
  public:
    explicit MoveStep(const OccurrenceAutomaton& automaton)
        : automaton_(automaton), firstOutcome_(automaton.chance(0) > 0 ? 0 : 1) {}

    StepSums<Real> operator()(std::vector<Real>& u, std::vector<Real>& following, Real total,
                              bool keep) const {
        std::array<Real, OccurrenceAutomaton::outcomeCount> chance{};
        for (std::size_t o = 0; o < chance.size(); ++o) {
            chance[o] = Real{automaton_.chance(o)} / total;
        }
        const std::size_t states = u.size();
        Real completing = 0;
        for (std::size_t i = 0; i < states; ++i) {
            const Real here = u[i];
            for (std::size_t o = firstOutcome_; o < OccurrenceAutomaton::outcomeCount; ++o) {
                const std::uint32_t to = automaton_.next(i, o);
                const Real share = here * chance[o];
                if (to == states) {
                    completing += share;
                } else {
                    following[to] += share;
                }
            }
            if (!keep) {
                u[i] = 0;
            }
        }
        // The sums are taken afresh each step rather than trusting the
        // distribution to add up to 1: rescaling by 1 - hazard alone lets
        // rounding errors grow.
        return {completing, sum(following)};
    }

    // A u kept for the bracket is emptied, to become the next `following`.
    void release(std::vector<Real>& u) const { std::fill(u.begin(), u.end(), Real{0}); }

  private:
    const OccurrenceAutomaton& automaton_;
    // With zeros skipped the zero never comes.
    std::size_t firstOutcome_;
};

// A step over every set of ages, which writes the whole of `following`.
class SetStep {
  public:
    explicit SetStep(const AgeStep& step) : step_(step) {}

    StepSums<double> operator()(const std::vector<double>& u, std::vector<double>& following,
                                double total, bool /*keep*/) const {
        const AgeStep::Sums sums = step_(u, following, total);
        return {sums.completing, sums.alive};
    }
    void release(std::vector<double>& /*u*/) const {}

  private:
    const AgeStep& step_;
};

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
    if (automaton.stateCount() <= extendedStates) {
        const MoveStep<long double> step(automaton);
        return stepped(step, std::vector<long double>(start.begin(), start.end()),
                       allowanceOf<long double>(automaton), logDone, std::move(stop));
    }
    const double allowance = allowanceOf<double>(automaton);
    if (const auto ages = AgeStep::of(automaton)) {
        const SetStep step(*ages);
        return stepped(step, ages->spread(automaton, start), allowance, logDone, std::move(stop));
    }
    const MoveStep<double> step(automaton);
    return stepped(step, std::vector<double>(start), allowance, logDone, std::move(stop));
}

template <typename Real, typename Step>
Survival Survival::stepped(const Step& step, std::vector<Real> u, double allowance, double logDone,
                           std::stop_token stop) {
    Survival survival;
    // u: where the alive partial occurrences stand, given no occurrence yet,
    // in proportion; total is its sum. The division by the total goes into
    // the chances, which saves a pass over the states.
    std::vector<Real> following(u.size(), Real{0});
    Real total = sum(u);
    const auto maxSteps = static_cast<std::size_t>(workBudget / static_cast<double>(u.size()));
    for (std::size_t n = 0; n < maxSteps && !stop.stop_requested(); ++n) {
        // A bracket holds every later hazard, the last two included: until
        // they differ by less than its width it cannot be narrow enough.
        const std::size_t known = survival.hazards_.size();
        const bool tryBracket =
            n % bracketEvery == 0 &&
            (known < 2 || std::abs(survival.hazards_[known - 1] - survival.hazards_[known - 2]) <=
                              2.0 * bracketWidth * survival.hazards_[known - 1]);
        // Unless the bracket needs it, the step may empty u on the way, to
        // become the next `following`.
        const StepSums<Real> sums = step(u, following, total, tryBracket);
        if (tryBracket) {
            if (const auto found = bracket(u, total, following, allowance)) {
                survival.hazardLow_ = found->low;
                survival.hazardHigh_ = found->high;
                return survival;
            }
            step.release(u);
        }
        u.swap(following);
        total = sums.alive;
        const Real hazard = sums.completing / (sums.completing + sums.alive);
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
