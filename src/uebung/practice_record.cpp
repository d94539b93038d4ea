#include "uebung/practice_record.h"

PracticeRecord recordOf(const sorvik1::PracticeScore& score, const std::vector<SpinRecord>& spins) {
    PracticeRecord record;
    record.signalCount = score.signalCount;
    record.hits = score.hits;
    record.wrongColour = score.wrongColour;
    record.missed = score.missed;
    record.falseCalls = score.falseCalls;
    record.medianReactionMs = score.medianReactionMs();
    record.units = score.units;
    record.perfectUnits = score.perfectUnits;
    record.spinCount = static_cast<std::int64_t>(spins.size());
    record.spins = spins;
    return record;
}
