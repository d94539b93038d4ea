#pragma once

#include "core/intake/permanence.h"

#include <cstdint>
#include <string>

namespace sorvik1 {

// Why a permanence file was not loaded, as one or two plain German
// sentences for the user (the line and the value for a number outside the
// wheel); empty when it was loaded.
std::string permanenceRefusal(const Permanence& permanence);

// A whole number with German thousands points: "10.000.000".
std::string germanWholeNumber(std::uint64_t value);

} // namespace sorvik1
