// Drawing the figure: a click picks a cell, "Setzen" marks it, "Absetzen"
// removes its mark. The figure exists only as cell colours until "OK".
#include "app/form1.h"

#include "figure/figure_grid.h"
#include "ui/flexgrid.h"

#include <QPushButton>

using namespace figuregrid;

namespace {

// Colours the current row's cell of `mark` unless the row already holds the
// other colour: a position is red, black or free, never both.
void markUnlessTaken(FlexGrid& grid, const MarkColumn& mark, const MarkColumn& other) {
    grid.setCol(other.column);
    if (grid.cellBackColor() == other.colour) {
        return;
    }
    grid.setCol(mark.column);
    grid.setCellBackColor(mark.colour);
}

} // namespace

void Form1::tabelle1_Click() {
    takeClickedCell(*tabelle1);
    // A marked cell can only be cleared; any other cell can only be marked.
    if (isMark(tabelle1->cellBackColor())) {
        okfigabsetz->setEnabled(true);
        okfigsetz->setEnabled(false);
    } else {
        okfigsetz->setEnabled(true);
        okfigabsetz->setEnabled(false);
    }
}

void Form1::okfigsetz_Click() {
    takeClickedCell(*tabelle1);
    if (tabelle1->col() == redMarks.column) {
        markUnlessTaken(*tabelle1, redMarks, blackMarks);
    } else if (tabelle1->col() == blackMarks.column) {
        markUnlessTaken(*tabelle1, blackMarks, redMarks);
    }
    park(*tabelle1);
}

void Form1::okfigabsetz_Click() {
    takeClickedCell(*tabelle1);
    if (isMark(tabelle1->cellBackColor())) {
        tabelle1->setCellBackColor(0);
        park(*tabelle1);
    }
}
