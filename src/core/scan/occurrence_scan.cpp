#include "core/scan/occurrence_scan.h"

#include <algorithm>

namespace sorvik1 {

void ScanResult::append(ScanResult&& later) {
    if (later.occurrences > 0) {
        const auto shifted = [this](Absence absence) {
            return Absence{absence.length, positions + absence.firstPosition};
        };
        if (later.longestBetween.length > longestBetween.length) {
            longestBetween = shifted(later.longestBetween);
        }
        if (occurrences > 0) {
            const Absence across{positions + later.firstPosition - lastPosition - 1,
                                 lastPosition + 1};
            if (across.length > longestBetween.length ||
                (across.length == longestBetween.length &&
                 across.firstPosition < longestBetween.firstPosition)) {
                longestBetween = across;
            }
        }
        if (firstPosition < 0) {
            firstPosition = positions + later.firstPosition;
        }
        lastPosition = positions + later.lastPosition;
    }
    for (const std::int64_t position : later.startPositions) {
        startPositions.push_back(positions + position);
    }
    spins += later.spins;
    positions += later.positions;
    occurrences += later.occurrences;
    starts.insert(starts.end(), later.starts.begin(), later.starts.end());
}

Absence ScanResult::longestAbsence() const {
    if (occurrences == 0) {
        return {positions, 0};
    }
    Absence longest{firstPosition, 0};
    if (longestBetween.length > longest.length) {
        longest = longestBetween;
    }
    const Absence after{positions - lastPosition - 1, lastPosition + 1};
    return after.length > longest.length ? after : longest;
}

double ScanResult::meanDistance() const {
    if (occurrences < 2) {
        return 0.0;
    }
    return static_cast<double>(lastPosition - firstPosition) / static_cast<double>(occurrences - 1);
}

ScanResult scanSpinSource(const Figure& figure, const SpinSource& source, std::int64_t spins,
                          ZeroRule rule, bool listStarts) {
    SourceWords words(source, 1, spins);
    return OccurrenceScan<SourceWords>(figure, rule, listStarts)
        .run(words, std::max<std::int64_t>(spins, 0), 1);
}

} // namespace sorvik1
