#pragma once

#include <cstdint>

struct Action;

// Keeps the running sequence's seed and action at hand, so that a crash that
// ends the process still names them on the error output.
void installCrashNote();
void noteSequence(std::uint64_t seed);
void noteAction(int step, const Action& action);
