#pragma once

#include "analyse/fields.h"

#include <string>

namespace sorvik1::analyse {

// Shown to people where a value does not exist.
inline constexpr const char* missing = "–";

// A number for people with `decimals` places ("12.50", never "-0.00");
// `missing` where there is none (NaN, infinity).
std::string shownFixed(double value, int decimals);

// A number for machines: the shortest decimal that reads back as the same
// double, never "-0"; empty where there is none.
std::string plainNumber(double value);

// A field's plain value for machines: digits, the plain number, the string
// itself, or empty for none.
std::string plainValue(const Field::Value& value);

} // namespace sorvik1::analyse
