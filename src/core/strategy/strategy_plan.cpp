#include "core/strategy/strategy_plan.h"

#include <algorithm>

namespace sorvik1 {

namespace {

std::string amountRefusal(const char* what, std::int64_t value) {
    if (value < 1 || value > maxStrategyAmount) {
        return std::string(what) + " muss eine ganze Zahl von 1 bis " +
               std::to_string(maxStrategyAmount) + " sein, nicht " + std::to_string(value) + ".";
    }
    return {};
}

// 2^k; far beyond any capital for k past 60, where it stops growing.
std::int64_t doubled(int k) {
    return std::int64_t{1} << std::min(k, 60);
}

} // namespace

std::string strategyRefusal(const StrategySettings& s) {
    std::string refusal = amountRefusal("Der Grundeinsatz", s.base);
    if (refusal.empty()) {
        refusal = amountRefusal("Das Minimum", s.tableMinimum());
    }
    if (refusal.empty() && s.maximum) {
        refusal = amountRefusal("Das Maximum", *s.maximum);
    }
    if (refusal.empty()) {
        refusal = amountRefusal("Das Kapital", s.capital);
    }
    if (refusal.empty() && s.target) {
        refusal = amountRefusal("Das Ziel", *s.target);
    }
    if (!refusal.empty()) {
        return refusal;
    }
    if (s.maximum && *s.maximum < s.tableMinimum()) {
        return "Das Maximum liegt unter dem Minimum.";
    }
    if (s.base < s.tableMinimum()) {
        return "Der Grundeinsatz liegt unter dem Minimum.";
    }
    if (s.capital < s.tableMinimum()) {
        return "Das Kapital liegt unter dem Minimum.";
    }
    if (s.plan == StakePlanKind::Paroli &&
        (s.paroliStages < 1 || s.paroliStages > maxParoliStages)) {
        return "Paroli braucht 1 bis " + std::to_string(maxParoliStages) + " Stufen.";
    }
    if (s.plan == StakePlanKind::Reihe) {
        if (s.series.empty() || s.series.size() > maxOwnSeries) {
            return "Die eigene Reihe braucht 1 bis " + std::to_string(maxOwnSeries) + " Einsätze.";
        }
        for (const std::int64_t entry : s.series) {
            if (entry < 1 || entry > maxStrategyAmount) {
                return "Jeder Einsatz der eigenen Reihe muss eine ganze Zahl von 1 bis " +
                       std::to_string(maxStrategyAmount) + " sein.";
            }
        }
    }
    return {};
}

StakePlan::StakePlan(const StrategySettings& settings)
    : kind_(settings.plan), series_(settings.series), paroliStages_(settings.paroliStages),
      martingaleCap_(60) {
    // Once the doubled stake reaches the maximum, more losses in a row change
    // nothing but the count, so those states are one.
    if (settings.maximum) {
        martingaleCap_ = 0;
        while (doubled(martingaleCap_) * settings.base < *settings.maximum) {
            ++martingaleCap_;
        }
    }
}

int StakePlan::reachableStates(std::int64_t bets) const {
    const auto upTo = [&](std::int64_t most) {
        return static_cast<int>(std::min<std::int64_t>(most, bets + 1));
    };
    switch (kind_) {
    case StakePlanKind::Masse:
        return 1;
    case StakePlanKind::Martingale:
        return upTo(martingaleCap_ + 1);
    case StakePlanKind::DAlembert:
        return upTo(std::int64_t{1} << 30);
    case StakePlanKind::Paroli:
        return upTo(paroliStages_);
    case StakePlanKind::Reihe:
        return upTo(static_cast<std::int64_t>(series_.size()));
    }
    return 1;
}

} // namespace sorvik1
