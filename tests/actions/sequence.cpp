#include "sequence.h"

#include "choice.h"
#include "crash_note.h"
#include "effects.h"
#include "generate.h"
#include "invariants.h"
#include "perform.h"
#include "session.h"

namespace {

// Performs one action and checks it; the broken rules.
QStringList step(Session& session, const Action& action, const Log& log) {
    if (log) {
        log(QStringLiteral("%1. %2").arg(session.step + 1).arg(describe(action)));
    }
    noteAction(session.step, action);
    const Before before = observe(session);
    perform(session, action);
    remember(session, before);
    QStringList broken = brokenEffects(session, action, before);
    broken += brokenInvariants(session);
    ++session.step;
    return broken;
}

// A replay of at most this many windows shrinks one failure.
constexpr int shrinkBudget = 150;

// Runs a fresh window through the actions `next` hands out, until it has
// none left or a rule breaks.
SequenceResult drive(std::uint64_t seed, const PermanenceFolder& folder, const Log& log,
                     const std::function<std::optional<Action>(Session&)>& next) {
    noteSequence(seed);
    SequenceResult result;
    result.seed = seed;
    Session session(seed, folder);
    result.broken = brokenInvariants(session);
    while (result.broken.isEmpty()) {
        const std::optional<Action> action = next(session);
        if (!action) {
            break;
        }
        result.actions.push_back(*action);
        result.broken = step(session, *action, log);
    }
    if (!result.broken.isEmpty()) {
        result.failedAt = static_cast<int>(result.actions.size()) - 1;
    }
    return result;
}

} // namespace

SequenceResult runSequence(std::uint64_t seed, int length, const PermanenceFolder& folder,
                           const Log& log) {
    Choice choice(seed);
    return drive(seed, folder, log, [&](Session& session) -> std::optional<Action> {
        return session.step < length ? nextAction(session, choice) : std::nullopt;
    });
}

SequenceResult replay(std::uint64_t seed, const std::vector<Action>& actions,
                      const PermanenceFolder& folder, const Log& log) {
    std::size_t i = 0;
    return drive(seed, folder, log, [&](Session& session) -> std::optional<Action> {
        while (i < actions.size() && !possible(session, actions[i])) {
            ++i;
        }
        return i < actions.size() ? std::optional<Action>(actions[i++]) : std::nullopt;
    });
}

SequenceResult shrink(const SequenceResult& failed, const PermanenceFolder& folder) {
    const int failing = failed.failedAt.value_or(static_cast<int>(failed.actions.size()) - 1);
    std::vector<Action> prefix(failed.actions.begin(), failed.actions.begin() + failing + 1);
    SequenceResult best = replay(failed.seed, prefix, folder);
    if (!best.failedAt) {
        // Only the whole sequence fails: keep it as it ran.
        return failed;
    }
    // Leaving out one action can make others unnecessary: repeat the passes
    // until none can go.
    int budget = shrinkBudget;
    for (bool shorter = true; shorter && budget > 0;) {
        shorter = false;
        for (std::size_t i = best.actions.size(); i-- > 0 && budget > 0; --budget) {
            std::vector<Action> fewer = best.actions;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
            SequenceResult attempt = replay(failed.seed, fewer, folder);
            if (attempt.failedAt) {
                best = std::move(attempt);
                i = std::min(i, best.actions.size());
                shorter = true;
            }
        }
    }
    return best;
}

QString report(const SequenceResult& failed, const SequenceResult& shrunk) {
    QString text =
        QStringLiteral("The action sequence with seed %1 breaks the trainer at its action %2.\n"
                       "Shrunk on fresh windows to these actions:\n")
            .arg(failed.seed)
            .arg(failed.failedAt.value_or(0) + 1);
    for (std::size_t i = 0; i < shrunk.actions.size(); ++i) {
        text += QStringLiteral("  %1. %2\n").arg(i + 1).arg(describe(shrunk.actions[i]));
    }
    text += QStringLiteral("Broken after the last action:\n");
    for (const QString& rule : shrunk.broken) {
        text += QStringLiteral("  - ") + rule + QChar('\n');
    }
    text += QStringLiteral("Replay the whole sequence, action by action, with\n"
                           "  SORVIK1_REPLAY_SEED=%1 build/test/tests/gui_tests "
                           "--gtest_filter='ActionReplay.*'\n")
                .arg(failed.seed);
    return text;
}
