#include "app/form1.h"

#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/message_box.h"
#include "ui/text_box.h"

#include <QPushButton>

void Form1::okabbrechen_Click() {
    if (MsgBox(QStringLiteral("Abbruch bitte bestätigen !     "), msgstyle::yesNoAsk,
               QStringLiteral(" Abbruch")) != answer::yes) {
        return;
    }
    clearPermanenceGrid();
    wurf = 0;
    anzahl = 0;
    importiert = 0;
    gestartet = 0;
    // An occurrence pending from the abandoned run must not halt the next one.
    figbeiwurf = 0;
    lockRunButtons();
    emptyListe();
    textanzahl->setText(QString());
    lakut->setCaption(QString());
    lzahl->setCaption(QString());
    lmenge->setCaption(QString());
    showInstruction(runInstruction);
}
