#include "core/strategy/strategy_law.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace sorvik1 {

ChanceInterval wilsonInterval(std::int64_t hits, std::int64_t trials) {
    if (trials <= 0) {
        return {std::nan(""), 0.0, 1.0};
    }
    constexpr double z = 1.959963984540054; // the normal 97.5 % quantile
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(hits) / n;
    const double denominator = 1 + z * z / n;
    const double centre = (p + z * z / (2 * n)) / denominator;
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / denominator;
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

namespace {

// The chances of one bet: the bet colour, the other colour, the zero.
constexpr double colourChance = 18.0 / 37.0;
constexpr double zeroChance = 1.0 / 37.0;
constexpr HalfUnits unlimited = std::numeric_limits<HalfUnits>::max() / 4;

// Mass per (capital, plan state) over the capitals lo .. hi.
struct Layer {
    HalfUnits lo = 0;
    HalfUnits hi = -1;
    int planStates = 1;
    std::vector<double> mass;

    double& at(HalfUnits capital, int state) {
        return mass[static_cast<std::size_t>((capital - lo) * planStates + state)];
    }
    std::int64_t size() const { return (hi - lo + 1) * planStates; }
};

class Programme {
  public:
    Programme(const StrategySettings& s, std::int64_t bets)
        : plan_(s), planStates_(plan_.reachableStates(bets)), base_(2 * s.base),
          limit_(s.maximum ? 2 * *s.maximum : unlimited), minimum_(2 * s.tableMinimum()),
          start_(2 * s.capital), target_(s.target ? 2 * (s.capital + *s.target) : unlimited),
          halfOnZero_(s.zero == ZeroPayout::Halved) {
        for (int q = 0; q < planStates_; ++q) {
            largestStake_ = std::max(largestStake_, wanted(q));
        }
        largestStake_ = std::min(largestStake_, limit_);
    }

    std::optional<ExactLaw> run(std::int64_t bets, const ExactLawBudget& budget) {
        if (planStates_ > budget.states) {
            return std::nullopt;
        }
        Layer layer{start_, start_, planStates_, std::vector<double>(planStates_)};
        layer.at(start_, StakePlan::startState) = 1.0;
        for (std::int64_t bet = 0; bet < bets && layer.hi >= layer.lo; ++bet) {
            law_.stateSteps += layer.size();
            const HalfUnits reach = std::min(largestStake_, layer.hi);
            Layer next{std::max<HalfUnits>(layer.lo - reach, 0), layer.hi + reach, planStates_, {}};
            if (next.size() > budget.states || law_.stateSteps > budget.stateSteps) {
                return std::nullopt;
            }
            next.mass.assign(static_cast<std::size_t>(next.size()), 0.0);
            step(layer, next);
            layer = trimmed(std::move(next));
            law_.states = std::max(law_.states, layer.size());
        }
        for (HalfUnits c = layer.lo; c <= layer.hi; ++c) {
            for (int q = 0; q < planStates_; ++q) {
                addEnd(c, layer.at(c, q));
            }
        }
        for (const auto& [capital, chance] : ends_) {
            law_.finalCapital.push_back({capital, chance});
            law_.mass += chance;
            law_.meanNet += chance * inUnits(capital - start_);
        }
        return law_;
    }

  private:
    void step(Layer& layer, Layer& next) {
        for (HalfUnits c = layer.lo; c <= layer.hi; ++c) {
            for (int q = 0; q < planStates_; ++q) {
                const double m = layer.at(c, q);
                if (m == 0) {
                    continue;
                }
                const HalfUnits stake = std::min({wanted(q), limit_, c & ~HalfUnits{1}});
                const int won = plan_.next(q, true);
                const int lost = plan_.next(q, false);
                deliver(next, c + stake, won, m * colourChance);
                if (halfOnZero_) {
                    deliver(next, c - stake, lost, m * colourChance);
                    deliver(next, c - stake / 2, lost, m * zeroChance);
                } else {
                    deliver(next, c - stake, lost, m * (colourChance + zeroChance));
                }
            }
        }
    }

    HalfUnits wanted(int state) const {
        const std::int64_t nominal = plan_.nominal(state);
        return nominal > unlimited / base_ ? unlimited : nominal * base_;
    }

    void deliver(Layer& next, HalfUnits capital, int state, double mass) {
        if (capital < minimum_) {
            law_.ruin += mass;
            addEnd(capital, mass);
        } else if (capital >= target_) {
            law_.target += mass;
            addEnd(capital, mass);
        } else {
            next.at(capital, state) += mass;
        }
    }

    void addEnd(HalfUnits capital, double mass) {
        if (mass != 0) {
            ends_[capital] += mass;
        }
    }

    // The same layer without the capitals no mass reached.
    Layer trimmed(Layer&& layer) const {
        HalfUnits lo = layer.lo;
        HalfUnits hi = layer.hi;
        const auto empty = [&](HalfUnits c) {
            for (int q = 0; q < planStates_; ++q) {
                if (layer.at(c, q) != 0) {
                    return false;
                }
            }
            return true;
        };
        while (lo <= hi && empty(lo)) {
            ++lo;
        }
        while (hi >= lo && empty(hi)) {
            --hi;
        }
        if (lo == layer.lo && hi == layer.hi) {
            return std::move(layer);
        }
        Layer kept{lo, hi, planStates_, {}};
        if (hi >= lo) {
            const auto first = layer.mass.begin() + (lo - layer.lo) * planStates_;
            kept.mass.assign(first, first + kept.size());
        }
        return kept;
    }

    StakePlan plan_;
    int planStates_;
    HalfUnits base_;
    HalfUnits limit_;
    HalfUnits minimum_;
    HalfUnits start_;
    HalfUnits target_;
    bool halfOnZero_;
    HalfUnits largestStake_ = 0;
    std::map<HalfUnits, double> ends_; // chance by final capital
    ExactLaw law_;
};

} // namespace

std::optional<ExactLaw> exactLaw(const StrategySettings& settings, std::int64_t bets,
                                 const ExactLawBudget& budget) {
    return Programme(settings, bets).run(bets, budget);
}

} // namespace sorvik1
