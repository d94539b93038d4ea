#pragma once

#include "core/laws/statistics.h"
#include "core/wheel/chance.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

namespace sorvik1 {

// One figure over many permanence files. Each file is its own sequence of
// spins: an occurrence never runs from the end of one file into the next,
// and expectation, variance and absence are worked out per file. The files
// are independent, so the totals add expectations and variances exactly.

// What one file gave. Positions are the spins that count: all of them, or
// the non-zero ones when zeros are skipped.
struct FileEvaluation {
    std::string path;
    std::vector<std::string> header; // casino, table, date, as UTF-8
    std::int64_t spins = 0;
    std::int64_t positions = 0;
    std::int64_t found = 0;
    CountMoments moments;
    double z = 0; // NaN when the count cannot vary
    // The longest stretch of counted positions without a start.
    std::int64_t longestAbsence = 0;
};

// A file that was not evaluated, with the German reason.
struct FileRefusal {
    std::string path;
    std::string reason;
};

// All evaluated files together.
struct EvaluationTotal {
    std::int64_t files = 0;
    std::int64_t spins = 0;
    std::int64_t positions = 0;
    std::int64_t found = 0;
    double expected = 0;
    double variance = 0;
    double standardDeviation = 0;
    double z = 0; // NaN when the count cannot vary
    // The longest absence within any one file.
    std::int64_t longestAbsence = 0;
};

struct Evaluation {
    std::vector<FileEvaluation> files; // in the order the paths were given
    std::vector<FileRefusal> refused;  // likewise
    EvaluationTotal total;
    bool cancelled = false; // then files and total hold only what was finished
};

// Progress after each file; called from the workers, one call at a time.
struct EvaluationProgress {
    std::int64_t filesDone = 0;
    std::int64_t filesTotal = 0;
    std::int64_t spinsDone = 0;
    // The file just done, its place among the paths, and what it gave:
    // its figures or the reason it was refused (valid during the call only).
    std::size_t index = 0;
    const FileEvaluation* file = nullptr;
    const std::string* refusal = nullptr;
};
using ProgressCallback = std::function<void(const EvaluationProgress&)>;

// The figure over the spins of one parsed file (roulette numbers in order).
// The figure's red and black stand for the two sides of `chance`.
FileEvaluation evaluateSpins(const std::vector<double>& spins, const Figure& figure, ZeroRule rule,
                             Chance chance = Chance::RotSchwarz);

EvaluationTotal totalOf(const std::vector<FileEvaluation>& files);

// Reads, parses and evaluates every file, `threads` at a time (0: one per
// core). Each worker holds one file at a time and keeps only its figures.
// A stop request ends the work after the files being read.
Evaluation evaluateFiles(const std::vector<std::string>& paths, const Figure& figure, ZeroRule rule,
                         std::stop_token stop, const ProgressCallback& progress, int threads = 0,
                         Chance chance = Chance::RotSchwarz);

} // namespace sorvik1
