#include "analyse/terminal_text.h"

#include "core/text/text_encoding.h"

#include <array>
#include <cstdio>
#include <utility>

namespace sorvik1::analyse {

namespace {

void appendByte(std::string& out, unsigned value) {
    constexpr const char* digits = "0123456789ABCDEF";
    out += "\\x";
    out += digits[(value >> 4) & 0xF];
    out += digits[value & 0xF];
}

void appendCodePoint(std::string& out, char32_t point) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\\u{%04X}", static_cast<unsigned>(point));
    out += buffer;
}

// Characters that print nothing yet change how a terminal shows the rest.
bool nonPrinting(char32_t c) {
    static constexpr std::array<std::pair<char32_t, char32_t>, 11> ranges{{
        {0x80, 0x9F},       // C1 controls
        {0xAD, 0xAD},       // soft hyphen
        {0x061C, 0x061C},   // Arabic letter mark
        {0x180E, 0x180E},   // Mongolian vowel separator
        {0x200B, 0x200F},   // zero widths, direction marks
        {0x2028, 0x202E},   // line and paragraph separators, embeddings
        {0x2060, 0x206F},   // word joiner, isolates, deprecated formats
        {0xFEFF, 0xFEFF},   // byte order mark
        {0xFFF9, 0xFFFB},   // interlinear annotations
        {0xFFFE, 0xFFFF},   // noncharacters
        {0xE0000, 0xE007F}, // tags
    }};
    for (const auto& [first, last] : ranges) {
        if (c >= first && c <= last) {
            return true;
        }
    }
    return false;
}

// The code point of a well-formed UTF-8 sequence.
char32_t codePoint(std::string_view sequence) {
    static constexpr unsigned leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t point = static_cast<unsigned char>(sequence[0]) & leadBits[sequence.size()];
    for (std::size_t k = 1; k < sequence.size(); ++k) {
        point = (point << 6) | (static_cast<unsigned char>(sequence[k]) & 0x3F);
    }
    return point;
}

// The one escaper: for the terminal everything that does not print, for
// machine formats only what is not UTF-8.
std::string escaped(std::string_view text, bool terminal) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            appendByte(out, static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        const char32_t point = codePoint(text.substr(i, length));
        if (terminal && (point < 0x20 || point == 0x7F)) {
            appendByte(out, point);
        } else if (terminal && point == '\\') {
            out += "\\\\";
        } else if (terminal && nonPrinting(point)) {
            appendCodePoint(out, point);
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

} // namespace

std::string terminalSafe(std::string_view text) {
    return escaped(text, true);
}

std::string validUtf8(std::string_view text) {
    return escaped(text, false);
}

void complain(std::ostream& err, std::string_view message) {
    err << "sorvik1-analyse: " << terminalSafe(message) << '\n';
}

} // namespace sorvik1::analyse
