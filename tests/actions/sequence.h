#pragma once

#include "action.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class PermanenceFolder;

// The actions of one sequence run on a fresh window, and the first rules
// found broken, after the action at `failedAt`.
struct SequenceResult {
    std::uint64_t seed = 0;
    std::vector<Action> actions;
    std::optional<int> failedAt;
    QStringList broken;
};

// Lines for a replay log; none when nobody listens.
using Log = std::function<void(const QString&)>;

// The actions of the sequences that the tests and the fuzz tool run.
inline constexpr int actionsPerSequence = 60;

// Generates and performs up to `length` actions from the seed on a fresh
// window, checking every rule after each; stops at the first broken rule.
SequenceResult runSequence(std::uint64_t seed, int length, const PermanenceFolder& folder,
                           const Log& log = {});

// Performs the given actions on a fresh window made with the seed, skipping
// those the user could not take at that point; stops at the first broken rule.
SequenceResult replay(std::uint64_t seed, const std::vector<Action>& actions,
                      const PermanenceFolder& folder, const Log& log = {});

// A failing sequence cut to its shortest failing prefix, replayed on a fresh
// window, then with every action left out that the failure does not need.
SequenceResult shrink(const SequenceResult& failed, const PermanenceFolder& folder);

// The failure as text: the seed, the shrunk actions, the broken rules, and
// how to replay it.
QString report(const SequenceResult& failed, const SequenceResult& shrunk);
