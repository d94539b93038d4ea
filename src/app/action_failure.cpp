#include "app/application.h"
#include "app/form1.h"

#include "ui/message_box.h"

#include <QGroupBox>

#include <utility>

// A run's preparation and a load fail before they change anything; any
// other action may have stopped half way, so the trainer starts afresh, as
// a Reset leaves it. The stores of the run and of the loaded file go first:
// after too little memory, what they free makes room for what follows.
void Form1::actionFailed(bool outOfMemory) {
    const bool unchanged = std::exchange(failedUnchanged_, false);
    if (!unchanged) {
        zahlen = {};
        permanenz = {};
        importanzahl = 0;
        Frame1->setVisible(false);
        okreset_Click();
    }
    MsgBox(actionFailureText(outOfMemory) +
               (unchanged ? QStringLiteral("\n\nEs wurde nichts verändert.")
                          : QStringLiteral("\n\nDer Trainer beginnt mit einer neuen Figur.")),
           msgstyle::critical, QStringLiteral(" Fehler"));
}
