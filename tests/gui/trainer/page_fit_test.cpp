#include "core/print/report.h"
#include "trainer/print_support.h"
#include "ui/report_painter.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace {

using sorvik1::test::toolOutput;

struct PageCase {
    const char* name;
    QPageSize::PageSizeId size;
};

class PageFit : public sorvik1::test::PdfPrintTest, public testing::WithParamInterface<PageCase> {};

// The widest text a report holds: the title in bold and the found spins of a
// run of ten million, in digits, which are wider than the average character.
TEST_P(PageFit, NoTextRunsPastTheRightMargin) {
    sorvik1::TextList found;
    for (int spin = 9'999'000; spin < 9'999'100; ++spin) {
        found.append(std::to_string(spin));
    }
    sorvik1::ReportInput input;
    input.found = &found;
    const QString file = pdfPath(QStringLiteral("page.pdf"));
    const qreal marginMm = 15;
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(GetParam().size));
        writer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm),
                              QPageLayout::Millimeter);
        QPainter painter(&writer);
        sorvik1::paintReport(painter, writer, sorvik1::buildReport(input).lines);
    }

    const QString boxes = toolOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    const qreal pageWidth = QPageSize(GetParam().size).size(QPageSize::Point).width();
    const qreal rightEdge = pageWidth - marginMm * 72 / 25.4;
    int words = 0;
    const QRegularExpression word(QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"[\\d.]+\" "
                                                 "xMax=\"([\\d.]+)\"[^>]*>([^<]*)<"));
    for (const auto& match : word.globalMatch(boxes)) {
        ++words;
        EXPECT_LE(match.captured(1).toDouble(), rightEdge + 0.5) << match.captured(2).toStdString();
    }
    EXPECT_GT(words, 100);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PageFit,
                         testing::Values(PageCase{"A4", QPageSize::A4},
                                         PageCase{"Letter", QPageSize::Letter}),
                         [](const testing::TestParamInfo<PageCase>& c) { return c.param.name; });

} // namespace
