#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace sorvik1::analyse {

// Text from outside (a file's name or header, an argument echoed in an
// error) made harmless and valid for a terminal: ASCII control bytes and
// bytes that are not valid UTF-8 are written as "\xHH" (the two cannot be
// confused: control bytes are below 0x80, invalid bytes above), other
// characters that do not print (C1 controls, direction marks and the like)
// as "\u{HHHH}", and a backslash as "\\" so that nothing reads as an escape
// it was not. A file cannot move the cursor, change colours or retitle the
// user's terminal.
std::string terminalSafe(std::string_view text);

// Text for CSV and JSON: valid UTF-8 as it is, each invalid byte written as
// "\xHH" as on the terminal, so that a name can be matched back.
std::string validUtf8(std::string_view text);

// One line on standard error: "sorvik1-analyse: " and the message, escaped.
void complain(std::ostream& err, std::string_view message);

} // namespace sorvik1::analyse
