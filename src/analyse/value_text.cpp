#include "analyse/value_text.h"

#include "core/text/fixed_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sorvik1::analyse {

std::string shownFixed(double value, int decimals) {
    return std::isfinite(value) ? fixedText(value, decimals) : missing;
}

std::string plainNumber(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    // Adding 0 turns a negative zero into 0 and leaves every other value.
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value + 0.0).ptr;
    return std::string(buffer.data(), end);
}

std::string plainValue(const Field::Value& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(std::int64_t number) const { return std::to_string(number); }
        std::string operator()(double number) const { return plainNumber(number); }
        std::string operator()(const std::string& text) const { return text; }
    };
    return std::visit(Visitor{}, value);
}

} // namespace sorvik1::analyse
