#include "app/form1.h"

#include "ui/caption_label.h"
#include "ui/cover_guard.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/qt_printer.h"
#include "ui/text_box.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

Form1::Form1(const Options& options, QWidget* parent)
    : QWidget(parent), options_(options), messageBox_(std::make_unique<QtMessageBox>()),
      programDirectory_(QCoreApplication::applicationDirPath()),
      quit_([] { QCoreApplication::quit(); }), clock_(std::make_unique<sorvik1::SystemClock>()),
      printer_(std::make_unique<sorvik1::QtPrinter>(*clock_)) {
    buildControls();
    setTabOrder();
    connectHandlers();
    connectStatisticsMenu();
    // The covers hide controls from the keyboard too, not only from the mouse.
    new CoverGuard(*this, {infotext, zudeck2, zudeck1, Frame1});
    Form_Load();
}

Form1::~Form1() = default;

void Form1::setMessageBox(std::unique_ptr<MessageBox> box) {
    messageBox_ = std::move(box);
}

void Form1::setPrinter(std::unique_ptr<sorvik1::Printer> printer) {
    printer_ = std::move(printer);
}

// The printer keeps a reference to the clock, so it is made anew with it.
void Form1::setClock(std::unique_ptr<sorvik1::Clock> clock) {
    clock_ = std::move(clock);
    printer_ = std::make_unique<sorvik1::QtPrinter>(*clock_);
}

int Form1::MsgBox(const QString& prompt, int style, const QString& title) {
    return messageBox_->show(this, prompt, style, title);
}

void Form1::setTabOrder() {
    const QWidget* order[] = {textanzahl, Option1[0], Option1[1],  Option1[2], okstart,
                              tabelle1,   okende,     okextern,    okdruck,    okabbrechen,
                              Drive1,     Dir1,       File1,       okexternok, okexternabbruch,
                              okinfo,     okfigsetz,  okfigabsetz, okfigok,    Liste,
                              okreset,    tabelle2,   okcopy,      infotext};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
    }
}

void Form1::connectHandlers() {
    auto onClick = [this](QPushButton* button, void (Form1::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    onClick(okstart, &Form1::okstart_Click);
    onClick(okabbrechen, &Form1::okabbrechen_Click);
    onClick(okfigsetz, &Form1::okfigsetz_Click);
    onClick(okfigabsetz, &Form1::okfigabsetz_Click);
    onClick(okfigok, &Form1::okfigok_Click);
    onClick(okreset, &Form1::okreset_Click);
    onClick(okextern, &Form1::okextern_Click);
    onClick(okexternabbruch, &Form1::okexternabbruch_Click);
    onClick(okexternok, &Form1::okexternok_Click);
    onClick(okdruck, &Form1::okdruck_Click);
    onClick(okcopy, &Form1::okcopy_Click);
    onClick(okinfo, &Form1::okinfo_Click);
    onClick(okende, &Form1::okende_Click);
    connect(textanzahl, &TextBox::Change, this, &Form1::textanzahl_Change);
    connect(Liste, &ListBox::Click, this, &Form1::Liste_Click);
    connect(tabelle1, &FlexGrid::Click, this, &Form1::tabelle1_Click);
    connect(Drive1, &DriveList::Change, this, &Form1::Drive1_Change);
    connect(Dir1, &DirList::Change, this, &Form1::Dir1_Change);
    connect(File1, &FileList::Click, this, &Form1::File1_Click);
    // Opening a file in the list loads it, as "OK" would.
    connect(File1, &FileList::DblClick, okexternok, &QPushButton::click);
}
