#include "app/form1.h"

#include "ui/german_numbers.h"
#include "ui/message_box.h"
#include "ui/printer.h"

bool Form1::askPrinterSettings() {
    const int reply =
        MsgBox(QStringLiteral("Sollen die Druckereinstellungen noch geändert werden ?"),
               msgstyle::yesNoCancelAsk, QStringLiteral(" Ausdruck Sorvik1"));
    if (reply == answer::cancel) {
        return false;
    }
    // A cancelled set-up dialog prints nothing, as the user backed out.
    return reply != answer::yes || printer_->setupDialog(this);
}

bool Form1::printLongReport(int pages) {
    return pages <= sorvik1::longPrintoutPages ||
           MsgBox(QStringLiteral("Der Ausdruck umfasst %1 Seiten. Trotzdem drucken?")
                      .arg(germannumbers::whole(pages)),
                  msgstyle::yesNoAsk, QStringLiteral(" Ausdruck Sorvik1")) == answer::yes;
}

// A page that went to a file or failed is never reported as printed.
void Form1::reportPrintOutcome(const sorvik1::PrintOutcome& outcome) {
    using Result = sorvik1::PrintOutcome::Result;
    if (outcome.result == Result::SavedAsPdf) {
        MsgBox(QStringLiteral("Es ist kein Drucker eingerichtet.\nDie Seite wurde als PDF-Datei "
                              "gespeichert:\n") +
                   outcome.file,
               msgstyle::information, QStringLiteral(" Ausdruck Sorvik1"));
    } else if (outcome.result == Result::Failed) {
        QString prompt = QStringLiteral("Der Druck ist fehlgeschlagen.");
        if (!outcome.cause.isEmpty()) {
            prompt += QLatin1Char('\n') + outcome.cause;
        } else if (!outcome.file.isEmpty()) {
            prompt += QStringLiteral("\nDie Datei kann nicht geschrieben werden:\n") + outcome.file;
        }
        MsgBox(prompt, msgstyle::critical, QStringLiteral(" Fehler"));
    }
}
