#pragma once

#include "analyse/options.h"
#include "core/batch/figure_search.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sorvik1::analyse {

// What the figure search found, with what it was asked.
struct SearchReport {
    std::vector<std::string> sources; // the files' paths, or "Simulation"
    std::optional<std::uint64_t> seed;
    SearchSettings settings;
    std::vector<Chance> chances; // searched together, each figure in its own letters
    SearchResult result;
    std::vector<std::size_t> rows; // the figures shown, highest z first
};

// Runs the search that --suche asks for; returns the exit status. With
// `showProgress`, how far it has come is shown on `err`, a terminal.
int runSearch(const Options& options, std::ostream& out, std::ostream& err,
              bool showProgress = false);

// Indices of the figures to show, highest z first and those without z
// last; with `top`, only the `top` highest and the `top` lowest.
std::vector<std::size_t> shownRows(const SearchResult& result, std::optional<int> top);

const char* methodLabel(PValueMethod method);

void writeSearchText(std::ostream& out, const SearchReport& report);
// One header row, one row per figure shown (RFC 4180).
void writeSearchCsv(std::ostream& out, const SearchReport& report);
// {"suche": {summary}, "figuren": [{...}, ...]}
void writeSearchJson(std::ostream& out, const SearchReport& report);

} // namespace sorvik1::analyse
