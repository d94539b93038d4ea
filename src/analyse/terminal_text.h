#pragma once

#include <string>
#include <string_view>

namespace sorvik1::analyse {

// Text from a file's header or name, made harmless for a terminal: every
// control character (C0, DEL and, in UTF-8, C1) is written as "\xHH", and a
// backslash as "\\" so that nothing reads as an escape it was not. A file
// cannot move the cursor, change colours or retitle the user's terminal.
std::string terminalSafe(std::string_view text);

} // namespace sorvik1::analyse
