#pragma once

#include <string_view>

namespace sorvik1 {

// The value of the number written at the start of a text: blanks, tabs and
// line feeds anywhere are ignored, an optional sign, digits, "." as the only
// decimal point whatever the locale, an optional exponent (E or D); reading
// stops at the first character that cannot continue the number. A text that
// does not begin with a number has the value 0. Never throws.
double leadingNumber(std::string_view text);

} // namespace sorvik1
