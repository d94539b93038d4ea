#include "ui/qt_printer.h"

#include "ui/report_painter.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QStandardPaths>

namespace sorvik1 {
namespace {

// Top-centred, as large as the page allows.
void paintImage(QPainter& painter, const QImage& image) {
    const QSizeF page(painter.device()->width(), painter.device()->height());
    const QSizeF size = QSizeF(image.size()).scaled(page, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF((page.width() - size.width()) / 2, 0), size), image);
}

} // namespace

QtPrinter::QtPrinter(const Clock& clock, QString pdfFolder)
    : clock_(clock), pdfFolder_(std::move(pdfFolder)) {
    printer_.setDocName(QStringLiteral("Sorvik1"));
    printer_.setCreator(QStringLiteral("Sorvik1"));
    printer_.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString QtPrinter::defaultPdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

bool QtPrinter::setupDialog(QWidget* parent) {
    QPrintDialog dialog(&printer_, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintOutcome QtPrinter::printReport(const std::vector<PrintLine>& lines) {
    return print([&](QPainter& painter) { paintReport(painter, printer_, lines); });
}

PrintOutcome QtPrinter::printImage(const QImage& image) {
    return print([&](QPainter& painter) { paintImage(painter, image); });
}

PrintOutcome QtPrinter::print(const std::function<void(QPainter&)>& paint) {
    // Qt falls back to PDF output without a printer; with no file named it
    // would write nowhere.
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty()) {
        printer_.setOutputFileName(newPdfFile());
    }
    const QString file = printer_.outputFileName();
    QPainter painter;
    bool ok = painter.begin(&printer_);
    if (ok) {
        paint(painter);
        ok = painter.end();
    }
    ok = ok && printer_.printerState() != QPrinter::Error &&
         printer_.printerState() != QPrinter::Aborted;
    if (!file.isEmpty()) {
        // A file is written once: the next print goes to the printer or to
        // a new file, never over this one.
        printer_.setOutputFileName(QString());
    }
    if (!ok) {
        return {PrintOutcome::Result::Failed, file};
    }
    return file.isEmpty() ? PrintOutcome{PrintOutcome::Result::Printed, {}}
                          : PrintOutcome{PrintOutcome::Result::SavedAsPdf, file};
}

QString QtPrinter::newPdfFile() const {
    const QDir folder(pdfFolder_);
    folder.mkpath(QStringLiteral("."));
    const QString stem =
        QStringLiteral("Sorvik1-Druck-") + clock_.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(folder.filePath(name)); ++n) {
        name = stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".pdf");
    }
    return folder.filePath(name);
}

} // namespace sorvik1
