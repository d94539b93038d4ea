#include "trainer/print_support.h"
#include "ui/qt_printer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProgressDialog>
#include <QTimer>

namespace {

using sorvik1::PrintOutcome;
using sorvik1::QtPrinter;
using Result = PrintOutcome::Result;

class PdfFallback : public sorvik1::test::PdfPrintTest {};

TEST_F(PdfFallback, EveryPrintGetsAFileOfItsOwn) {
    const QString documents = pdfPath(QStringLiteral("Dokumente/neu"));
    QtPrinter printer(clock, documents);
    const QImage image(40, 30, QImage::Format_RGB32);
    const std::vector<sorvik1::PrintLine> lines = {{{1, "Text", false, false}}};

    const PrintOutcome first = printer.printReport(lines);
    const PrintOutcome second = printer.printImage(image);
    const PrintOutcome third = printer.printReport(lines);

    const QDir saved(documents);
    EXPECT_EQ(first, (PrintOutcome{Result::SavedAsPdf,
                                   saved.filePath("Sorvik1-Druck-20240203-140506.pdf")}));
    EXPECT_EQ(second, (PrintOutcome{Result::SavedAsPdf,
                                    saved.filePath("Sorvik1-Druck-20240203-140506-2.pdf")}));
    EXPECT_EQ(third, (PrintOutcome{Result::SavedAsPdf,
                                   saved.filePath("Sorvik1-Druck-20240203-140506-3.pdf")}));
    for (const PrintOutcome& outcome : {first, second, third}) {
        QFile file(outcome.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    }
}

TEST_F(PdfFallback, AFolderThatCannotBeWrittenIsAFailure) {
    QFile blocker(pdfPath(QStringLiteral("keine-Mappe")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString documents = pdfPath(QStringLiteral("keine-Mappe/Dokumente"));
    QtPrinter printer(clock, documents);

    const PrintOutcome outcome = printer.printReport({{{1, "Text", false, false}}});

    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.file, QDir(documents).filePath("Sorvik1-Druck-20240203-140506.pdf"));
    EXPECT_TRUE(outcome.cause.contains(QStringLiteral("nicht gespeichert")))
        << outcome.cause.toStdString();
    EXPECT_FALSE(QFileInfo::exists(outcome.file));
}

// Cancelling while the pages are made leaves no file behind.
TEST_F(PdfFallback, ACancelledPrintoutLeavesNoFile) {
    const QString documents = pdfPath(QStringLiteral("Dokumente"));
    QtPrinter printer(clock, documents);
    const std::vector<sorvik1::PrintLine> lines(3000, {{1, "Zeile", false, false}});
    ASSERT_GT(printer.reportPages(lines), 20);
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<QProgressDialog*>(widget)) {
                progress->cancel();
            }
        }
    });

    EXPECT_EQ(printer.printReport(lines).result, Result::Cancelled);
    EXPECT_TRUE(QDir(documents).entryList(QDir::Files).isEmpty());
}

} // namespace
