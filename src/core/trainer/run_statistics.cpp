#include "core/trainer/run_statistics.h"

#include "core/scan/occurrence_scan.h"

#include <algorithm>

namespace sorvik1 {

std::int64_t coveredSpins(const Figure& figure, std::int64_t shown, std::int64_t runSpins) {
    if (figure.empty() || shown <= 0) {
        return 0;
    }
    return std::max<std::int64_t>(0, std::min(shown + figure.span() - 1, runSpins));
}

RunStatistics runStatistics(const Figure& figure, const RunCount& count) {
    RunStatistics statistics;
    statistics.coveredSpins = coveredSpins(figure, count.shown, count.runSpins);
    statistics.moments = countMoments(figure, statistics.coveredSpins, ZeroRule::Breaks);
    statistics.zScore = zScore(static_cast<double>(count.occurrences), statistics.moments);
    if (count.occurrences >= 2) {
        ScanResult listed;
        listed.occurrences = count.occurrences;
        listed.firstPosition = count.firstStart;
        listed.lastPosition = count.lastStart;
        statistics.observedDistance = listed.meanDistance();
    }
    return statistics;
}

} // namespace sorvik1
