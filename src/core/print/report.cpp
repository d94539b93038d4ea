#include "core/print/report.h"

#include "core/text/utf8.h"

namespace sorvik1 {
namespace {

// The occurrence list goes on a second line after this many entries.
constexpr std::size_t entriesOnFirstLine = 17;

ReportStrings flatten(const std::string& instruction) {
    ReportStrings strings;
    for (std::size_t i = 0; i < instruction.size();) {
        const std::size_t next = i + utf8Offset(std::string_view(instruction).substr(i), 1);
        strings.zeichen = instruction.substr(i, next - i);
        if (strings.zeichen == "\r") {
            strings.zeichen = " / ";
        }
        strings.textzeile += strings.zeichen;
        i = next;
    }
    return strings;
}

void printHeading(TextPage& page, const ReportInput& input) {
    page.endLine();
    page.endLine();
    page.setBold(true);
    page.tab(15);
    page.text("Datum: ");
    page.text(input.date);
    page.setUnderline(true);
    page.tab(39);
    page.text(" T a m b l o / Q V / S o r v i k 1   dwrel 03.1");
    page.setUnderline(false);
    page.setBold(false);
    page.endLine();
    page.endLine();
    page.endLine();
}

void printCounts(TextPage& page, const ReportInput& input) {
    page.tab(15);
    page.text("Anzahl Würfe:  ");
    page.number(input.anzahl);
    page.endLine();
    page.endLine();
    page.tab(15);
    page.text("Anzahl akut :   ");
    page.number(input.wurf);
    page.endLine();
    page.endLine();
    page.endLine();
}

// Returns the mark printed for the last position.
std::string printFigure(TextPage& page, const ReportInput& input) {
    page.setUnderline(true);
    page.tab(19);
    page.text("Stelle");
    page.tab(30);
    page.text("Figur");
    page.setUnderline(false);
    page.endLine();
    page.endLine();
    std::string kreuz;
    for (std::size_t p = 0; p < input.marks.size(); ++p) {
        page.tab(20);
        page.number(static_cast<double>(p + 1));
        page.tab(30);
        kreuz = input.marks[p] == FigureMark::None ? "" : "X";
        if (input.marks[p] == FigureMark::Black) {
            page.tab(33);
        }
        page.text(kreuz);
        page.endLine();
    }
    page.endLine();
    page.endLine();
    return kreuz;
}

void printOccurrences(TextPage& page, const ReportInput& input) {
    page.tab(15);
    page.text("Anzahl gefundener Figuren:  ");
    page.text(input.foundCount);
    page.endLine();
    page.endLine();
    page.tab(15);
    page.text("Bei Wurf:  ");
    const std::size_t entries = input.found != nullptr ? input.found->size() : 0;
    for (std::size_t i = 0; i < entries; ++i) {
        std::string entry = input.found->at(i);
        entry.append(" ,");
        page.item(entry);
        if (i + 1 == entriesOnFirstLine) {
            page.endLine();
            page.tab(reportContinuationColumn);
        }
    }
}

// The instruction text on one line. The end mark of a run is one unit: it
// moves whole to the next line rather than break between its words.
void printInstruction(TextPage& page, std::string_view line) {
    const std::size_t at = line.find(reportEndMark);
    if (at == std::string_view::npos) {
        page.text(line);
        return;
    }
    page.text(line.substr(0, at));
    page.item(reportEndMark);
    page.text(line.substr(at + reportEndMark.size()));
}

} // namespace

Report buildReport(const ReportInput& input, int columns) {
    TextPage page(columns, reportContinuationColumn);
    Report report;
    printHeading(page, input);
    report.strings = flatten(input.instruction);
    page.tab(15);
    printInstruction(page, report.strings.textzeile);
    page.endLine();
    page.endLine();
    printCounts(page, input);
    report.strings.kreuz = printFigure(page, input);
    printOccurrences(page, input);
    report.lines = page.finish();
    return report;
}

} // namespace sorvik1
