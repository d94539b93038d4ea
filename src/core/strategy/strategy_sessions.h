#pragma once

#include "core/scan/simulation.h"
#include "core/strategy/strategy_law.h"
#include "core/strategy/strategy_run.h"
#include "core/wheel/figure.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

namespace sorvik1 {

// How long a random session lasts: so many spins, or so many bets.
struct SessionLength {
    std::int64_t count = 0;
    bool inBets = false;
};

// A session over simulated spins, until they run out or, with `bets`,
// until so many bets are placed.
SessionResult playSimulated(const Figure& figure, const StrategySettings& settings,
                            SimulatedSpins& spins, std::optional<std::int64_t> bets,
                            bool keepJournal);

// Random session `index` of `seed`: its spins come from a stream of their
// own, so it is the same whichever thread plays it and however many
// sessions are played.
SessionResult playRandomSession(const Figure& figure, const StrategySettings& settings,
                                std::uint64_t seed, std::int64_t index, const SessionLength& length,
                                bool keepJournal);

// Sessions 0 .. count - 1 of `seed`, session i lasting lengths[i % size],
// over `threads` threads. A stop request ends the sessions not yet played
// (their end says "Abgebrochen", with nothing read); `done` counts the
// sessions played, for progress.
std::vector<SessionResult>
playRandomSessions(const Figure& figure, const StrategySettings& settings, std::uint64_t seed,
                   std::int64_t count, std::span<const SessionLength> lengths, int threads,
                   std::stop_token stop = {}, std::atomic<std::int64_t>* done = nullptr);

// What a set of sessions says of chance: how many were ruined and how many
// reached the target, with Wilson intervals, and the mean net result.
struct SessionsLaw {
    std::int64_t sessions = 0;
    std::int64_t ruined = 0;
    std::int64_t targetReached = 0;
    ChanceInterval ruin;
    ChanceInterval target;
    double meanNet = 0; // units
};

SessionsLaw sessionsLaw(std::span<const SessionResult> sessions);

// The fewest random sessions that stand for chance where no exact law is.
inline constexpr std::int64_t lawSessions = 10'000;

} // namespace sorvik1
