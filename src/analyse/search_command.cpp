#include "analyse/search_report.h"

#include "analyse/terminal_text.h"
#include "core/batch/search_input.h"
#include "core/batch/simulated_windows.h"
#include "core/scan/simulation.h"
#include "core/wheel/random.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace sorvik1::analyse {

namespace {

void write(std::ostream& out, const SearchReport& report, OutputFormat format) {
    switch (format) {
    case OutputFormat::Text:
        writeSearchText(out, report);
        break;
    case OutputFormat::Csv:
        writeSearchCsv(out, report);
        break;
    case OutputFormat::Json:
        writeSearchJson(out, report);
        break;
    }
}

// How far the search has come, as one line on a terminal that is rewritten
// in place and cleared at the end; nothing when standard error is not one.
class TerminalProgress {
  public:
    TerminalProgress(std::ostream& err, bool shown) : err_(err), shown_(shown) {}
    ~TerminalProgress() {
        if (percent_ >= 0) {
            err_ << '\r' << std::string(line(100).size(), ' ') << '\r' << std::flush;
        }
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void operator()(double share) {
        const int percent = static_cast<int>(std::clamp(share, 0.0, 1.0) * 100);
        if (shown_ && percent != percent_) {
            percent_ = percent;
            err_ << '\r' << line(percent) << std::flush;
        }
    }

  private:
    static std::string line(int percent) { return "Suche: " + std::to_string(percent) + " %"; }

    std::ostream& err_;
    bool shown_;
    int percent_ = -1;
};

} // namespace

std::vector<std::size_t> shownRows(const SearchResult& result, std::optional<int> top) {
    std::vector<std::size_t> rows(result.figures.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = i;
    }
    const auto zOf = [&](std::size_t i) {
        const double z = result.figures[i].z;
        return std::isnan(z) ? -HUGE_VAL : z;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        return std::isnan(result.figures[b].z) < std::isnan(result.figures[a].z) ||
               (std::isnan(result.figures[a].z) == std::isnan(result.figures[b].z) &&
                zOf(a) > zOf(b));
    });
    const auto withZ = static_cast<std::size_t>(std::count_if(
        rows.begin(), rows.end(), [&](std::size_t i) { return !std::isnan(result.figures[i].z); }));
    if (top && 2 * static_cast<std::size_t>(*top) < withZ) {
        const auto n = static_cast<std::size_t>(*top);
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(n),
                   rows.begin() + static_cast<std::ptrdiff_t>(withZ - n));
        rows.resize(2 * n);
    }
    return rows;
}

int runSearch(const Options& options, std::ostream& out, std::ostream& err, bool showProgress) {
    SearchReport report;
    report.settings = SearchSettings{*options.searchSpan, options.withFreePositions, options.rule};
    const int threads =
        options.threads
            ? *options.threads
            : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, maxThreads);
    TerminalProgress progress(err, showProgress);
    // Counting is the first half of the work, judging the second.
    const auto counting = [&](double share) { progress(share / 2); };
    int status = 0;
    if (options.everyChance) {
        report.chances.assign(allChances.begin(), allChances.end());
    } else {
        report.chances = {options.chance};
    }
    std::vector<WindowCounter> counters;
    if (options.spins) {
        report.sources.emplace_back("Simulation");
        report.seed = options.seed ? *options.seed : seedFromClock();
        // One chance needs only its sides; several need the numbers.
        if (report.chances.size() == 1) {
            counters.push_back(countSimulatedWindows(*report.seed, *options.spins,
                                                     *options.searchSpan, options.rule, threads, {},
                                                     counting));
        } else {
            counters = countSimulatedSides(*report.seed, *options.spins, *options.searchSpan,
                                           options.rule, report.chances, threads, {}, counting);
        }
    } else {
        std::vector<std::vector<std::vector<SpinWord>>> sequences(report.chances.size());
        for (const auto& path : options.files) {
            SearchFile read = readSearchFile(path, report.chances);
            if (!read.error.empty()) {
                complain(err, path + ": " + read.error);
                status = 1;
                continue;
            }
            report.sources.push_back(path);
            for (std::size_t c = 0; c < read.sides.size(); ++c) {
                sequences[c].push_back(std::move(read.sides[c]));
            }
        }
        for (std::size_t c = 0; c < sequences.size(); ++c) {
            counters.push_back(countWindows(sequences[c], report.settings, {},
                                            c == 0 ? SearchProgress(counting) : nullptr, threads));
        }
    }
    report.result = evaluateChances(
        counters, report.chances, options.withFreePositions, {},
        [&](double share) { progress(share); }, 0.5, threads);
    const std::string refusal = searchRefusalText(report.result.refusal, *options.searchSpan);
    if (!refusal.empty()) {
        complain(err, refusal);
        status = 1;
    }
    report.rows = shownRows(report.result, options.top);
    write(out, report, options.format);
    return status;
}

} // namespace sorvik1::analyse
