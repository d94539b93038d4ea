#pragma once

#include "core/print/text_page.h"
#include "core/store/text_list.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik1 {

// A figure position's mark as the figure grid shows it, drawn or activated.
enum class FigureMark { None, Red, Black };

// Everything the printed report shows, as read from the window. Texts are UTF-8.
struct ReportInput {
    std::string date;                   // already in the short date form
    std::string instruction;            // the instruction label's caption ('\r' between lines)
    double anzahl = 0;                  // spins of the run
    double wurf = 0;                    // the current spin
    std::array<FigureMark, 20> marks{}; // figure positions 1 .. 20
    std::string foundCount;             // the occurrence count label's caption
    // The occurrence list's entries, read where the list keeps them; none when null.
    const TextList* found = nullptr;
};

// What printing the report leaves in the window's state.
struct ReportStrings {
    std::string zeichen;   // the instruction text's last character, " / " for a line break
    std::string textzeile; // the instruction text on one line, " / " between its lines
    std::string kreuz;     // the mark printed for position 20: "X" or empty
};

struct Report {
    std::vector<PrintLine> lines;
    ReportStrings strings;
};

// The mark a finished run adds to the instruction text.
inline constexpr std::string_view reportEndMark = "***  ENDE  ***";

// The page is laid out for this many columns; wider lines continue below.
inline constexpr int reportColumns = 90;
inline constexpr int reportContinuationColumn = 24;

Report buildReport(const ReportInput& input, int columns = reportColumns);

} // namespace sorvik1
