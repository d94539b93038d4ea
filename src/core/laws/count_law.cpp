#include "core/laws/count_law.h"

#include "core/laws/survival.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace sorvik1 {

namespace {

// The exact law's work for counts up to `cap`: every spin of every distinct
// length moves every (state, count) pair by every outcome, and every
// sequence is convolved into the sum.
double exactWork(const OccurrenceAutomaton& automaton, std::span<const std::int64_t> lengths,
                 std::int64_t cap) {
    const double outcomes = automaton.chance(0) > 0.0 ? 3.0 : 2.0;
    const auto states = static_cast<double>(automaton.stateCount());
    const auto counts = static_cast<double>(cap + 1);
    double work = 0;
    for (const std::int64_t n : std::set<std::int64_t>(lengths.begin(), lengths.end())) {
        const auto spins = static_cast<double>(std::max<std::int64_t>(n, 0));
        work += spins * states * std::min(counts, spins + 1.0) * outcomes;
    }
    return work + static_cast<double>(lengths.size()) * counts * counts;
}

std::int64_t mostPossible(const Figure& figure, std::span<const std::int64_t> lengths) {
    std::int64_t most = 0;
    for (const std::int64_t n : lengths) {
        most += std::max<std::int64_t>(n - figure.span() + 1, 0);
    }
    return most;
}

// The lengths of the d interleaved sequences each sequence splits into:
// sequence c holds the positions c, c + d, ...
std::vector<std::int64_t> interleaved(std::span<const std::int64_t> lengths, int d) {
    std::vector<std::int64_t> split;
    for (const std::int64_t n : lengths) {
        for (int c = 0; c < d; ++c) {
            split.push_back(std::max<std::int64_t>(n - c + d - 1, 0) / d);
        }
    }
    return split;
}

} // namespace

CountLaw CountLaw::of(const Figure& figure, std::span<const std::int64_t> lengths, ZeroRule rule,
                      const CountMoments& moments, bool exactAllowed) {
    CountLaw law;
    law.moments_ = moments;
    if (figure.empty() || !(moments.expected > 0.0 && moments.variance > 0.0)) {
        return law;
    }
    // A figure whose offsets share a factor d counts in d interleaved
    // sequences independently, each looking for the squeezed figure: far
    // fewer states, and a chain that settles far sooner.
    const Interleaving interleaving = interleave(figure);
    law.lengths_ = interleaved(lengths, interleaving.sequences);
    law.automaton_ = std::make_shared<const OccurrenceAutomaton>(interleaving.figure, rule);
    law.span_ = interleaving.figure.span();
    law.method_ = PValueMethod::Saddlepoint;
    lengths = law.lengths_;
    const std::int64_t most = mostPossible(interleaving.figure, lengths);
    std::int64_t cap = std::min(most + 1, static_cast<std::int64_t>(std::ceil(
                                              moments.expected + 8.0 * moments.standardDeviation)) +
                                              2);
    while (exactAllowed && exactWork(*law.automaton_, lengths, cap) <= exactCountWork) {
        law.distribution_ = countDistribution(*law.automaton_, lengths, cap);
        if (cap > most || law.distribution_.back() < negligibleTail) {
            law.method_ = PValueMethod::Exact;
            break;
        }
        law.distribution_.clear();
        cap = std::min(most + 1, 2 * cap);
    }
    law.beyondThree_ = law.beyond(3.0);
    return law;
}

bool CountLaw::exactFits(const Figure& figure, std::span<const std::int64_t> lengths, ZeroRule rule,
                         std::int64_t cap) {
    const Interleaving interleaving = interleave(figure);
    return exactWork(OccurrenceAutomaton(interleaving.figure, rule),
                     interleaved(lengths, interleaving.sequences), cap) <= exactCountWork;
}

CountTails CountLaw::tails(std::int64_t low, std::int64_t high) const {
    CountTails tails{0.0, 1.0};
    if (method_ == PValueMethod::None) {
        return {low >= 0 ? 1.0 : 0.0, high <= 0 ? 1.0 : 0.0};
    }
    if (method_ == PValueMethod::Saddlepoint) {
        tails.atMost = saddlepointTail(*automaton_, span_, lengths_, moments_, low, true);
        tails.atLeast = saddlepointTail(*automaton_, span_, lengths_, moments_, high, false);
        return tails;
    }
    const auto cap = static_cast<std::int64_t>(distribution_.size()) - 1;
    for (std::int64_t k = 0; k <= std::min(low, cap - 1); ++k) {
        tails.atMost += distribution_[static_cast<std::size_t>(k)];
    }
    if (low >= cap) {
        tails.atMost = 1.0 - distribution_.back();
    }
    if (high > cap) {
        // Beyond the cut: the law up to this count, exact when it fits.
        tails.atLeast = exactWork(*automaton_, lengths_, high) <= exactCountWork
                            ? countDistribution(*automaton_, lengths_, high).back()
                            : saddlepointTail(*automaton_, span_, lengths_, moments_, high, false);
    } else if (high > 0) {
        tails.atLeast = 0.0;
        for (auto k = static_cast<std::size_t>(high); k < distribution_.size(); ++k) {
            tails.atLeast += distribution_[k];
        }
    }
    return tails;
}

PValue CountLaw::twoSided(std::int64_t observed) const {
    if (method_ == PValueMethod::None) {
        return {};
    }
    PValue p{1.0, method_};
    double smaller = 1.0;
    if (method_ == PValueMethod::Exact) {
        const CountTails both = tails(observed, observed);
        smaller = std::min(both.atMost, both.atLeast);
        const auto cap = static_cast<std::int64_t>(distribution_.size()) - 1;
        if (observed > cap && exactWork(*automaton_, lengths_, observed) > exactCountWork) {
            p.method = PValueMethod::Saddlepoint;
        }
    } else {
        // Only the tail on the count's side can be the smaller one.
        const bool lower = static_cast<double>(observed) < moments_.expected;
        smaller = saddlepointTail(*automaton_, span_, lengths_, moments_, observed, lower);
    }
    p.p = std::clamp(2.0 * smaller, std::numeric_limits<double>::min(), 1.0);
    return p;
}

double CountLaw::beyond(double z) const {
    if (method_ == PValueMethod::None) {
        return 0.0;
    }
    const double reach = z * moments_.standardDeviation;
    const CountTails both = tails(static_cast<std::int64_t>(std::floor(moments_.expected - reach)),
                                  static_cast<std::int64_t>(std::ceil(moments_.expected + reach)));
    return std::min(1.0, both.atMost + both.atLeast);
}

} // namespace sorvik1
