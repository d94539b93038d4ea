#include "core/print/report.h"
#include "trainer/print_support.h"
#include "ui/clock.h"
#include "ui/qt_printer.h"

#include <QRegularExpression>
#include <QStringList>

#include <gmock/gmock.h>

namespace {

using sorvik1::FigureMark;
using sorvik1::PrintOutcome;
using sorvik1::test::toolOutput;

const char* const startUpInstruction = " Definieren Sie zunächst auf der linken Seite\r"
                                       "  eine beliebige  Figur.  Wo Sie die Figur  im\r"
                                       "  Feld plazieren ist egal.  Lücken dürfen sein.\r"
                                       "  Wenn Sie fertig sind, die OK-Taste drücken";

class ReportPrint : public sorvik1::test::PdfPrintTest {
  protected:
    // Prints the report as a new user sees it after a long run and returns
    // the text of the PDF, laid out as on the page.
    QString printedText() {
        sorvik1::QtPrinter printer(clock, folder.path());
        const PrintOutcome outcome = printer.printReport(sorvik1::buildReport(input).lines);
        EXPECT_EQ(outcome.result, PrintOutcome::Result::SavedAsPdf);
        return toolOutput(QStringLiteral("pdftotext"),
                          {QStringLiteral("-layout"), outcome.file, QStringLiteral("-")});
    }

    void SetUp() override {
        PdfPrintTest::SetUp();
        input.date = sorvik1::reportDate(clock.now().date()).toStdString();
        input.instruction = startUpInstruction;
        input.anzahl = 1'000'000;
        input.wurf = 999'999;
        input.marks[0] = FigureMark::Red;
        input.marks[1] = FigureMark::Black;
        for (int i = 0; i < 400; ++i) {
            found << QString::number(17 + 2'477 * i);
            foundEntries.append(found.back().toStdString());
        }
        input.found = &foundEntries;
        input.foundCount = "400";
    }

    sorvik1::ReportInput input;
    QStringList found;
    sorvik1::TextList foundEntries;
};

TEST_F(ReportPrint, ShowsEveryValueOnThePage) {
    const QString text = printedText();
    const QString flat = text.simplified();

    EXPECT_THAT(flat.toStdString(), testing::HasSubstr("Datum: 03.02.24"));
    EXPECT_TRUE(flat.contains(QRegularExpression("T ?a ?m ?b ?l ?o / ?Q ?V / ?S ?o ?r ?v ?i ?k ?1 "
                                                 "dwrel 03\\.1")))
        << text.toStdString();
    EXPECT_THAT(flat.toStdString(),
                testing::HasSubstr(QString(startUpInstruction)
                                       .replace(QLatin1Char('\r'), QStringLiteral(" / "))
                                       .simplified()
                                       .toStdString()));
    EXPECT_THAT(flat.toStdString(),
                testing::HasSubstr("Anzahl Würfe: 1000000 Anzahl akut : 999999"));
    EXPECT_THAT(flat.toStdString(), testing::HasSubstr("Anzahl gefundener Figuren: 400"));
}

TEST_F(ReportPrint, MarksStandUnderTheirColourInTheFigureTable) {
    const QStringList lines = printedText().split('\n');
    const auto lineOf = [&](const QString& pattern) {
        const QRegularExpression re(pattern);
        for (const QString& line : lines) {
            if (re.match(line).hasMatch()) {
                return line;
            }
        }
        ADD_FAILURE() << "no line matches " << pattern.toStdString();
        return QString();
    };

    const QString heading = lineOf(QStringLiteral("^\\s+Stelle\\s+Figur\\s*$"));
    const QString red = lineOf(QStringLiteral("^\\s+1\\s+X\\s*$"));
    const QString black = lineOf(QStringLiteral("^\\s+2\\s+X\\s*$"));
    EXPECT_LT(red.indexOf('X'), black.indexOf('X'));
    EXPECT_LE(std::abs(red.indexOf('X') - heading.indexOf(QStringLiteral("Figur"))), 1);
    for (int p = 3; p <= 20; ++p) {
        lineOf(QStringLiteral("^\\s+%1\\s*$").arg(p));
    }
}

TEST_F(ReportPrint, EveryFoundSpinIsPrintedAcrossThePages) {
    const QString text = printedText();
    EXPECT_GE(text.count('\f'), 2) << "the found spins should need a second page";

    const QString listed = text.mid(text.indexOf(QStringLiteral("Bei Wurf:")));
    QStringList printed;
    for (const auto& match : QRegularExpression(QStringLiteral("(\\d+) ,")).globalMatch(listed)) {
        printed << match.captured(1);
    }
    EXPECT_EQ(printed, found);
}

} // namespace
