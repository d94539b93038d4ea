#pragma once

#include "ui/clock.h"
#include "ui/printer.h"

#include <QPrinter>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace sorvik1 {

// Prints through the system's print service. Without an installed printer a
// page is not lost: it is written as "Sorvik1-Druck-<yyyyMMdd-HHmmss>.pdf" in
// `pdfFolder`, with a number added where that name is taken.
class QtPrinter final : public Printer {
  public:
    // `clock` names the PDF files and must outlive the printer.
    explicit QtPrinter(const Clock& clock, QString pdfFolder = defaultPdfFolder());

    bool setupDialog(QWidget* parent) override;
    int reportPages(const std::vector<PrintLine>& lines) override;
    PrintOutcome printReport(const std::vector<PrintLine>& lines) override;
    PrintOutcome printImage(const QImage& image) override;

    // The user's documents folder, or the home folder when there is none.
    static QString defaultPdfFolder();

  private:
    // Paints the document; false when the user cancelled it.
    using Paint = std::function<bool(QPainter&, QPagedPaintDevice&)>;
    PrintOutcome print(const Paint& paint);
    PrintOutcome printPdf(const QString& file, const Paint& paint);
    QString newPdfFile() const;

    const Clock& clock_;
    QString pdfFolder_;
    QPrinter printer_{QPrinter::HighResolution};
};

} // namespace sorvik1
