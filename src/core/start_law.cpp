#include "core/start_law.h"

#include <array>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace sorvik1 {

namespace {

// Beyond this many state-steps a chain is left unsettled rather than
// rounded: a figure with many free positions has up to 2^19 states.
constexpr std::int64_t stateStepBudget = 400'000'000;
constexpr double vanished = 1e-300;

// The automaton: state = bit a set while the candidate that started a spins
// ago has matched offsets 0 .. a; the candidate that reaches the span
// completes and leaves the state.
struct Chain {
    int span = 0;
    int colours = 0;
    std::array<double, 3> chance{};
    std::vector<std::uint32_t> masks;
    std::vector<std::int32_t> next; // per state and colour
    std::vector<std::uint8_t> completes;
};

Chain chainOf(const Figure& figure, ZeroRule rule) {
    Chain chain;
    chain.span = figure.span();
    const SpinChances chances = spinChances(rule);
    chain.colours = rule == ZeroRule::Breaks ? 3 : 2;
    chain.chance = {chances.colour, chances.colour, chances.zero};
    const std::array<Farbcode, 3> codes{red, black, noColour};
    std::array<std::uint32_t, 3> accepts{};
    for (int c = 0; c < chain.colours; ++c) {
        for (int offset = 0; offset < chain.span; ++offset) {
            const Farbcode wanted = figure.at(offset);
            if (wanted == noColour || wanted == codes[static_cast<std::size_t>(c)]) {
                accepts[static_cast<std::size_t>(c)] |= std::uint32_t{1} << offset;
            }
        }
    }
    const std::uint32_t alive = (std::uint32_t{1} << (chain.span - 1)) - 1;
    std::unordered_map<std::uint32_t, std::int32_t> index{{0, 0}};
    chain.masks.push_back(0);
    for (std::size_t state = 0; state < chain.masks.size(); ++state) {
        for (int c = 0; c < chain.colours; ++c) {
            const std::uint32_t grown =
                ((chain.masks[state] << 1) | 1) & accepts[static_cast<std::size_t>(c)];
            const auto [where, added] =
                index.try_emplace(grown & alive, static_cast<std::int32_t>(chain.masks.size()));
            if (added) {
                chain.masks.push_back(grown & alive);
            }
            chain.next.push_back(where->second);
            chain.completes.push_back(static_cast<std::uint8_t>((grown >> (chain.span - 1)) & 1));
        }
    }
    return chain;
}

enum class Fate { Dropped, Carried, Completed };

// One spin: every transition's mass goes where `fate` says; returns the
// mass that completed.
template <typename FateOf>
double step(const Chain& chain, std::vector<double>& from, std::vector<double>& to, FateOf fate) {
    std::fill(to.begin(), to.end(), 0.0);
    double completed = 0;
    for (std::size_t state = 0; state < from.size(); ++state) {
        if (from[state] == 0.0) {
            continue;
        }
        for (int c = 0; c < chain.colours; ++c) {
            const std::size_t edge =
                state * static_cast<std::size_t>(chain.colours) + static_cast<std::size_t>(c);
            const double mass = from[state] * chain.chance[static_cast<std::size_t>(c)];
            const auto target = static_cast<std::size_t>(chain.next[edge]);
            switch (fate(chain.masks[target], chain.completes[edge] != 0)) {
            case Fate::Completed:
                completed += mass;
                break;
            case Fate::Carried:
                to[target] += mass;
                break;
            case Fate::Dropped:
                break;
            }
        }
    }
    from.swap(to);
    return completed;
}

struct Settled {
    DecaySeries surviving;
    DecaySeries completing;
    bool settled = false;
};

// Steps with every completion taken out until the surviving mass shrinks
// by a steady factor over each span of spins. Over a span, not per spin:
// free positions split the spins into interleaved classes whose chances
// take turns, so the factor per spin can cycle with a period up to the span.
Settled settle(const Chain& chain, std::vector<double> mass, std::stop_token stop) {
    std::vector<double> spare(mass.size());
    std::vector<double> surviving{std::accumulate(mass.begin(), mass.end(), 0.0)};
    std::vector<double> completing{0.0};
    const auto stepCost = static_cast<std::int64_t>(mass.size()) * chain.colours;
    const auto period = static_cast<std::size_t>(chain.span);
    double previousRatio = -1;
    int steady = 0;
    for (std::int64_t cost = 0;; cost += stepCost) {
        const double completed = step(chain, mass, spare, [](std::uint32_t, bool completes) {
            return completes ? Fate::Completed : Fate::Carried;
        });
        const double left = std::accumulate(mass.begin(), mass.end(), 0.0);
        completing.push_back(completed);
        surviving.push_back(left);
        if (left < vanished) {
            return {{std::move(surviving), 0.0, 1}, {std::move(completing), 0.0, 1}, true};
        }
        if (surviving.size() <= 2 * period) {
            continue;
        }
        const double ratio = left / surviving[surviving.size() - 1 - period];
        const double tolerance = std::max(1e-13, 1e-9 * (1 - ratio));
        steady = std::abs(ratio - previousRatio) <= tolerance ? steady + 1 : 0;
        previousRatio = ratio;
        const bool done = steady >= chain.span;
        if (done || cost > stateStepBudget || stop.stop_requested()) {
            return {{std::move(surviving), ratio, chain.span},
                    {std::move(completing), ratio, chain.span},
                    done};
        }
    }
}

} // namespace

