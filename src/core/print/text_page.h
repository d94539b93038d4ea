#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik1 {

// A run of text in one style. Columns count from 1 in average character
// widths of the page's font; the printer turns them into positions.
struct PrintSpan {
    int column = 1;
    std::string text; // UTF-8
    bool bold = false;
    bool underline = false;

    bool operator==(const PrintSpan&) const = default;
};

// One printed line; an empty line is a blank line.
using PrintLine = std::vector<PrintSpan>;

// Writes text the way a character printer does, item by item, into lines of
// spans. Nothing is ever cut off: text that would run past the last column
// continues on a new line at the continuation column.
class TextPage {
  public:
    TextPage(int columns, int continuationColumn);

    void setBold(bool on) { bold_ = on; }
    void setUnderline(bool on) { underline_ = on; }

    // Moves to `column` of this line, or of the next line when already past it.
    void tab(int column);
    // Prose: breaks at blanks when the line is full.
    void text(std::string_view s);
    // One unit, such as a list entry: moves whole to a continuation line when
    // the line is full, and is split only if it is longer than a whole line.
    void item(std::string_view s);
    // A number with the place of its sign in front and a blank after: " 7 ", "-7 ".
    void number(double value);
    void endLine();

    // The lines written; a last line without text is dropped.
    std::vector<PrintLine> finish();

  private:
    void print(std::string_view s, bool breakAtBlanks);
    void place(std::string_view s);
    void continueLine();

    int columns_;
    int continuationColumn_;
    int column_ = 1;
    bool bold_ = false;
    bool underline_ = false;
    PrintLine line_;
    std::vector<PrintLine> lines_;
};

// Splits lines into pages of `linesPerPage` lines (at least one), the last
// page holding the rest.
std::vector<std::vector<PrintLine>> paginate(const std::vector<PrintLine>& lines, int linesPerPage);

} // namespace sorvik1
