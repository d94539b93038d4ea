#include "analyse/terminal_text.h"

namespace sorvik1::analyse {

namespace {

void appendEscaped(std::string& out, unsigned value) {
    constexpr const char* digits = "0123456789ABCDEF";
    out += "\\x";
    out += digits[(value >> 4) & 0xF];
    out += digits[value & 0xF];
}

} // namespace

std::string terminalSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte < 0x20 || byte == 0x7F) {
            appendEscaped(out, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            // U+0080 .. U+009F, which some terminals obey as controls.
            appendEscaped(out, next);
            ++i;
        } else if (byte == '\\') {
            out += "\\\\";
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

} // namespace sorvik1::analyse
