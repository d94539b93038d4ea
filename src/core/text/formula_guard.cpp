#include "core/text/formula_guard.h"

namespace sorvik1 {

std::string formulaGuarded(std::string_view text) {
    constexpr std::string_view leads = "=+-@\t\r";
    std::string cell;
    cell.reserve(text.size() + 1);
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about "'" + text
    // in a release build.
    if (!text.empty() && leads.find(text.front()) != std::string_view::npos) {
        cell.push_back('\'');
    }
    cell.append(text);
    return cell;
}

std::string csvTextCell(std::string_view text, char separator) {
    const std::string guarded = formulaGuarded(text);
    const char splitting[] = {separator, '"', '\r', '\n', '\0'};
    if (guarded.find_first_of(splitting) == std::string::npos) {
        return guarded;
    }
    std::string quoted = "\"";
    for (const char c : guarded) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

} // namespace sorvik1
