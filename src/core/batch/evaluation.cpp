#include "core/batch/evaluation.h"

#include "core/intake/permanence.h"
#include "core/intake/permanence_intake.h"
#include "core/intake/permanence_refusal.h"
#include "core/scan/occurrence_scan.h"
#include "core/scan/spin_word.h"
#include "core/system/parallel_parts.h"
#include "core/text/text_encoding.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>
#include <variant>

namespace sorvik1 {

namespace {

constexpr std::size_t headerLines = 3;

using Outcome = std::variant<std::monostate, FileEvaluation, std::string>;

Outcome evaluatePath(const std::string& path, const Figure& figure, ZeroRule rule, Chance chance) {
    // The same intake as the trainer's import, so a file is refused here for
    // the same reason in the same words; the bytes are gone once parsed.
    const PermanenceIntake intake = intakePermanence(path);
    if (intake.failure.refusal != IntakeRefusal::None) {
        return intakeRefusalText(intake.failure);
    }
    const Permanence& permanence = intake.permanence;
    if (std::string reason = permanenceRefusal(permanence); !reason.empty()) {
        return reason;
    }
    FileEvaluation result = evaluateSpins(permanence.spins, figure, rule, chance);
    result.path = path;
    for (std::size_t i = 0; i < std::min(headerLines, permanence.header.size()); ++i) {
        result.header.push_back(fileTextToUtf8(permanence.header[i]));
    }
    return result;
}

int workerCount(int threads, std::size_t files) {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int wanted = threads > 0 ? threads : cores;
    return static_cast<int>(
        std::min<std::size_t>(static_cast<std::size_t>(wanted), std::max<std::size_t>(files, 1)));
}

} // namespace

FileEvaluation evaluateSpins(const std::vector<double>& spins, const Figure& figure, ZeroRule rule,
                             Chance chance) {
    const auto source = SpinSource::imported(sideTable(chance), spins);
    SourceWords words(source, 0, static_cast<std::int64_t>(spins.size()) - 1);
    OccurrenceScan<SourceWords> scan(figure, rule, false);
    const ScanResult counted = scan.run(words, static_cast<std::int64_t>(spins.size()), 1);
    FileEvaluation result;
    result.spins = counted.spins;
    result.positions = counted.positions;
    result.found = counted.occurrences;
    result.moments = countMoments(figure, counted.positions, rule);
    result.z = zScore(static_cast<double>(counted.occurrences), result.moments);
    result.longestAbsence = counted.longestAbsence().length;
    return result;
}

EvaluationTotal totalOf(const std::vector<FileEvaluation>& files) {
    EvaluationTotal total;
    for (const FileEvaluation& file : files) {
        ++total.files;
        total.spins += file.spins;
        total.positions += file.positions;
        total.found += file.found;
        total.expected += file.moments.expected;
        total.variance += file.moments.variance;
        total.longestAbsence = std::max(total.longestAbsence, file.longestAbsence);
    }
    total.standardDeviation = std::sqrt(total.variance);
    CountMoments moments;
    moments.expected = total.expected;
    moments.standardDeviation = total.standardDeviation;
    total.z = zScore(static_cast<double>(total.found), moments);
    return total;
}

Evaluation evaluateFiles(const std::vector<std::string>& paths, const Figure& figure, ZeroRule rule,
                         std::stop_token stop, const ProgressCallback& progress, int threads,
                         Chance chance) {
    // Only the small outcome of each file is kept, at the file's place.
    std::vector<Outcome> outcomes(paths.size());
    std::atomic<std::size_t> next{0};
    std::mutex reporting;
    EvaluationProgress done{0, static_cast<std::int64_t>(paths.size()), 0};
    const auto work = [&] {
        for (std::size_t i = next++; i < paths.size() && !stop.stop_requested(); i = next++) {
            outcomes[i] = evaluatePath(paths[i], figure, rule, chance);
            const std::lock_guard lock(reporting);
            ++done.filesDone;
            done.index = i;
            done.file = std::get_if<FileEvaluation>(&outcomes[i]);
            done.refusal = std::get_if<std::string>(&outcomes[i]);
            done.spinsDone += done.file != nullptr ? done.file->spins : 0;
            if (progress) {
                progress(done);
            }
        }
    };
    runParts(workerCount(threads, paths.size()), [&](int) { work(); });
    Evaluation evaluation;
    evaluation.cancelled = stop.stop_requested() && done.filesDone < done.filesTotal;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (auto* file = std::get_if<FileEvaluation>(&outcomes[i])) {
            evaluation.files.push_back(std::move(*file));
        } else if (const auto* reason = std::get_if<std::string>(&outcomes[i])) {
            evaluation.refused.push_back({paths[i], *reason});
        }
    }
    evaluation.total = totalOf(evaluation.files);
    return evaluation;
}

} // namespace sorvik1
