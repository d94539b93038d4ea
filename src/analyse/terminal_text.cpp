#include "analyse/terminal_text.h"

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

// The length of the valid UTF-8 sequence at `i` and its code point, or 0
// when the byte there starts none (overlong forms and surrogates included).
std::size_t decode(std::string_view text, std::size_t i, char32_t& point) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(i);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        point = (point << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return point < least || point > 0x10FFFF || surrogate ? 0 : length;
}

// The one escaper: for the terminal everything that does not print, for
// machine formats only what is not UTF-8.
std::string escaped(std::string_view text, bool terminal) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t point = 0;
        const std::size_t length = decode(text, i, point);
        if (length == 0) {
            appendByte(out, static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
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
