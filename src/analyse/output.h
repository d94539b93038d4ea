#pragma once

#include "analyse/analysis.h"
#include "analyse/options.h"

#include <ostream>
#include <string>
#include <vector>

namespace sorvik1::analyse {

// A text from outside as one CSV cell: valid UTF-8, quoted where RFC 4180
// asks, and nothing a spreadsheet would run as a formula.
std::string csvTextCell(const std::string& text);

// Aligned label-value lines per source, for people.
void writeText(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options);
// One header row of keys, one row per source (RFC 4180 quoting).
void writeCsv(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options);
// {"quellen": [{key: value, ...}, ...]}, valid UTF-8 whatever the file names.
void writeJson(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options);

} // namespace sorvik1::analyse
