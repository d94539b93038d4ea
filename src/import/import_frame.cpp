#include "app/form1.h"

#include "app/instructions.h"
#include "ui/caption_label.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"

#include <QGroupBox>
#include <QPushButton>

void Form1::okextern_Click() {
    Frame1->setVisible(true);
    text->setCaption(QStringLiteral(" "));
    text->setCaption(text->caption() + importInstruction[0] + QChar(13));
    text->setCaption(text->caption() + importInstruction[1] + QChar(13));
    text->setCaption(text->caption() + importInstruction[2]);
}

// A drive that cannot be read (no medium, no permission) leaves the lists
// where they were; the drive list alone shows the new choice.
void Form1::Drive1_Change() {
    Dir1->setPath(Drive1->drive());
}

void Form1::Dir1_Change() {
    File1->setPath(Dir1->path());
}

void Form1::File1_Click() {
    okexternok->setEnabled(File1->listCount() > 0);
}

void Form1::okexternabbruch_Click() {
    importiert = 0;
    Frame1->setVisible(false);
    showInstruction(runInstruction);
}
