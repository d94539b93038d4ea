#pragma once

#include <exception>

// The first phase of an action that allocates by the spin count: it only
// makes what the action needs and changes nothing. A failure that unwinds
// through this phase sets the flag, so that the window keeps its state
// instead of starting afresh.
class ReservingPhase {
  public:
    explicit ReservingPhase(bool& failedUnchanged)
        : failedUnchanged_(failedUnchanged), exceptions_(std::uncaught_exceptions()) {}
    ReservingPhase(const ReservingPhase&) = delete;
    ReservingPhase& operator=(const ReservingPhase&) = delete;
    ~ReservingPhase() {
        if (!committed_ && std::uncaught_exceptions() > exceptions_) {
            failedUnchanged_ = true;
        }
    }
    // Everything is made; from here on the action changes the state.
    void commit() { committed_ = true; }

  private:
    bool& failedUnchanged_;
    int exceptions_;
    bool committed_ = false;
};
