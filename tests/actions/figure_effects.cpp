// Clicks in the figure grid, Setzen, Absetzen, OK and Reset, judged against
// the grid's cells before the action.
#include "action.h"
#include "core/wheel/colour.h"
#include "effect_rules.h"
#include "effects.h"
#include "scripted_message_box.h"
#include "session.h"
#include "ui/flexgrid.h"

#include <QPushButton>

namespace {

using Cells = std::array<std::array<std::uint32_t, 3>, 21>;

std::uint32_t& at(Cells& cells, int row, int col) {
    return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

std::uint32_t at(const Cells& cells, int row, int col) {
    return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

bool marked(std::uint32_t colour) {
    return colour == sorvik1::cellRed || colour == sorvik1::cellBlack;
}

Cells cellsOf(const FlexGrid& grid) {
    Cells cells{};
    for (int r = 0; r < 21; ++r) {
        for (int c = 0; c < 3; ++c) {
            at(cells, r, c) = grid.cellBackColorAt(r, c);
        }
    }
    return cells;
}

// The marks Setzen leaves: the cell's colour, unless the row holds the other.
Cells afterSetzen(Cells cells, int row, int col) {
    if (col == 1 && at(cells, row, 2) != sorvik1::cellBlack) {
        at(cells, row, 1) = sorvik1::cellRed;
    } else if (col == 2 && at(cells, row, 1) != sorvik1::cellRed) {
        at(cells, row, 2) = sorvik1::cellBlack;
    }
    return cells;
}

// The figure that the marks of rows 0 .. 19 draw; empty without a mark.
sorvik1::FigureGrid drawn(const Cells& cells) {
    sorvik1::FigureGrid figure{};
    for (std::size_t p = 1; p <= 20; ++p) {
        figure[p] = cells[p - 1][1] == sorvik1::cellRed     ? sorvik1::red
                    : cells[p - 1][2] == sorvik1::cellBlack ? sorvik1::black
                                                            : sorvik1::noColour;
    }
    return figure;
}

bool cursorAt(const FlexGrid& grid, int row, int col) {
    return grid.row() == row && grid.col() == col && grid.rowSel() == row && grid.colSel() == col;
}

void checkOk(const Session& s, const Before& b, Findings& out) {
    const Form1& f = s.form;
    const sorvik1::FigureGrid figure = drawn(b.cells);
    const bool anyMark = figure != sorvik1::FigureGrid{};
    const std::size_t boxes = s.messages->shown.size() - b.boxes;
    if (anyMark) {
        out.expect(f.figanfang != 0 && f.figur == figure && boxes == 0,
                   QStringLiteral("OK activates exactly the figure drawn in rows 1 .. 20"));
        out.expect(!f.okfigsetz->isEnabled(), QStringLiteral("OK locks Setzen"));
    } else {
        out.expect(f.figanfang == 0 && boxes == 1,
                   QStringLiteral("OK without a mark refuses with one message"));
        expectUnchanged(f, b, out);
    }
    out.expect(cursorAt(*f.tabelle1, 20, 0), QStringLiteral("OK parks the cursor"));
}

void checkReset(const Session& s, const Before& b, Findings& out) {
    const Form1& f = s.form;
    Cells expected = b.cells;
    for (int r = 0; r < 20; ++r) {
        at(expected, r, 1) = 0;
        at(expected, r, 2) = 0;
    }
    out.expect(cellsOf(*f.tabelle1) == expected,
               QStringLiteral("Reset removes the marks of rows 1 .. 20 and no other colour"));
    out.expect(cursorAt(*f.tabelle1, 20, 2), QStringLiteral("Reset leaves the cursor at 20, 2"));
    out.expect(f.figanfang == 0 && f.importiert == 0 && f.anzahl == 0,
               QStringLiteral("Reset discards the figure, the count and the import"));
    const QStringList kept = {QStringLiteral("mode"),
                              QStringLiteral("okfigsetz enabled"),
                              QStringLiteral("okfigabsetz enabled"),
                              QStringLiteral("Frame1 shown"),
                              QStringLiteral("infotext shown"),
                              QStringLiteral("okexternok enabled")};
    const QStringList changed = b.snapshot.differences(Snapshot::of(f), {}, kept);
    out.expect(changed.isEmpty(), QStringLiteral("Reset keeps the mode, the editing buttons and "
                                                 "the import frame, but: ") +
                                      changed.join(QStringLiteral(", ")));
}

} // namespace

void checkFigureEffect(const Session& s, const Action& a, const Before& b, Findings& out) {
    const Form1& f = s.form;
    const FlexGrid& grid = *f.tabelle1;
    const Cells now = cellsOf(grid);
    using K = Action::Kind;
    switch (a.kind) {
    case K::FigureCell: {
        const bool mark = marked(at(b.cells, a.row, a.col));
        out.expect(cursorAt(grid, a.row, a.col), QStringLiteral("a click makes the cell current"));
        out.expect(f.okfigabsetz->isEnabled() == mark && f.okfigsetz->isEnabled() == !mark,
                   QStringLiteral("a click enables Absetzen on a mark and Setzen elsewhere"));
        out.expect(now == b.cells, QStringLiteral("a click colours nothing"));
        expectUnchanged(
            f, b, out,
            {QStringLiteral("okfigsetz enabled"), QStringLiteral("okfigabsetz enabled")});
        break;
    }
    case K::Setzen:
        out.expect(now == afterSetzen(b.cells, b.selRow, b.selCol),
                   QStringLiteral("Setzen marks the clicked cell unless its row holds the "
                                  "other colour"));
        out.expect(cursorAt(grid, 20, 0), QStringLiteral("Setzen parks the cursor"));
        expectUnchanged(f, b, out);
        break;
    case K::Absetzen: {
        Cells expected = b.cells;
        const bool mark = marked(at(expected, b.selRow, b.selCol));
        if (mark) {
            at(expected, b.selRow, b.selCol) = 0;
        }
        out.expect(now == expected, QStringLiteral("Absetzen removes the clicked cell's mark"));
        out.expect(mark ? cursorAt(grid, 20, 0) : cursorAt(grid, b.selRow, b.selCol),
                   QStringLiteral("Absetzen parks the cursor after removing a mark"));
        expectUnchanged(f, b, out);
        break;
    }
    case K::FigureOk:
        checkOk(s, b, out);
        break;
    default:
        checkReset(s, b, out);
        break;
    }
}
