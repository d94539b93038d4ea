#pragma once

#include "core/strategy/strategy_plan.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sorvik1 {

// A chance estimated from `hits` of `trials` independent sessions, with its
// Wilson 95 % interval.
struct ChanceInterval {
    double estimate = 0;
    double low = 0;
    double high = 0;
};

ChanceInterval wilsonInterval(std::int64_t hits, std::int64_t trials);

// Bounds on the work of the exact law.
struct ExactLawBudget {
    std::int64_t states = 10'000'000;
    std::int64_t stateSteps = 1'000'000'000;
};

struct FinalCapital {
    HalfUnits capital = 0;
    double chance = 0;
};

// The exact law of a session of at most `bets` bets that ends earlier on
// ruin or the target. Every bet is decided by a spin independent of all
// before it, so neither the figure nor the spins between bets matter.
struct ExactLaw {
    double ruin = 0;
    double target = 0;
    double meanNet = 0;                     // units
    std::vector<FinalCapital> finalCapital; // every end, ascending capital
    double mass = 0;                        // of all ends together: 1 up to rounding
    std::int64_t states = 0;                // the most held at one bet
    std::int64_t stateSteps = 0;
};

// A dynamic programme over (capital, plan state), bet by bet; nothing when
// it would pass the budget.
std::optional<ExactLaw> exactLaw(const StrategySettings& settings, std::int64_t bets,
                                 const ExactLawBudget& budget = {});

} // namespace sorvik1
