#pragma once

#include "ui/clock.h"

#include <QDateTime>
#include <QPrinterInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace sorvik1::test {

class FixedClock final : public Clock {
  public:
    explicit FixedClock(QDateTime time) : time_(std::move(time)) {}
    QDateTime now() const override { return time_; }

  private:
    QDateTime time_;
};

// Prints into PDF files in a temporary folder, at a fixed time.
class PdfPrintTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            GTEST_SKIP() << "a printer is installed: the page would go to paper";
        }
        ASSERT_TRUE(folder.isValid());
    }

    QString pdfPath(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    FixedClock clock{QDateTime(QDate(2024, 2, 3), QTime(14, 5, 6))};
};

// What a command-line tool prints; the test fails if the tool does not run.
inline QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60'000);
    EXPECT_TRUE(finished && process.exitCode() == 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace sorvik1::test
