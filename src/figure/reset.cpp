// "Reset": discards the figure and the run, and covers the run section again
// until a new figure is activated.
#include "app/form1.h"

#include "figure/figure_grid.h"
#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QFrame>
#include <QPushButton>

#include <algorithm>

using namespace figuregrid;

namespace {

// Clears both mark columns of every figure row; the row below the figure is
// left alone. The cursor ends in the black column.
void clearMarks(FlexGrid& grid) {
    for (int r = 0; r < sorvik1::maxFigureSpan; ++r) {
        grid.setRow(r);
        grid.setCol(redMarks.column);
        grid.setCellBackColor(0);
        grid.setCol(blackMarks.column);
        grid.setCellBackColor(0);
    }
}

} // namespace

void Form1::okreset_Click() {
    okfigok->setEnabled(true);
    // Runs the count's change handler when the box held text, which locks Start.
    textanzahl->setText(QString());
    anzahl = 0;
    wurf = 0;
    importiert = 0;
    gestartet = 0;
    figanfang = 0;
    figende = 0;
    // A halt spin left over from the discarded run would otherwise stop the
    // next run in mode "Halt bei Figur" at a spin where no figure ends.
    figbeiwurf = 0;
    zudeck1->setVisible(true);
    zudeck2->setVisible(true);
    std::fill(figur.begin() + 1, figur.end(), sorvik1::noColour);

    clearMarks(*tabelle1);
    // Only the row moves: the cursor stays in the black column.
    tabelle1->setRow(parkRow);

    emptyListe();
    clearPermanenceGrid();
    lockRunButtons();
    lmenge->setCaption(QString());
    lakut->setCaption(QString());
    lzahl->setCaption(QString());
    showInstruction(figureInstruction);
}
