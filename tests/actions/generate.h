#pragma once

#include "action.h"

#include <optional>

class Choice;
class Session;

// The longest run the driver runs through: long enough to scroll and to find
// many figures, short enough that a press of Durchlauf stays quick. A longer
// run, up to the largest the trainer takes, is only stepped through one spin
// at a time.
inline constexpr double longestDrivenRun = 20'000;

// Picks the next action among those the user can take on the window as it is
// now: only controls that are shown, enabled and not covered. None when the
// window is gone.
std::optional<Action> nextAction(Session& session, Choice& choice);

// Whether the user can still take the action on the window as it is now; a
// shortened replay skips those that lost their control.
bool possible(Session& session, const Action& action);
