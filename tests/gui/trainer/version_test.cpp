// The window's title and the printed page carry the version in their own
// fixed forms; they must follow the project's version when it changes.
#include "core/print/report.h"
#include "window_fixture.h"

#include <algorithm>

namespace {

TEST_F(WindowTest, TitleAndReportShowTheProjectsMajorAndMinorVersion) {
    const QString title = QStringLiteral("dwrel / V%1.%2")
                              .arg(SORVIK1_VERSION_MAJOR, 2, 10, QLatin1Char('0'))
                              .arg(SORVIK1_VERSION_MINOR, 2, 10, QLatin1Char('0'));
    EXPECT_TRUE(form.windowTitle().contains(title)) << form.windowTitle().toStdString();

    const std::string report = QStringLiteral("dwrel %1.%2")
                                   .arg(SORVIK1_VERSION_MAJOR, 2, 10, QLatin1Char('0'))
                                   .arg(SORVIK1_VERSION_MINOR)
                                   .toStdString();
    const auto lines = sorvik1::buildReport(sorvik1::ReportInput{}).lines;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const sorvik1::PrintLine& line) {
        return std::any_of(line.begin(), line.end(), [&](const sorvik1::PrintSpan& span) {
            return span.text.find(report) != std::string::npos;
        });
    })) << report;
}

} // namespace
