#include "core/laws/first_occurrence.h"

#include "core/laws/survival.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace sorvik1 {

namespace {

// A rest of the waiting time below this share of it is dropped.
constexpr double negligible = 1e-10;

// The chance of no occurrence in n spins of all d sequences together, from
// the steps of one: sequence c holds the spins c, c + d, ...
class Survivals {
  public:
    Survivals(const Survival& one, int sequences) : one_(one), d_(sequences) {}

    bool known() const { return one_.known(); }
    // Spins covered by the steps; beyond them the tail takes over.
    std::int64_t stepped() const { return one_.steps() * d_; }

    // r sequences have had q + 1 steps, the others q.
    double logAt(std::int64_t spins) const {
        const std::int64_t q = spins / d_;
        const auto r = static_cast<double>(spins % d_);
        return (r > 0 ? r * one_.logAt(q + 1) : 0.0) + (d_ - r) * one_.logAt(q);
    }

    // The sum of the chances of no occurrence in n spins over all n >= 0.
    double expectedWait() const {
        double sum = 0.0;
        for (std::int64_t n = 0; n < stepped(); ++n) {
            sum += std::exp(logAt(n));
        }
        // Beyond, every spin ends the wait with (nearly) the same chance.
        const double rest =
            one_.exhausted() ? 0.0 : std::exp(logAt(stepped())) / one_.middleHazard();
        return sum + rest;
    }

  private:
    const Survival& one_;
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
    std::vector<double> fresh(automaton.stateCount());
    fresh[0] = 1.0;
    return firstOccurrenceFrom(Survival::of(automaton, fresh, logDone), interleaving.sequences,
                               spins);
}

FirstOccurrence firstOccurrenceFrom(const Survival& fresh, int sequences, std::int64_t spins) {
    FirstOccurrence result;
    const Survivals survivals(fresh, sequences);
    if (!survivals.known()) {
        return result;
    }
    result.expectedWait = survivals.expectedWait();
    // Never -0, which would print as such.
    result.chanceWithin = spins <= 0 ? 0.0 : std::max(0.0, -std::expm1(survivals.logAt(spins)));
    return result;
}

} // namespace sorvik1
