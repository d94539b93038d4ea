#pragma once

#include "analyse/analysis.h"
#include "analyse/options.h"

#include <ostream>
#include <vector>

namespace sorvik1::analyse {

// Aligned label-value lines per source, for people.
void writeText(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options);
// One header row of keys, one row per source (RFC 4180 quoting).
void writeCsv(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options);
// {"quellen": [{key: value, ...}, ...]}, valid UTF-8 whatever the file names.
void writeJson(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options);

} // namespace sorvik1::analyse
