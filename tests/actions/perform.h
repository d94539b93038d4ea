#pragma once

class Session;
struct Action;

// Carries the action out on the session's window with mouse clicks and key
// presses, as the user does, answering its message boxes from the action.
// Control returns to the event loop before and after, so queued view updates
// happen between two actions as they do between two clicks.
void perform(Session& session, const Action& action);
