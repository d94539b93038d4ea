// The figure grid: position numbers, and at most one mark per row, each in
// its own colour and column.
#include "invariants.h"

#include "core/wheel/colour.h"
#include "session.h"
#include "ui/flexgrid.h"

void checkFigureGrid(const Session& s, Findings& out) {
    const FlexGrid& g = *s.form.tabelle1;
    out.expect(g.rows() == 21 && g.cols() == 3, QStringLiteral("the figure grid keeps 21 x 3"));
    if (g.rows() != 21 || g.cols() != 3) {
        return;
    }
    bool numbers = true;
    bool marks = true;
    for (int r = 0; r < 21; ++r) {
        numbers = numbers && g.textAt(r, 0) == (r < 20 ? QString::number(r + 1) : QString()) &&
                  g.textAt(r, 1).isEmpty() && g.textAt(r, 2).isEmpty();
        const std::uint32_t red = g.cellBackColorAt(r, 1);
        const std::uint32_t black = g.cellBackColorAt(r, 2);
        marks = marks && g.cellBackColorAt(r, 0) == 0 && (red == 0 || red == sorvik1::cellRed) &&
                (black == 0 || black == sorvik1::cellBlack) && (red == 0 || black == 0);
    }
    out.expect(numbers, QStringLiteral("the figure grid shows the positions 1 .. 20"));
    out.expect(marks, QStringLiteral("each figure row holds at most one mark, in its column"));
}
