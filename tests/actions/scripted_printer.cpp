#include "scripted_printer.h"

#include "ui/clock.h"
#include "ui/qt_printer.h"

#include <QPrinterInfo>

namespace {

class FixedClock final : public sorvik1::Clock {
  public:
    QDateTime now() const override { return QDateTime(QDate(2024, 2, 3), QTime(14, 5, 6)); }
};

} // namespace

ScriptedPrinter::ScriptedPrinter(const QString& pdfFolder)
    : pdfFolder_(pdfFolder), clock_(std::make_unique<FixedClock>()) {}

ScriptedPrinter::~ScriptedPrinter() = default;

bool ScriptedPrinter::setupDialog(QWidget*) {
    ++setups;
    return next.setupAccepted;
}

sorvik1::PrintOutcome ScriptedPrinter::printReport(const std::vector<sorvik1::PrintLine>& lines) {
    ++reports;
    lastReport = lines;
    sorvik1::Printer* real = realPrinter();
    last = real ? real->printReport(lines) : scripted();
    return last;
}

sorvik1::PrintOutcome ScriptedPrinter::printImage(const QImage& image) {
    ++images;
    sorvik1::Printer* real = realPrinter();
    last = real ? real->printImage(image) : scripted();
    return last;
}

// A page must never reach paper: only without an installed printer does the
// print service write the PDF file.
sorvik1::Printer* ScriptedPrinter::realPrinter() {
    if (!next.realPdf || !QPrinterInfo::availablePrinters().isEmpty()) {
        return nullptr;
    }
    if (!real_) {
        real_ = std::make_unique<sorvik1::QtPrinter>(*clock_, pdfFolder_);
    }
    return real_.get();
}

sorvik1::PrintOutcome ScriptedPrinter::scripted() const {
    using Result = sorvik1::PrintOutcome::Result;
    switch (next.outcome) {
    case PrintScript::Outcome::Printed:
        return {Result::Printed, {}};
    case PrintScript::Outcome::SavedAsPdf:
        return {Result::SavedAsPdf, pdfFolder_ + QStringLiteral("/Sorvik1-Druck.pdf")};
    case PrintScript::Outcome::Failed:
        return {Result::Failed, {}};
    }
    return {};
}
