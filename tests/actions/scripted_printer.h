#pragma once

#include "action.h"
#include "ui/printer.h"

#include <memory>

namespace sorvik1 {
class Clock;
class QtPrinter;
} // namespace sorvik1

// The window's printer as the driver scripts it: each page has the outcome
// that the action chose, and now and then it really goes through the
// system's print service into a PDF file in a temporary folder.
class ScriptedPrinter final : public sorvik1::Printer {
  public:
    explicit ScriptedPrinter(const QString& pdfFolder);
    ~ScriptedPrinter() override;

    PrintScript next;
    int setups = 0;
    int reports = 0;
    int images = 0;
    // What became of the last page, and the lines of the last report.
    sorvik1::PrintOutcome last;
    std::vector<sorvik1::PrintLine> lastReport;

    bool setupDialog(QWidget* parent) override;
    sorvik1::PrintOutcome printReport(const std::vector<sorvik1::PrintLine>& lines) override;
    sorvik1::PrintOutcome printImage(const QImage& image) override;

  private:
    sorvik1::PrintOutcome scripted() const;
    sorvik1::Printer* realPrinter();

    QString pdfFolder_;
    std::unique_ptr<sorvik1::Clock> clock_;
    std::unique_ptr<sorvik1::QtPrinter> real_;
};
