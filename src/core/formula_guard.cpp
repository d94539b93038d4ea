#include "core/formula_guard.h"

namespace sorvik1 {

std::string formulaGuarded(std::string_view text) {
    constexpr std::string_view leads = "=+-@\t\r";
    if (!text.empty() && leads.find(text.front()) != std::string_view::npos) {
        return "'" + std::string(text);
    }
    return std::string(text);
}

} // namespace sorvik1
