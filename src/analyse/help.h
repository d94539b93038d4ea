#pragma once

#include <string_view>

namespace sorvik1::analyse {

// The text of --help: every option, what is printed, and examples.
std::string_view helpText();

} // namespace sorvik1::analyse
