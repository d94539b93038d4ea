#include "figure/figure_grid.h"

#include "core/wheel/colour.h"
#include "ui/flexgrid.h"

namespace figuregrid {

const MarkColumn redMarks{1, sorvik1::cellRed};
const MarkColumn blackMarks{2, sorvik1::cellBlack};

bool isMark(std::uint32_t colour) {
    return colour == redMarks.colour || colour == blackMarks.colour;
}

void takeClickedCell(FlexGrid& grid) {
    grid.setRow(grid.rowSel());
    // Setting the row moved the selection end, so the column is read after it.
    grid.setCol(grid.colSel());
}

void park(FlexGrid& grid) {
    grid.setCol(parkCol);
    grid.setRow(parkRow);
}

} // namespace figuregrid
