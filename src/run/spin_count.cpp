#include "app/form1.h"

#include "core/intake/spin_count.h"
#include "ui/text_box.h"

#include <QPushButton>

void Form1::textanzahl_Change() {
    const QByteArray utf8 = textanzahl->text().toUtf8();
    const std::size_t spins = sorvik1::spinCount(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (spins == 0) {
        okstart->setEnabled(false);
        textanzahl->setText(QString());
        return;
    }
    // An imported run has no spins beyond the loaded ones: a larger count is
    // brought back to the loaded count, whose own change event stores it.
    if (importiert == 1 && static_cast<double>(spins) > importanzahl) {
        textanzahl->setText(QString::number(importanzahl, 'f', 0));
        return;
    }
    anzahl = static_cast<double>(spins);
    okstart->setEnabled(true);
}
