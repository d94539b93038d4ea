#include "core/laws/start_law.h"

#include "core/system/parallel_parts.h"

#include <algorithm>
#include <cmath>

namespace sorvik1 {

namespace {

// Below e^-700 no chance shows in a double; the steps end there.
constexpr double logVanished = -700;
// The search for a quantile gives up here; no chart goes that far.
constexpr std::int64_t farthestDistance = std::int64_t{1} << 40;
// From this many states on, the two survivals are stepped side by side.
constexpr std::size_t parallelStates = 4096;

// The states a start at 0 leaves behind, by their chances: spins 1 ..
// span - 1 must fit the figure's own offsets, and read from an empty
// history they leave exactly the partial occurrences that are alive once
// the start completes. Fewer than span spins cannot complete anything.
std::vector<double> afterStart(const OccurrenceAutomaton& automaton, const Figure& figure) {
    std::vector<double> chances(automaton.stateCount());
    std::vector<double> following(chances.size());
    chances[0] = 1.0;
    for (int offset = 1; offset < figure.span(); ++offset) {
        std::fill(following.begin(), following.end(), 0.0);
        const Farbcode wanted = figure.at(offset);
        for (std::size_t state = 0; state < chances.size(); ++state) {
            for (std::size_t outcome = 0; outcome < OccurrenceAutomaton::outcomeCount; ++outcome) {
                const bool fits = wanted == noColour || static_cast<std::size_t>(wanted) == outcome;
                if (chances[state] != 0.0 && fits && automaton.chance(outcome) > 0.0) {
                    following[automaton.next(state, outcome)] +=
                        chances[state] * automaton.chance(outcome);
                }
            }
        }
        chances.swap(following);
    }
    double total = 0;
    for (const double chance : chances) {
        total += chance;
    }
    for (double& chance : chances) {
        chance /= total;
    }
    return chances;
}

// n times a log that may be minus infinity, where none of them is 0.
double times(std::int64_t n, double log) {
    return n == 0 ? 0.0 : static_cast<double>(n) * log;
}

} // namespace

StartLaw StartLaw::of(const Figure& figure, ZeroRule rule, std::stop_token stop) {
    StartLaw law;
    if (figure.empty()) {
        return law;
    }
    law.span_ = figure.span();
    law.startChance_ = std::pow(spinChances(rule).colour, figure.occupiedCount());
    const Interleaving interleaving = interleave(figure);
    law.sequences_ = interleaving.sequences;
    law.squeezedSpan_ = interleaving.figure.span();
    auto squeezed = std::make_shared<const OccurrenceAutomaton>(interleaving.figure, rule);
    const OccurrenceAutomaton& automaton = *squeezed;
    std::vector<double> empty(automaton.stateCount());
    empty[0] = 1.0;
    const std::vector<double> afterOne = afterStart(automaton, interleaving.figure);
    const auto survive = [&](int part) {
        (part == 0 ? law.fresh_ : law.started_) =
            Survival::of(automaton, part == 0 ? empty : afterOne, logVanished, stop);
    };
    // The two are independent and, for the largest automata, equally long;
    // for small ones a thread costs more than it saves.
    if (automaton.stateCount() >= parallelStates) {
        runParts(2, survive);
    } else {
        survive(0);
        survive(1);
    }
    law.settled_ = law.fresh_.known() && law.started_.known();
    if (interleaving.sequences == 1) {
        law.automaton_ = std::move(squeezed);
    } else if (law.span_ <= keptInterleavedSpan) {
        law.automaton_ = std::make_shared<const OccurrenceAutomaton>(figure, rule);
    }
    return law;
}

double StartLaw::logNoneIn(std::int64_t m) const {
    return m <= 0 ? 0.0 : fresh_.logAt(m + squeezedSpan_ - 1);
}

// Sequence c holds the positions c, c + d, ...; of the k + 1 positions
// 0 .. k the first r sequences hold one more than the others.
double StartLaw::logNoneInOthers(std::int64_t k, std::int64_t except) const {
    const std::int64_t q = (k + 1) / sequences_;
    const std::int64_t r = (k + 1) % sequences_;
    std::int64_t more = std::max<std::int64_t>(r - 1, 0); // sequences 1 .. r - 1
    std::int64_t fewer = sequences_ - 1 - more;
    if (except > 0) {
        --(except < r ? more : fewer);
    }
    return times(more, logNoneIn(q + 1)) + times(fewer, logNoneIn(q));
}

double StartLaw::noneIn(std::int64_t k) const {
    if (k <= 0) {
        return 1.0;
    }
    const std::int64_t q = k / sequences_;
    const std::int64_t r = k % sequences_;
    return std::exp(times(r, logNoneIn(q + 1)) + times(sequences_ - r, logNoneIn(q)));
}

double StartLaw::startThenNone(std::int64_t k) const {
    k = std::max<std::int64_t>(k, 0);
    return startChance_ * std::exp(started_.logAt(k / sequences_) + logNoneInOthers(k, 0));
}

double StartLaw::startThenNext(std::int64_t d) const {
    if (d <= 0 || span_ == 0) {
        return 0.0;
    }
    const std::int64_t r = d % sequences_;
    if (r == 0) {
        // The first sequence, which holds position 0, holds d too.
        return startChance_ * started_.firstAt(d / sequences_) *
               std::exp(logNoneInOthers(d - 1, 0));
    }
    // Sequence r starts for the first time at its position d / sequences + 1.
    const std::int64_t firstStep = d / sequences_ + squeezedSpan_;
    return startChance_ * fresh_.firstAt(firstStep) *
           std::exp(started_.logAt(d / sequences_) + logNoneInOthers(d - 1, r));
}

FirstOccurrence StartLaw::firstOccurrence(std::int64_t spins) const {
    return span_ == 0 ? FirstOccurrence{}
                      : firstOccurrenceFrom(fresh_, static_cast<int>(sequences_), spins);
}

std::int64_t StartLaw::distanceQuantile(double share) const {
    const double limit = share * startChance_;
    const auto reached = [&](std::int64_t d) { return startThenNone(d - 1) < limit; };
    std::int64_t low = 2;
    std::int64_t high = 2;
    while (!reached(high) && high < farthestDistance) {
        low = high + 1;
        high *= 2;
    }
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (reached(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return high;
}

} // namespace sorvik1
