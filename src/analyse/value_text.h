#pragma once

#include "analyse/fields.h"

#include <string>

namespace sorvik1::analyse {

// A field's plain value for machines: digits, the shortest decimal that
// reads back as the same double, the string itself, or empty for none.
std::string plainValue(const Field::Value& value);

} // namespace sorvik1::analyse
