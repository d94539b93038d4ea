#pragma once

#include <cstddef>
#include <string_view>

namespace sorvik1 {

// Report texts are UTF-8; a column holds one character, not one byte.

inline bool utf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Number of characters in a UTF-8 text.
inline std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        n += utf8Continuation(c) ? 0 : 1;
    }
    return n;
}

// Byte offset of character number `chars` (0-based); the text's size when it
// has no more characters.
inline std::size_t utf8Offset(std::string_view text, std::size_t chars) {
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if (!utf8Continuation(text[i])) {
            if (chars == 0) {
                return i;
            }
            --chars;
        }
    }
    return i;
}

} // namespace sorvik1
