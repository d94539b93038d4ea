#include "analyse/value_text.h"

#include <array>
#include <charconv>

namespace sorvik1::analyse {

std::string plainValue(const Field::Value& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(std::int64_t number) const { return std::to_string(number); }
        std::string operator()(double number) const {
            std::array<char, 32> buffer{};
            const auto end =
                std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
            return std::string(buffer.data(), end);
        }
        std::string operator()(const std::string& text) const { return text; }
    };
    return std::visit(Visitor{}, value);
}

} // namespace sorvik1::analyse
