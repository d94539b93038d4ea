#include "app/form1.h"

#include "ui/flexgrid.h"

namespace {

// Centred horizontally, at the top of the cell.
constexpr int centreTop = 3;

} // namespace

void Form1::Form_Load() {
    anzahl = 0;
    figbeiwurf = 0;
    wurf = 0;
    importiert = 0;
    gestartet = 0;

    tabelle1->setCol(1);
    tabelle1->setColWidth(0, 500);
    tabelle1->setColWidth(1, 300);
    tabelle1->setColWidth(2, 300);
    tabelle1->setColAlignment(0, centreTop);
    tabelle1->setCol(0);
    for (int r = 0; r <= 19; ++r) {
        tabelle1->setRow(r);
        tabelle1->setText(QString::number(r + 1));
    }
    tabelle1->setRow(20);

    tabelle2->setCol(1);
    const int widths[] = {700, 250, 250, 200, 300};
    for (int c = 0; c < 5; ++c) {
        tabelle2->setColWidth(c, widths[c]);
    }
    tabelle2->setColAlignment(0, centreTop);
    tabelle2->setCol(0);

    Randomize();
    wurf = 0;
    sorvik1::fillColourTable(farbe);
    showInstruction(figureInstruction);
}
