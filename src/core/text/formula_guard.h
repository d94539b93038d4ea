#pragma once

#include <string>
#include <string_view>

namespace sorvik1 {

// A text cell for a spreadsheet, as spreadsheet makers advise: a cell that
// starts with "=", "+", "-", "@", a tab or a carriage return would run as a
// formula when the file is opened or the text pasted, so it gets a leading
// apostrophe, which the spreadsheet shows as text. Every CSV writer and the
// tab-separated copy pass their texts through here; numbers the program
// wrote itself are not texts and stay as they are.
std::string formulaGuarded(std::string_view text);

// One text cell of a CSV file whose cells are split by `separator`: guarded
// as above, and in double quotes (each quote doubled) where the separator, a
// quote or a line break would split it. The window's spreadsheet files and
// the command-line tool write their texts through here.
std::string csvTextCell(std::string_view text, char separator);

} // namespace sorvik1
