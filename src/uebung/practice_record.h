#pragma once

#include "core/trainer/practice.h"
#include "core/wheel/colour.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One spin of a stored practice: its number and the call made after it.
struct SpinRecord {
    int number = 0;
    sorvik1::Farbcode call = sorvik1::noColour;
    std::optional<std::int64_t> reactionMs; // only with a call
};

// A practice as the history keeps it.
struct PracticeRecord {
    std::int64_t id = 0; // given by the store
    QDateTime started;
    QString figure; // as text, "rr.s"
    QString tempo;  // as the window names it
    bool fromPermanence = false;
    std::int64_t signalCount = 0;
    std::int64_t hits = 0;
    std::int64_t wrongColour = 0;
    std::int64_t missed = 0;
    std::int64_t falseCalls = 0;
    std::optional<std::int64_t> medianReactionMs;
    double units = 0;
    double perfectUnits = 0;
    std::int64_t spinCount = 0;
    std::vector<SpinRecord> spins; // filled when the practice is stored, not when listed

    double hitRate() const {
        return signalCount > 0 ? static_cast<double>(hits) / static_cast<double>(signalCount) : 0.0;
    }
};

// The record of a finished practice from its score and its spins.
PracticeRecord recordOf(const sorvik1::PracticeScore& score, const std::vector<SpinRecord>& spins);
