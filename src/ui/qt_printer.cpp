#include "ui/qt_printer.h"

#include "ui/file_save.h"
#include "ui/german_numbers.h"
#include "ui/report_painter.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QStandardPaths>

#include <memory>

namespace sorvik1 {
namespace {

// Top-centred, as large as the page allows.
void paintImage(QPainter& painter, const QImage& image) {
    const QSizeF page(painter.device()->width(), painter.device()->height());
    const QSizeF size = QSizeF(image.size()).scaled(page, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF((page.width() - size.width()) / 2, 0), size), image);
}

// Shows how far a long printout has come, in a modal dialog whose only
// input is "Abbrechen"; the windows repaint while the pages are made.
class PageProgress {
  public:
    // Before page `page` of `pages`; false once the user cancelled.
    bool next(std::size_t page, std::size_t pages) {
        if (pages <= static_cast<std::size_t>(longPrintoutPages)) {
            return true;
        }
        if (!dialog_) {
            dialog_ = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Abbrechen"), 0,
                                                        static_cast<int>(pages),
                                                        QApplication::activeWindow());
            dialog_->setWindowTitle(QStringLiteral(" Ausdruck Sorvik1"));
            dialog_->setWindowModality(Qt::ApplicationModal);
            dialog_->setAutoReset(false);
            // Shown at once: while it is up, no other window takes input.
            dialog_->show();
        }
        dialog_->setLabelText(QStringLiteral("Seite %1 von %2 wird erstellt …")
                                  .arg(germannumbers::whole(static_cast<std::int64_t>(page) + 1),
                                       germannumbers::whole(static_cast<std::int64_t>(pages))));
        dialog_->setValue(static_cast<int>(page));
        QCoreApplication::processEvents();
        return !dialog_->wasCanceled();
    }
    bool cancelled() const { return dialog_ && dialog_->wasCanceled(); }

  private:
    std::unique_ptr<QProgressDialog> dialog_;
};

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

int QtPrinter::reportPages(const std::vector<PrintLine>& lines) {
    return static_cast<int>(reportPageCount(printer_, lines));
}

PrintOutcome QtPrinter::printReport(const std::vector<PrintLine>& lines) {
    PageProgress progress;
    return print([&](QPainter& painter, QPagedPaintDevice& device) {
        paintReport(
            painter, device, lines, reportColumns,
            [&](std::size_t page, std::size_t pages) { return progress.next(page, pages); });
        return !progress.cancelled();
    });
}

PrintOutcome QtPrinter::printImage(const QImage& image) {
    return print([&](QPainter& painter, QPagedPaintDevice&) {
        paintImage(painter, image);
        return true;
    });
}

PrintOutcome QtPrinter::print(const Paint& paint) {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        // Qt falls back to PDF output without a printer; with no file named
        // it would write nowhere. A file is written once: the next print
        // goes to the printer or to a new file, never over this one.
        const QString file =
            printer_.outputFileName().isEmpty() ? newPdfFile() : printer_.outputFileName();
        printer_.setOutputFileName(QString());
        return printPdf(file, paint);
    }
    QPainter painter;
    if (!painter.begin(&printer_)) {
        return {PrintOutcome::Result::Failed, {}, {}};
    }
    if (!paint(painter, printer_)) {
        printer_.abort();
        painter.end();
        return {PrintOutcome::Result::Cancelled, {}, {}};
    }
    const bool ok = painter.end() && printer_.printerState() != QPrinter::Error &&
                    printer_.printerState() != QPrinter::Aborted;
    return {ok ? PrintOutcome::Result::Printed : PrintOutcome::Result::Failed, {}, {}};
}

// The whole document is made in memory on the printer's page and resolution,
// then saved at once, so a full disk never leaves a part of it behind.
PrintOutcome QtPrinter::printPdf(const QString& file, const Paint& paint) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setCreator(printer_.creator());
    pdf.setTitle(printer_.docName());
    pdf.setResolution(printer_.resolution());
    pdf.setPageLayout(printer_.pageLayout());
    QPainter painter;
    bool ok = painter.begin(&pdf);
    if (ok && !paint(painter, pdf)) {
        painter.end();
        return {PrintOutcome::Result::Cancelled, {}, {}}; // nothing was saved
    }
    ok = ok && painter.end();
    const QString cause =
        ok ? saveBytes(file, bytes.data())
           : QStringLiteral("Die PDF-Datei „%1“ ließ sich nicht erzeugen und wurde nicht "
                            "gespeichert.")
                 .arg(QDir::toNativeSeparators(file));
    if (!cause.isEmpty()) {
        return {PrintOutcome::Result::Failed, file, cause};
    }
    return {PrintOutcome::Result::SavedAsPdf, file, {}};
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
