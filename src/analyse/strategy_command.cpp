#include "analyse/strategy_report.h"

#include "analyse/terminal_text.h"
#include "core/intake/permanence_sides.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/limits.h"
#include "core/wheel/random.h"

#include <algorithm>
#include <thread>

namespace sorvik1::analyse {

namespace {

constexpr const char* program = "sorvik1-analyse";
constexpr std::int64_t curvePoints = 500;

void write(std::ostream& out, const StrategyReport& report, OutputFormat format) {
    switch (format) {
    case OutputFormat::Text:
        writeStrategyText(out, report);
        break;
    case OutputFormat::Csv:
        writeStrategyCsv(out, report);
        break;
    case OutputFormat::Json:
        writeStrategyJson(out, report);
        break;
    }
}

} // namespace

int runStrategy(const Options& options, std::ostream& out, std::ostream& err) {
    const StrategyOptions& strategy = options.strategy;
    StrategyReport report;
    report.figure = figureText(options.figure, options.chance);
    report.chance = options.chance;
    report.settings = strategy.settings;
    report.seed = options.seed ? *options.seed : seedFromClock();
    const int threads =
        options.threads
            ? *options.threads
            : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, maxThreads);
    int status = 0;
    std::vector<SessionLength> lengths;
    if (strategy.sessions) {
        const SessionLength length =
            strategy.bets ? SessionLength{*strategy.bets, true} : SessionLength{*options.spins};
        report.length = length;
        lengths.push_back(length);
        if (length.inBets) {
            report.exact = exactLaw(report.settings, length.count);
        }
        // The sessions shown are the first of those that stand for chance.
        const std::int64_t played =
            report.exact ? *strategy.sessions : std::max(*strategy.sessions, lawSessions);
        report.sessions = playRandomSessions(options.figure, report.settings, *report.seed, played,
                                             lengths, threads);
        if (!report.exact) {
            report.simulated = sessionsLaw(report.sessions);
        }
        report.sessions.resize(static_cast<std::size_t>(*strategy.sessions));
        report.sources.resize(report.sessions.size());
    }
    for (const auto& path : options.files) {
        const PermanenceSides file = readPermanenceSides(path, options.chance);
        if (!file.error.empty()) {
            err << program << ": " << terminalSafe(path) << ": " << file.error << '\n';
            status = 1;
            continue;
        }
        lengths.push_back({static_cast<std::int64_t>(file.sides.size())});
        report.sources.push_back(path);
        report.sessions.push_back(playColours(options.figure, report.settings, file.sides, true));
        report.curves.push_back(capitalCurve(report.sessions.back(), report.settings.capital,
                                             report.settings.zero, curvePoints));
        report.sessions.back().journal = {};
    }
    // Files stand beside random sessions as long as they are, each length
    // as often as the files have it.
    if (!strategy.sessions && !lengths.empty()) {
        report.simulated = sessionsLaw(playRandomSessions(
            options.figure, report.settings, *report.seed, lawSessions, lengths, threads));
    }
    report.observed = sessionsLaw(report.sessions);
    write(out, report, options.format);
    return status;
}

} // namespace sorvik1::analyse
