#pragma once

#include "strategie/strategy_trial.h"

#include <QString>

// The strategy test's German texts that more than one part of the window
// shows.
namespace strategytext {

// An amount in units, halves included: "1.234", "-12,5".
QString amount(double units);
// The chance of ruin or of the target as chance alone gives it, saying how
// it was found: exact, or simulated with its interval, sessions and seed.
QString ruin(const sorvik1::StrategyTrialResult& result, std::uint64_t seed);
QString target(const sorvik1::StrategyTrialResult& result, std::uint64_t seed);
// The mean net result chance alone gives, with its method.
QString meanNet(const sorvik1::StrategyTrialResult& result, std::uint64_t seed);
// What the sessions played showed: ruined and at the target, of how many.
QString observed(const sorvik1::StrategyTrialResult& result, bool withTarget);
// The closing sentence: what a plan can and cannot change.
QString houseShare(sorvik1::ZeroPayout zero);

} // namespace strategytext
