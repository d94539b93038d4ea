#include "core/strategy/strategy_sessions.h"

#include "core/system/parallel_parts.h"
#include "core/wheel/random.h"

#include <algorithm>
#include <limits>

namespace sorvik1 {

SessionResult playSimulated(const Figure& figure, const StrategySettings& settings,
                            SimulatedSpins& spins, std::optional<std::int64_t> bets,
                            bool keepJournal) {
    StrategySession session(figure, settings, keepJournal);
    if (bets) {
        session.limitBets(*bets);
    }
    while (!spins.exhausted()) {
        const SpinWord word = spins.nextWord(64);
        if (!session.spins(word)) {
            break;
        }
    }
    session.finish(SessionEnd::SpinsOver);
    return session.take();
}

SessionResult playRandomSession(const Figure& figure, const StrategySettings& settings,
                                std::uint64_t seed, std::int64_t index, const SessionLength& length,
                                bool keepJournal) {
    // A stream far from the ones a plain simulation of the seed uses.
    const std::uint64_t sessionSeed =
        Random(seed, (std::uint64_t{1} << 63) | static_cast<std::uint64_t>(index)).next();
    // Counted in bets, the spins never run out.
    SimulatedSpins spins(sessionSeed, 0,
                         length.inBets ? std::numeric_limits<std::int64_t>::max() : length.count);
    return playSimulated(figure, settings, spins,
                         length.inBets ? std::optional(length.count) : std::nullopt, keepJournal);
}

std::vector<SessionResult>
playRandomSessions(const Figure& figure, const StrategySettings& settings, std::uint64_t seed,
                   std::int64_t count, std::span<const SessionLength> lengths, int threads,
                   std::stop_token stop, std::atomic<std::int64_t>* done) {
    std::vector<SessionResult> results(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
    if (results.empty() || lengths.empty()) {
        return results;
    }
    const std::int64_t parts = std::clamp<std::int64_t>(threads, 1, count);
    runParts(static_cast<int>(parts), [&](int part) {
        for (std::int64_t i = count * part / parts; i < count * (part + 1) / parts; ++i) {
            auto& result = results[static_cast<std::size_t>(i)];
            if (stop.stop_requested()) {
                result.end = SessionEnd::Cancelled;
                continue;
            }
            result =
                playRandomSession(figure, settings, seed, i,
                                  lengths[static_cast<std::size_t>(i) % lengths.size()], false);
            if (done) {
                done->fetch_add(1, std::memory_order_relaxed);
            }
        }
    });
    return results;
}

SessionsLaw sessionsLaw(std::span<const SessionResult> sessions) {
    SessionsLaw law;
    double net = 0;
    for (const SessionResult& s : sessions) {
        if (s.end == SessionEnd::Cancelled && s.spins == 0) {
            continue;
        }
        ++law.sessions;
        law.ruined += s.end == SessionEnd::Ruined;
        law.targetReached += s.end == SessionEnd::TargetReached;
        net += inUnits(s.net);
    }
    law.ruin = wilsonInterval(law.ruined, law.sessions);
    law.target = wilsonInterval(law.targetReached, law.sessions);
    law.meanNet = law.sessions > 0 ? net / static_cast<double>(law.sessions) : 0.0;
    return law;
}

} // namespace sorvik1
