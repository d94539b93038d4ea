#include "trainer/print_support.h"
#include "ui/qt_printer.h"

#include <QImage>
#include <QPageSize>
#include <QRegularExpression>

namespace {

using sorvik1::PrintOutcome;
using sorvik1::test::toolOutput;

struct ImageCase {
    const char* name;
    int width;
    int height;
};

class ImagePrint : public sorvik1::test::PdfPrintTest,
                   public testing::WithParamInterface<ImageCase> {};

TEST_P(ImagePrint, PutsOneUndistortedImageOnThePage) {
    QImage image(GetParam().width, GetParam().height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    sorvik1::QtPrinter printer(clock, folder.path());

    const PrintOutcome outcome = printer.printImage(image);
    ASSERT_EQ(outcome.result, PrintOutcome::Result::SavedAsPdf);

    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    const QStringList rows =
        toolOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), outcome.file})
            .split('\n', Qt::SkipEmptyParts)
            .mid(2);
    ASSERT_EQ(rows.size(), 1);
    const QStringList cells =
        rows[0].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    ASSERT_GE(cells.size(), 14);
    EXPECT_EQ(cells[3].toInt(), GetParam().width);
    EXPECT_EQ(cells[4].toInt(), GetParam().height);
    const double xPpi = cells[12].toDouble();
    const double yPpi = cells[13].toDouble();
    EXPECT_NEAR(xPpi, yPpi, 1.0);
    // Within the largest page size the printer may be set to.
    const QSizeF page = QPageSize(QPageSize::Letter)
                            .size(QPageSize::Inch)
                            .expandedTo(QPageSize(QPageSize::A4).size(QPageSize::Inch));
    EXPECT_LE(GetParam().width / xPpi, page.width());
    EXPECT_LE(GetParam().height / yPpi, page.height());
}

INSTANTIATE_TEST_SUITE_P(Shapes, ImagePrint,
                         testing::Values(ImageCase{"Window", 638, 477},
                                         ImageCase{"Wide", 3000, 100},
                                         ImageCase{"Tall", 100, 3000}),
                         [](const testing::TestParamInfo<ImageCase>& c) { return c.param.name; });

} // namespace
