#pragma once

#include <cstddef>
#include <string_view>

namespace sorvik1 {

// The spins a count text asks for: the whole part of the number it starts
// with (see leadingNumber), at least 1 and at most maxSpins. A text that does
// not start with a positive number asks for none and gives 0.
std::size_t spinCount(std::string_view text);

// Whether the number a count text starts with is larger than maxSpins.
bool exceedsMaxSpins(std::string_view text);

} // namespace sorvik1
