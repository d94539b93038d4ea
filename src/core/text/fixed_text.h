#pragma once

#include <string>

namespace sorvik1 {

// Whether `value`, written with `decimals` places, shows nothing but zeros.
// Such a value is written as 0 in every notation: "-0.00" would read as a
// loss or a fall where there is none.
bool roundsToZero(double value, int decimals);

// `value` with `decimals` places in the C notation, whatever the locale:
// "-12.50", "0.00". A finite value only.
std::string fixedText(double value, int decimals);

} // namespace sorvik1
