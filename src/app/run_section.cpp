// Emptying the run section, shared by the new start and the reset.
#include "app/form1.h"

#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QPushButton>

// Every cell loses its text and colour; the rows stay for the next run.
void Form1::clearPermanenceGrid() {
    tabelle2->clear();
    tabelle2->setTopRow(0);
    tabelle2->setRow(1);
}

// Back to the state before a run: a count or an import can be given again.
void Form1::lockRunButtons() {
    okextern->setEnabled(true);
    okstart->setText(QStringLiteral("Start"));
    okstart->setEnabled(false);
    okabbrechen->setEnabled(false);
    okdruck->setEnabled(false);
    textanzahl->setEnabled(true);
}

// The count is read once, then the first entry removed that many times.
void Form1::emptyListe() {
    for (int n = Liste->listCount(); n > 0; --n) {
        Liste->removeItem(0);
    }
}
