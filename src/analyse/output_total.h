#pragma once

#include "analyse/analysis.h"
#include "analyse/fields.h"
#include "analyse/options.h"

#include <optional>
#include <vector>

namespace sorvik1::analyse {

// The row of all files together, under the keys of the per-file rows: the
// counts and expectations added, the variances added (the files are
// independent), z from those sums; keys without a total stay empty. Only
// with two files or more; a simulation is not part of it.
std::optional<std::vector<Field>> totalFields(const std::vector<SourceReport>& reports,
                                              const Options& options);

// The key of that row in JSON.
inline constexpr const char* totalKey = "gesamt";

} // namespace sorvik1::analyse