double DecaySeries::at(std::int64_t k) const {
    if (k < stored()) {
        return values_[static_cast<std::size_t>(k)];
    }
    // The last period repeats, shrunk by the ratio each time.
    const std::int64_t past = k - stored() + period_;
    const std::int64_t base = stored() - period_ + past % period_;
    return values_[static_cast<std::size_t>(base)] *
           std::pow(ratio_, static_cast<double>(past / period_));
}

StartLaw StartLaw::of(const Figure& figure, ZeroRule rule, std::stop_token stop) {
    StartLaw law;
    if (figure.empty()) {
        return law;
    }
    law.span_ = figure.span();
    law.startChance_ = std::pow(spinChances(rule).colour, figure.occupiedCount());
    const Chain chain = chainOf(figure, rule);

    std::vector<double> fresh(chain.masks.size());
    fresh[0] = 1.0;
    const Settled none = settle(chain, fresh, stop);
    law.survivors_ = none.surviving;

    // Condition on a start at position 0: the candidate of spin 0 must stay
    // alive through the figure's span and complete at its last spin.
    std::vector<double> spare(chain.masks.size());
    for (int spin = 0; spin + 1 < law.span_; ++spin) {
        const std::uint32_t own = std::uint32_t{1} << spin;
        step(chain, fresh, spare, [own](std::uint32_t mask, bool) {
            return (mask & own) != 0 ? Fate::Carried : Fate::Dropped;
        });
    }
    step(chain, fresh, spare,
         [](std::uint32_t, bool completes) { return completes ? Fate::Carried : Fate::Dropped; });
    const Settled started = settle(chain, fresh, stop);
    law.afterStart_ = started.surviving;
    law.nextStart_ = started.completing;
    law.settled_ = none.settled && started.settled;
    return law;
}

double StartLaw::noneIn(std::int64_t k) const {
    return k <= 0 ? 1.0 : survivors_.at(k + span_ - 1);
}

double StartLaw::startThenNone(std::int64_t k) const {
    return afterStart_.at(std::max<std::int64_t>(k, 0));
}

double StartLaw::startThenNext(std::int64_t d) const {
    return d <= 0 ? 0.0 : nextStart_.at(d);
}

std::int64_t StartLaw::distanceQuantile(double share) const {
    const double limit = share * startChance_;
    std::int64_t d = 2;
    for (; d <= afterStart_.stored(); ++d) {
        if (afterStart_.at(d - 1) < limit) {
            return d;
        }
    }
    const double ratio = afterStart_.ratio();
    if (ratio <= 0 || ratio >= 1) {
        return d;
    }
    // Whole periods first, then spin by spin.
    const double periods = std::log(limit / afterStart_.at(d - 1)) / std::log(ratio);
    d += static_cast<std::int64_t>(std::max(periods - 1, 0.0)) * span_;
    while (afterStart_.at(d - 1) >= limit) {
        ++d;
    }
    return d;
}

} // namespace sorvik1
