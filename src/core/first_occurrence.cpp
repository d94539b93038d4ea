#include "core/first_occurrence.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace sorvik1 {

namespace {

constexpr std::size_t outcomeCount = 3; // zero, red, black: the Farbcode values
constexpr double workBudget = 4e8;
constexpr double settledChange = 1e-13;

// The automaton over alive partial occurrences, bit a of a state meaning "a
// partial occurrence has matched its first a offsets". Reading a spin keeps
// the partial occurrences whose next offset accepts the spin's colour, ages
// them by one and starts a new one; one reaching the span is complete.
class Automaton {
  public:
    Automaton(const Figure& figure, ZeroRule rule) {
        const SpinChances chances = spinChances(rule);
        chance_ = {chances.zero, chances.colour, chances.colour};
        const int span = figure.span();
        for (int offset = 0; offset < span; ++offset) {
            for (std::size_t outcome = 0; outcome < outcomeCount; ++outcome) {
                const Farbcode wanted = figure.at(offset);
                if (wanted == noColour || static_cast<std::size_t>(wanted) == outcome) {
                    accepts_[outcome] |= 1U << offset;
                }
            }
        }
        completeBit_ = 1U << (span - 1);
        index(span);
    }

    std::size_t stateCount() const { return next_.size(); }
    // The state after an outcome, or stateCount() when it completes the
    // figure (or cannot happen).
    std::uint32_t next(std::size_t state, std::size_t outcome) const {
        return next_[state][outcome];
    }
    double chance(std::size_t outcome) const { return chance_[outcome]; }

  private:
    // Numbers the reachable states in ascending order of their bits, which
    // keeps the successors of neighbouring states close in memory.
    void index(int span) {
        std::vector<std::int32_t> indexOf(std::size_t{1} << span, -1);
        std::vector<std::uint32_t> states{0};
        indexOf[0] = 0;
        for (std::size_t i = 0; i < states.size(); ++i) {
            for (std::size_t outcome = 0; outcome < outcomeCount; ++outcome) {
                const std::uint32_t alive = (states[i] | 1U) & accepts_[outcome];
                if (chance_[outcome] > 0.0 && (alive & completeBit_) == 0 &&
                    indexOf[alive << 1] < 0) {
                    indexOf[alive << 1] = 0;
                    states.push_back(alive << 1);
                }
            }
        }
        std::sort(states.begin(), states.end());
        for (std::size_t i = 0; i < states.size(); ++i) {
            indexOf[states[i]] = static_cast<std::int32_t>(i);
        }
        const auto sink = static_cast<std::uint32_t>(states.size());
        next_.resize(states.size());
        for (std::size_t i = 0; i < states.size(); ++i) {
            for (std::size_t outcome = 0; outcome < outcomeCount; ++outcome) {
                const std::uint32_t alive = (states[i] | 1U) & accepts_[outcome];
                const bool ends = chance_[outcome] == 0.0 || (alive & completeBit_) != 0;
                next_[i][outcome] = ends ? sink : static_cast<std::uint32_t>(indexOf[alive << 1]);
            }
        }
    }

    std::array<double, outcomeCount> chance_{};
    std::array<std::uint32_t, outcomeCount> accepts_{};
    std::uint32_t completeBit_ = 0;
    std::vector<std::array<std::uint32_t, outcomeCount>> next_;
};

} // namespace

FirstOccurrence firstOccurrence(const Figure& figure, std::int64_t spins, ZeroRule rule) {
    FirstOccurrence result;
    if (figure.empty()) {
        return result;
    }
    if (spins <= 0) {
        result.chanceWithin = 0.0;
    }
    const Automaton automaton(figure, rule);
    const std::size_t states = automaton.stateCount();
    const double maxSteps = workBudget / static_cast<double>(states);

    // u: where the alive partial occurrences stand, given no occurrence yet;
    // the entry after the states collects what completes at the next spin.
    // logSurvival: log of the chance of no occurrence in the first n spins.
    std::vector<double> u(states + 1, 0.0);
    std::vector<double> following(states + 1, 0.0);
    u[0] = 1.0;
    double logSurvival = 0.0;
    double waitSum = 0.0;
    double previousHazard = -1.0;
    for (std::int64_t n = 0; static_cast<double>(n) < maxSteps; ++n) {
        if (n == spins) {
            result.chanceWithin = -std::expm1(logSurvival);
        }
        std::fill(following.begin(), following.end(), 0.0);
        for (std::size_t i = 0; i < states; ++i) {
            for (std::size_t o = 0; o < outcomeCount; ++o) {
                following[automaton.next(i, o)] += u[i] * automaton.chance(o);
            }
        }
        // The sums are taken afresh each spin rather than trusting u to add
        // up to 1: rescaling by 1 - hazard alone lets rounding errors grow.
        const double completing = following[states];
        double alive = 0.0;
        for (std::size_t i = 0; i < states; ++i) {
            alive += following[i];
        }
        const double hazard = completing / (completing + alive);
        double change = 0.0;
        for (std::size_t i = 0; i < states; ++i) {
            following[i] /= alive;
            change += std::abs(following[i] - u[i]);
        }
        waitSum += std::exp(logSurvival);
        logSurvival += std::log1p(-hazard);
        u.swap(following);

        const bool settled = change < settledChange && hazard > 0.0 &&
                             std::abs(hazard - previousHazard) < settledChange * hazard;
        previousHazard = hazard;
        if (settled) {
            // From here on every spin ends the wait with the same chance.
            result.expectedWait = waitSum + std::exp(logSurvival) / hazard;
            if (!result.chanceWithin) {
                const double later = static_cast<double>(spins - n - 1);
                result.chanceWithin = -std::expm1(logSurvival + later * std::log1p(-hazard));
            }
            return result;
        }
    }
    return result;
}

} // namespace sorvik1
