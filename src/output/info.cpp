#include "app/form1.h"
#include "output/info_file.h"
#include "ui/hanging_indent.h"

#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QTextEdit>

void Form1::okinfo_Click() {
    zudeck2->setVisible(false);
    if (okinfo->text() == QStringLiteral("Info")) {
        infotext->setVisible(true);
        QFile file(infoFilePath(programDirectory_));
        if (file.open(QIODevice::ReadOnly)) {
            infotext->setPlainText(QString::fromUtf8(file.readAll()));
            indentListItems(*infotext->document());
        } else {
            infotext->setPlainText(QStringLiteral("Problem:") + QChar(10));
            infotext->setPlainText(infotext->toPlainText() +
                                   QStringLiteral("Kann die Datei Info_Sorvik1.txt nicht finden."));
        }
        okinfo->setText(QStringLiteral("Ende Info"));
    } else if (okinfo->text() == QStringLiteral("Ende Info")) {
        infotext->setVisible(false);
        okinfo->setText(QStringLiteral("Info"));
        infotext->clear();
    }
}
