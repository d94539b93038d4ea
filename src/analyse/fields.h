#pragma once

#include "analyse/analysis.h"
#include "analyse/options.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace sorvik1::analyse {

// One value of a report, in every form an output needs: a key for CSV and
// JSON, a German label and text for people, and the plain value (none when
// it does not exist, such as a z-score without variation).
struct Field {
    using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

    std::string key;
    std::string label;
    std::string text;
    Value value;
    bool shownAsText = true;
};

// The fields of a source's report, in output order. Every source of one
// command line has the same keys, so CSV rows share one header.
std::vector<Field> fieldsOf(const SourceReport& report, const Options& options);

// Header of the list of start spins that --liste adds.
inline constexpr const char* startsKey = "startwuerfe";
inline constexpr const char* startsLabel = "Startwürfe";

// Header of the distances between starts that --abstaende adds.
inline constexpr const char* gapsKey = "abstaende";
inline constexpr const char* gapsLabel = "Abstände";

} // namespace sorvik1::analyse
