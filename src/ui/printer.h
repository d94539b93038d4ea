#pragma once

#include "core/print/text_page.h"

#include <QString>

#include <vector>

class QImage;
class QWidget;

namespace sorvik1 {

// A printout of more pages than this is announced before it is made, and
// shows its progress while it is made.
inline constexpr int longPrintoutPages = 20;

// What became of a page sent to print.
struct PrintOutcome {
    enum class Result {
        Printed,    // handed to the printer
        SavedAsPdf, // written to `file`: no printer is installed, or the set-up dialog chose a file
        Failed,     // the printer, or the file named in `file`, reported an error
        Cancelled,  // the user stopped it while the pages were made; no file is left
    };
    Result result = Result::Printed;
    QString file;
    // For a file that failed: the German message naming the cause. Braced,
    // so that an outcome may be written without it.
    QString cause{};

    bool operator==(const PrintOutcome&) const = default;
};

// The printer behind the print buttons. The window holds one for its whole
// life, so choices made in the set-up dialog hold for later pages too; tests
// give the window a fake. A print handler uses it like this:
//
//   if (answer == Yes && !printer.setupDialog(this)) return; // set-up cancelled
//   const PrintOutcome outcome = printer.printReport(buildReport(input).lines);
//   // SavedAsPdf: tell the user outcome.file; Failed: an error message.
class Printer {
  public:
    virtual ~Printer() = default;

    // Shows the printer set-up dialog; false when the user cancels it.
    virtual bool setupDialog(QWidget* parent) = 0;
    // How many pages printReport fills with the lines, so that a long
    // printout can be announced first. A printer without pages of its own
    // counts one.
    virtual int reportPages(const std::vector<PrintLine>& lines) {
        static_cast<void>(lines);
        return 1;
    }
    // Prints the lines on as many pages as they need.
    virtual PrintOutcome printReport(const std::vector<PrintLine>& lines) = 0;
    // Prints the image on one page, as large as fits, keeping its proportions.
    virtual PrintOutcome printImage(const QImage& image) = 0;
};

} // namespace sorvik1
