#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace sorvik1::analyse {

// The whole command: parses `arguments` (without the program name), writes
// the reports or the help to `out` and every complaint to `err`, and returns
// the exit status: 0 done, 1 a file refused, an output that could not be
// written or too little memory, 2 a wrong command line. With `errIsTerminal`,
// long work shows its progress on `err`.
int runCommand(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err,
               bool errIsTerminal = false);

} // namespace sorvik1::analyse
