#pragma once

// One strategy test as the window runs it, without the window: the sessions
// to play, what chance alone predicts for the same plan, and the progress
// while it runs. Standard library only, so a test can hold its numbers
// against the command-line tool's.

#include "core/strategy/strategy_law.h"
#include "core/strategy/strategy_run.h"
#include "core/strategy/strategy_sessions.h"
#include "core/wheel/chance.h"
#include "core/wheel/colour.h"
#include "core/wheel/figure.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace sorvik1 {

struct StrategyTrialRequest {
    enum class Source { Random, Permanence, Files };

    Figure figure;
    // The figure's red and black stand for this chance's two sides.
    Chance chance = Chance::RotSchwarz;
    StrategySettings settings;
    Source source = Source::Random;
    std::uint64_t seed = 0;
    int threads = 1;
    // Random sessions.
    std::int64_t sessions = 0;
    SessionLength length;
    // The trainer's run, copied when the test starts.
    std::vector<Farbcode> permanence;
    // Permanence files, each one session, or all of them one after another;
    // the folders are searched with their sub-folders for more.
    std::vector<std::string> files;
    std::vector<std::string> folders;
    bool filesAsOne = false;
};

// How far a running trial has come; read from any thread.
struct StrategyTrialProgress {
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
};

struct StrategyTrialResult {
    std::vector<std::string> names; // per session: a file's path, or empty
    // Sessions over files or the run keep their journal; random sessions are
    // played again when one is asked for (playRandomSession), so ten
    // thousand journals are never held.
    std::vector<SessionResult> sessions;
    std::vector<std::string> refused; // files not read, each "path: reason"
    SessionsLaw observed;
    // Chance alone for the same plan and sessions of the same length: exact
    // where the dynamic programme fits its budget, otherwise from at least
    // lawSessions seeded random sessions.
    std::optional<ExactLaw> exact;
    std::optional<SessionsLaw> simulated;
    bool cancelled = false;
};

StrategyTrialResult runStrategyTrial(const StrategyTrialRequest& request, std::stop_token stop,
                                     StrategyTrialProgress& progress);

} // namespace sorvik1
