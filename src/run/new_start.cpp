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
    tabelle2->clear();
    tabelle2->setTopRow(0);
    tabelle2->setRow(1);
    wurf = 0;
    anzahl = 0;
    importiert = 0;
    gestartet = 0;
    // An occurrence pending from the abandoned run must not halt the next one.
    figbeiwurf = 0;
    okextern->setEnabled(true);
    okstart->setText(QStringLiteral("Start"));
    okstart->setEnabled(false);
    okabbrechen->setEnabled(false);
    okdruck->setEnabled(false);
    textanzahl->setEnabled(true);
    const int entries = Liste->listCount();
    for (int i = 0; i < entries; ++i) {
        Liste->removeItem(0);
    }
    textanzahl->setText(QString());
    lakut->setCaption(QString());
    lzahl->setCaption(QString());
    lmenge->setCaption(QString());
    showInstruction(runInstruction);
}
