#include "analyse/analysis.h"

#include "core/intake/permanence_intake.h"
#include "core/intake/permanence_refusal.h"
#include "core/scan/simulation.h"
#include "core/text/text_encoding.h"
#include "core/wheel/limits.h"
#include "core/wheel/random.h"
#include "core/wheel/spin_source.h"

#include <algorithm>
#include <thread>

namespace sorvik1::analyse {

namespace {

void addStatistics(SourceReport& report, const Options& options) {
    report.moments = countMoments(options.figure, report.scan.positions, options.rule);
    const StartLaw law = StartLaw::of(options.figure, options.rule);
    report.first = law.firstOccurrence(report.scan.positions);
    const std::int64_t positions = report.scan.positions;
    const Stretch stretch{positions,
                          std::max<std::int64_t>(0, positions - options.figure.span() + 1)};
    report.longest = report.scan.longestAbsence();
    if (law.settled()) {
        report.expectedLongest = expectedLongest(law, stretch);
        report.longestChance = longestAtLeast(law, stretch, report.longest.length);
    }
    // The listed starts are spin numbers, which are positions only when
    // every spin counts.
    if (options.gaps && law.settled()) {
        report.gaps = gapHistogram(
            law, options.rule == ZeroRule::Breaks ? report.scan.starts : report.scan.startPositions,
            stretch.startable);
    }
    report.scan.startPositions = {};
    if (!options.list) {
        report.scan.starts = {};
    }
}

} // namespace

SourceReport analyseSimulation(const Options& options) {
    SourceReport report;
    report.name = "Simulation";
    report.seed = options.seed ? *options.seed : seedFromClock();
    const int threads =
        options.threads
            ? *options.threads
            : std::min(static_cast<int>(std::thread::hardware_concurrency()), maxThreads);
    report.threads = simulationThreads(*options.spins, threads);
    report.scan = simulate(options.figure, *options.spins, *report.seed, report.threads,
                           options.rule, options.list || options.gaps);
    addStatistics(report, options);
    return report;
}

FileOutcome analyseFile(const std::string& path, const Options& options) {
    FileOutcome outcome;
    const PermanenceIntake intake = intakePermanence(path);
    const Permanence& permanence = intake.permanence;
    outcome.error = intake.failure.refusal != IntakeRefusal::None
                        ? intakeRefusalText(intake.failure)
                        : permanenceRefusal(permanence);
    if (!outcome.error.empty()) {
        return outcome;
    }
    // Laid out as the trainer keeps an imported run: spin w at index w.
    std::vector<double> permanenz(permanence.spins.size() + 1 + maxFigureSpan, 0.0);
    std::copy(permanence.spins.begin(), permanence.spins.end(), permanenz.begin() + 1);
    const auto source = SpinSource::imported(sideTable(options.chance), permanenz);

    SourceReport report;
    report.name = path;
    for (std::size_t i = 0; i < std::min<std::size_t>(3, permanence.header.size()); ++i) {
        report.header.push_back(fileTextToUtf8(permanence.header[i]));
    }
    report.scan =
        scanSpinSource(options.figure, source, static_cast<std::int64_t>(permanence.spins.size()),
                       options.rule, options.list || options.gaps);
    addStatistics(report, options);
    outcome.report = std::move(report);
    return outcome;
}

} // namespace sorvik1::analyse
