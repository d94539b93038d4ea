#pragma once

#include <string>
#include <string_view>

namespace sorvik1 {

// Text from a permanence file as UTF-8 for display. Text that is valid UTF-8
// is kept as it is; anything else is read as Windows-1252, the code page such
// files were written in. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD, the replacement character, so
// the user sees that something could not be shown rather than an invisible
// control character.
std::string fileTextToUtf8(std::string_view bytes);

// The length of the well-formed UTF-8 sequence at byte `i`, or 0 when none
// starts there: no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);
bool isValidUtf8(std::string_view text);

} // namespace sorvik1
