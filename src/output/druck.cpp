#include "app/form1.h"

#include "core/print/report.h"
#include "ui/caption_label.h"
#include "ui/clock.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/printer.h"

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

void Form1::okdruck_Click() {
    if (!askPrinterSettings()) {
        return;
    }
    sorvik1::ReportInput input;
    input.date = utf8(sorvik1::reportDate(clock_->now().date()));
    input.instruction = utf8(text->caption());
    input.anzahl = anzahl;
    input.wurf = wurf;
    // Before "OK" the report shows the figure as drawn on the grid. The grid
    // is read either way, which leaves its cursor where printing always has.
    const int gridRow = tabelle1->row();
    const int gridCol = tabelle1->col();
    for (int p = 1; p <= 20; ++p) {
        tabelle1->setCol(1);
        tabelle1->setRow(p - 1);
        auto& mark = input.marks[static_cast<std::size_t>(p - 1)];
        if (tabelle1->cellBackColor() == sorvik1::cellRed) {
            mark = sorvik1::FigureMark::Red;
        } else {
            tabelle1->setCol(2);
            if (tabelle1->cellBackColor() == sorvik1::cellBlack) {
                mark = sorvik1::FigureMark::Black;
            }
        }
    }
    // While a figure is active, its count belongs to it, not to marks drawn
    // on the grid since: the report pairs the count with the figure searched.
    if (figende > 0) {
        for (std::size_t p = 1; p <= input.marks.size(); ++p) {
            input.marks[p - 1] = figur[p] == sorvik1::red     ? sorvik1::FigureMark::Red
                                 : figur[p] == sorvik1::black ? sorvik1::FigureMark::Black
                                                              : sorvik1::FigureMark::None;
        }
    }
    input.foundCount = utf8(lmenge->caption());
    input.found = &Liste->entries();

    const sorvik1::Report report = sorvik1::buildReport(input);
    // A long printout is announced; "Nein" leaves the trainer as the
    // cancelled settings question does.
    if (!printLongReport(printer_->reportPages(report.lines))) {
        tabelle1->setCol(gridCol);
        tabelle1->setRow(gridRow);
        return;
    }
    zeichen = QString::fromStdString(report.strings.zeichen);
    textzeile = QString::fromStdString(report.strings.textzeile);
    kreuz = QString::fromStdString(report.strings.kreuz);
    const sorvik1::PrintOutcome outcome = printer_->printReport(report.lines);
    tabelle1->setRow(20);
    reportPrintOutcome(outcome);
}
