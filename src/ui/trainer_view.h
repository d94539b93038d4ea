#pragma once

#include "core/figure.h"
#include "core/run_statistics.h"

class Form1;

// The active figure and the run's count, as the trainer shows them now.
struct RunSnapshot {
    sorvik1::Figure figure; // empty while no figure is active
    sorvik1::RunCount count;

    friend bool operator==(const RunSnapshot&, const RunSnapshot&) = default;
};

// Reads the trainer's state without changing any of it; cheap enough to be
// taken several times a second.
RunSnapshot snapshotOf(const Form1& form);
