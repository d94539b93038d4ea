#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorvik1 {

// Amounts of the strategy test count half units, so that "Teilung bei Null"
// (half the stake back on a zero) stays exact.
using HalfUnits = std::int64_t;

inline double inUnits(HalfUnits amount) {
    return static_cast<double>(amount) / 2.0;
}

enum class StakePlanKind { Masse, Martingale, DAlembert, Paroli, Reihe };

// What a zero does to a bet: it loses the whole stake ("Null verliert") or
// half of it ("Teilung bei Null").
enum class ZeroPayout { Loses, Halved };

// Largest amount a user may give for a stake, the capital or a limit.
inline constexpr std::int64_t maxStrategyAmount = 1'000'000'000;
inline constexpr std::size_t maxOwnSeries = 100;
inline constexpr int maxParoliStages = 30;

// A stake plan with its table and capital, all amounts in whole units.
struct StrategySettings {
    StakePlanKind plan = StakePlanKind::Masse;
    std::int64_t base = 1;
    std::vector<std::int64_t> series; // "Eigene Reihe": multiples of the base
    int paroliStages = 3;
    std::int64_t capital = 0;
    std::optional<std::int64_t> minimum; // the base when not given
    std::optional<std::int64_t> maximum;
    std::optional<std::int64_t> target; // a net win that ends the session
    bool against = false;               // bet the colour the figure does not call
    ZeroPayout zero = ZeroPayout::Loses;

    std::int64_t tableMinimum() const { return minimum.value_or(base); }
};

// Why the settings cannot be played, in German; empty when they can.
std::string strategyRefusal(const StrategySettings& settings);

// The nominal stake of a plan, in multiples of the base, as a state machine:
// the state after a bet depends only on the state before and whether the
// bet won. A bet that lost anything (a zero too) counts as lost. The plan
// moves on its nominal stake even when the table or the capital cut the
// stake placed.
class StakePlan {
  public:
    explicit StakePlan(const StrategySettings& settings);

    static constexpr int startState = 0;
    std::int64_t nominal(int state) const {
        switch (kind_) {
        case StakePlanKind::Masse:
            return 1;
        case StakePlanKind::Martingale:
        case StakePlanKind::Paroli:
            return std::int64_t{1} << std::min(state, 60);
        case StakePlanKind::DAlembert:
            return state + 1;
        case StakePlanKind::Reihe:
            return series_[static_cast<std::size_t>(state)];
        }
        return 1;
    }

    int next(int state, bool won) const {
        switch (kind_) {
        case StakePlanKind::Masse:
            return 0;
        case StakePlanKind::Martingale:
            return won ? 0 : std::min(state + 1, martingaleCap_);
        case StakePlanKind::DAlembert:
            return won ? std::max(state - 1, 0) : state + 1;
        case StakePlanKind::Paroli:
            return won && state + 1 < paroliStages_ ? state + 1 : 0;
        case StakePlanKind::Reihe:
            return won ? 0 : (state + 1) % static_cast<int>(series_.size());
        }
        return 0;
    }

    // How many states can occur within `bets` bets.
    int reachableStates(std::int64_t bets) const;

  private:
    StakePlanKind kind_;
    std::vector<std::int64_t> series_;
    int paroliStages_;
    int martingaleCap_; // losses in a row beyond which the stake no longer grows
};

} // namespace sorvik1
