#pragma once

#include "analyse/options.h"
#include "core/strategy/strategy_law.h"
#include "core/strategy/strategy_run.h"
#include "core/strategy/strategy_sessions.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sorvik1::analyse {

// What the strategy test found, with what it was asked.
struct StrategyReport {
    std::string figure; // in the letters of `chance`
    Chance chance = Chance::RotSchwarz;
    StrategySettings settings;
    std::vector<std::string> sources; // per session: the file's path, or empty
    std::vector<SessionResult> sessions;
    std::vector<CapitalCurve> curves;    // per file
    std::optional<SessionLength> length; // of random sessions
    std::optional<std::uint64_t> seed;
    SessionsLaw observed; // over the sessions played
    // Chance alone, for the same plan and sessions of the same length:
    // exact where the dynamic programme fits its budget, otherwise from
    // at least lawSessions seeded random sessions.
    std::optional<ExactLaw> exact;
    std::optional<SessionsLaw> simulated;
};

// Runs the strategy test that --strategie asks for; returns the exit status.
int runStrategy(const Options& options, std::ostream& out, std::ostream& err);

// An amount in half units as units: "12", "-3.5".
std::string amountText(HalfUnits amount);
const char* planName(StakePlanKind plan);

void writeStrategyText(std::ostream& out, const StrategyReport& report);
// One row per session, then a total row (RFC 4180).
void writeStrategyCsv(std::ostream& out, const StrategyReport& report);
void writeStrategyJson(std::ostream& out, const StrategyReport& report);

} // namespace sorvik1::analyse
