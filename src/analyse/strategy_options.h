#pragma once

#include "core/strategy/strategy_plan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorvik1::analyse {

struct Options;

// What the command line asked of the strategy test (--strategie).
struct StrategyOptions {
    bool active = false;    // --strategie given
    std::string firstGiven; // the first strategy option, for complaints without --strategie
    StrategySettings settings;
    bool seriesGiven = false;
    bool stagesGiven = false;
    std::optional<std::int64_t> sessions; // --sitzungen
    std::optional<std::int64_t> bets;     // --wetten: per session, instead of --spins
};

inline constexpr std::int64_t maxStrategySessions = 1'000'000;

bool isStrategyFlag(std::string_view name);   // --gegen, --teilung
bool isStrategyValued(std::string_view name); // takes a value

// Reads one strategy option; returns why its value is refused, in German,
// or nothing.
std::string readStrategyOption(StrategyOptions& strategy, std::string_view name,
                               std::string_view value);

// Whether the strategy options fit together and with the rest of the
// command line; the German complaint, or nothing.
std::string strategyCombinationError(const Options& options);

} // namespace sorvik1::analyse
