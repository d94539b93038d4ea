#include "app/form1.h"

#include "ui/printer.h"

#include <QImage>
#include <QPixmap>

void Form1::okcopy_Click() {
    if (!askPrinterSettings()) {
        return;
    }
    reportPrintOutcome(printer_->printImage(grab().toImage()));
}
