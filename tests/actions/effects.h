#pragma once

#include "snapshot.h"

#include <array>
#include <cstddef>
#include <cstdint>

class Session;
struct Action;
struct PermanenceFile;

// What the driver notes of the window just before an action, to judge the
// action's own effect afterwards.
struct Before {
    Snapshot snapshot;
    std::size_t boxes = 0;
    int setups = 0;
    int pages = 0;
    // The figure grid's selection end and every cell colour.
    int selRow = 0;
    int selCol = 0;
    std::array<std::array<std::uint32_t, 3>, 21> cells{};
    double wurf = 0;
    int listed = 0;
    // The file chosen in the import frame; none without one.
    const PermanenceFile* chosen = nullptr;
};

Before observe(Session& session);

// Updates what the session remembers across actions (the activated figure,
// the loaded file, the uncovered middle) from what the action did.
void remember(Session& session, const Before& before);

// The action's own effect, judged against the state before it: what it must
// have changed and what it must have left alone. The broken rules.
QStringList brokenEffects(Session& session, const Action& action, const Before& before);
