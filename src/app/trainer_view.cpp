#include "auswertung/figure_transfer.h"

#include "app/form1.h"
#include "figure/figure_grid.h"
#include "ui/flexgrid.h"

#include <QPushButton>

namespace {

// What a mouse click on a cell does: the cell becomes current, then the
// grid reports the click to its handler.
void clickCell(FlexGrid& grid, int row, int column) {
    const QModelIndex cell = grid.model()->index(row, column);
    grid.setCurrentIndex(cell);
    emit grid.clicked(cell);
}

} // namespace

bool figureGridOpen(const Form1& trainer) {
    return trainer.okfigok->isEnabled();
}

bool drawIntoFigureGrid(Form1& trainer, const sorvik1::Figure& figure) {
    if (!figureGridOpen(trainer) || figure.empty()) {
        return false;
    }
    FlexGrid& grid = *trainer.tabelle1;
    for (int row = 0; row < sorvik1::maxFigureSpan; ++row) {
        for (const auto& mark : {figuregrid::redMarks, figuregrid::blackMarks}) {
            if (grid.cellBackColorAt(row, mark.column) == mark.colour) {
                clickCell(grid, row, mark.column);
                trainer.okfigabsetz->click();
            }
        }
    }
    for (int offset = 0; offset < figure.span(); ++offset) {
        const sorvik1::Farbcode colour = figure.at(offset);
        if (colour != sorvik1::noColour) {
            clickCell(grid, offset,
                      colour == sorvik1::red ? figuregrid::redMarks.column
                                             : figuregrid::blackMarks.column);
            trainer.okfigsetz->click();
        }
    }
    return true;
}
