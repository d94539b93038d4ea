#pragma once

#include "analyse/options.h"
#include "core/laws/absence_law.h"
#include "core/laws/first_occurrence.h"
#include "core/laws/gap_distribution.h"
#include "core/laws/statistics.h"
#include "core/scan/occurrence_scan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorvik1::analyse {

// The figure's count in one source of spins beside what chance predicts.
// The statistics are taken over the counted spins: all spins, or the
// non-zero ones when zeros are skipped.
struct SourceReport {
    std::string name;                // "Simulation" or the file's path
    std::vector<std::string> header; // a file's first three header items, as UTF-8
    std::optional<std::uint64_t> seed;
    int threads = 0;
    ScanResult scan;
    CountMoments moments;
    FirstOccurrence first;
    // The longest stretch of counted spins without a start, and what chance
    // says of it; none where the law could not be worked out exactly.
    Absence longest;
    std::optional<ExpectedLongest> expectedLongest;
    std::optional<AbsenceChance> longestChance;
    // With --abstaende, when a zero breaks the figure.
    std::optional<GapHistogram> gaps;
};

SourceReport analyseSimulation(const Options& options);

struct FileOutcome {
    std::optional<SourceReport> report;
    std::string error; // why the file could not be used, in German
};

// Reads a permanence file through the intake the window uses and parses it
// with the trainer's rules.
FileOutcome analyseFile(const std::string& path, const Options& options);

} // namespace sorvik1::analyse
