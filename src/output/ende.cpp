#include "app/form1.h"

#include "ui/message_box.h"

void Form1::okende_Click() {
    const int reply = MsgBox(QStringLiteral("Soll das Programm beendet werden ?     "),
                             msgstyle::yesNoAsk, QStringLiteral(" Beenden"));
    if (reply == answer::yes) {
        close();
        quit_();
    }
}
