#include "analyse/search_report.h"

#include "analyse/terminal_text.h"
#include "core/random.h"
#include "core/search_input.h"
#include "core/simulation.h"

#include <algorithm>
#include <cmath>

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

int runSearch(const Options& options, std::ostream& out, std::ostream& err) {
    SearchReport report;
    report.settings = SearchSettings{*options.searchSpan, options.withFreePositions, options.rule};
    WindowCounter counter(*options.searchSpan, options.rule);
    int status = 0;
    if (options.spins) {
        report.sources.emplace_back("Simulation");
        report.seed = options.seed ? *options.seed : seedFromClock();
        SimulatedSpins spins(*report.seed, 0, *options.spins);
        while (!spins.exhausted()) {
            counter.add(spins.nextWord(64));
        }
        counter.endSequence();
    }
    for (const auto& path : options.files) {
        const SearchFile file = readSearchFile(path);
        if (!file.error.empty()) {
            complain(err, path + ": " + file.error);
            status = 1;
            continue;
        }
        report.sources.push_back(path);
        for (const SpinWord& word : file.words) {
            counter.add(word);
        }
        counter.endSequence();
    }
    report.result = evaluateSearch(counter, options.withFreePositions, {}, {});
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
