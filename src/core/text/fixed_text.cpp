#include "core/text/fixed_text.h"

#include <algorithm>
#include <charconv>

namespace sorvik1 {

namespace {

// The digits as rounded, a sign even before zeros. Correctly rounded and
// free of the locale, unlike printf in a program that set one.
std::string rounded(double value, int decimals) {
    // Sign, up to 309 digits before the point, the point, the decimals.
    std::string text(static_cast<std::size_t>(312 + std::max(decimals, 0)), '\0');
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::fixed, std::max(decimals, 0))
                         .ptr;
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

bool onlyZeros(const std::string& text) {
    return text.find_first_not_of("-0.") == std::string::npos;
}

} // namespace

bool roundsToZero(double value, int decimals) {
    return onlyZeros(rounded(value, decimals));
}

std::string fixedText(double value, int decimals) {
    std::string text = rounded(value, decimals);
    if (onlyZeros(text) && text.starts_with('-')) {
        text.erase(0, 1);
    }
    return text;
}

} // namespace sorvik1
