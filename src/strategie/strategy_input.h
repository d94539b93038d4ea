#pragma once

#include "core/strategy/strategy_plan.h"

#include <QString>

#include <variant>

// The plan's fields as the user typed them. Amounts are whole units; an
// empty minimum means the base, an empty maximum or target none.
struct StrategyFields {
    sorvik1::StakePlanKind plan = sorvik1::StakePlanKind::Masse;
    QString base;
    QString series; // "Eigene Reihe": multiples of the base, "1, 2, 4, 8"
    int paroliStages = 3;
    QString capital;
    QString minimum;
    QString maximum;
    QString target;
    bool against = false;
    sorvik1::ZeroPayout zero = sorvik1::ZeroPayout::Loses;
};

// The settings the fields give, or the German message that says why they
// cannot be played. Whole numbers may carry German thousands dots.
std::variant<sorvik1::StrategySettings, QString> readStrategyFields(const StrategyFields& fields);
