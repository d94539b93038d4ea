// "OK": the marks drawn in the figure grid become the active figure, and the
// run section is uncovered.
#include "app/form1.h"

#include "figure/figure_grid.h"
#include "ui/flexgrid.h"
#include "ui/message_box.h"

#include <QFrame>
#include <QPushButton>

using namespace figuregrid;

namespace {

// Visits every figure row of the mark's column, as the cursor does, and tells
// whether any of them carries the mark.
bool anyMarkIn(FlexGrid& grid, const MarkColumn& mark) {
    grid.setCol(mark.column);
    bool found = false;
    for (int r = 0; r < sorvik1::maxFigureSpan; ++r) {
        grid.setRow(r);
        found = found || grid.cellBackColor() == mark.colour;
    }
    return found;
}

// The colour code of figure position p, read through the current cell.
sorvik1::Farbcode positionColour(FlexGrid& grid, int p) {
    grid.setCol(redMarks.column);
    grid.setRow(p - 1);
    if (grid.cellBackColor() == redMarks.colour) {
        return sorvik1::red;
    }
    grid.setCol(blackMarks.column);
    if (grid.cellBackColor() == blackMarks.colour) {
        return sorvik1::black;
    }
    return sorvik1::noColour;
}

} // namespace

void Form1::okfigok_Click() {
    if (!anyMarkIn(*tabelle1, redMarks) && !anyMarkIn(*tabelle1, blackMarks)) {
        park(*tabelle1);
        MsgBox(QStringLiteral("Erst muss eine Figur definiert werden!"), msgstyle::critical,
               QStringLiteral(" Fehler"));
        return;
    }
    park(*tabelle1);

    for (int p = 1; p <= sorvik1::maxFigureSpan; ++p) {
        const sorvik1::Farbcode colour = positionColour(*tabelle1, p);
        figur[static_cast<std::size_t>(p)] = colour;
        if (colour != sorvik1::noColour) {
            if (figanfang == 0) {
                figanfang = static_cast<std::int16_t>(p);
            }
            figende = static_cast<std::int16_t>(p);
        }
    }
    park(*tabelle1);

    zudeck1->setVisible(false);
    zudeck2->setVisible(false);
    okfigsetz->setEnabled(false);
    okfigok->setEnabled(false);
    showInstruction(runInstruction);
}
