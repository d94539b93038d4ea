#include "auswertung/chart_data.h"
#include "auswertung/evaluation_charts.h"

#include "case_name.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <cmath>

namespace {

sorvik1::FileEvaluation dated(const std::string& date, std::int64_t found = 0,
                              double expected = 0) {
    sorvik1::FileEvaluation file;
    file.header = {"Spielbank", "Tisch", date};
    file.found = found;
    file.moments.expected = expected;
    return file;
}

struct DateCase {
    std::string name;
    std::string header;
    QDate date; // invalid: no date
};

class HeaderDate : public testing::TestWithParam<DateCase> {};

TEST_P(HeaderDate, ReadsGermanAndIsoDatesOnly) {
    const auto read = headerDate(dated(GetParam().header));
    EXPECT_EQ(read.value_or(QDate()), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Headers, HeaderDate,
                         testing::Values(DateCase{"German", "24.04.2019", QDate(2019, 4, 24)},
                                         DateCase{"Short", " 4.5.2019 ", QDate(2019, 5, 4)},
                                         DateCase{"Iso", "2019-04-24", QDate(2019, 4, 24)},
                                         DateCase{"NoSuchDay", "31.02.2019", QDate()},
                                         DateCase{"TwoDigitYear", "24.04.19", QDate()},
                                         DateCase{"Trailing", "24.04.2019 Abend", QDate()},
                                         DateCase{"Words", "Permanenz", QDate()},
                                         DateCase{"Empty", "", QDate()}),
                         CaseName());

TEST(CumulativeDeviation, AddsUpInDateOrderOnePointPerDateAndCountsTheUndated) {
    const auto a = dated("03.01.2020", 10, 8);
    const auto b = dated("01.01.2020", 5, 6);
    const auto c = dated("ohne", 1, 1);
    const auto d = dated("02.01.2020", 7, 7.5);
    const auto e = dated("2020-01-02", 4, 5);
    const auto f = dated("02.01.2020", 6, 5);
    const auto result = cumulativeDeviation({&a, &b, &c, &d, &e, &f});
    EXPECT_EQ(result.undated, 1);
    ASSERT_EQ(result.points.size(), 3u);
    EXPECT_EQ(result.points[0], std::make_pair(QDate(2020, 1, 1), -1.0));
    EXPECT_EQ(result.points[1], std::make_pair(QDate(2020, 1, 2), -1.5));
    EXPECT_EQ(result.points[2], std::make_pair(QDate(2020, 1, 3), 0.5));
}

std::vector<const sorvik1::FileEvaluation*>
pointers(const std::vector<sorvik1::FileEvaluation>& v) {
    std::vector<const sorvik1::FileEvaluation*> out;
    for (const auto& file : v) {
        out.push_back(&file);
    }
    return out;
}

// Up to 30 files each point is named on the axis, and always in a tool tip;
// the course has one point per date and its ticks fall on whole days.
TEST(EvaluationCharts, NameEveryFileAndTickWholeDays) {
    std::vector<sorvik1::FileEvaluation> files;
    for (const char* path : {"/x/a.txt", "/y/a.txt", "/x/b.txt"}) {
        files.push_back(dated("24.04.2019", 10, 8.5));
        files.back().path = path;
        files.back().z = 1.25;
    }
    files.back().header[2] = "30.04.2019";
    EvaluationCharts charts;
    charts.showFiles(pointers(files));
    const QChart* z = charts.findChild<QChartView*>(QStringLiteral("zDiagramm"))->chart();
    auto* names = qobject_cast<QCategoryAxis*>(z->axes(Qt::Horizontal).front());
    ASSERT_NE(names, nullptr);
    QStringList labels = names->categoriesLabels();
    labels.replaceInStrings(QString(QChar(0x200B)), QString());
    EXPECT_EQ(labels, (QStringList{"a.txt", "a.txt", "b.txt"}));
    auto* points = qobject_cast<QScatterSeries*>(z->series().back());
    emit points->hovered(QPointF(2, 1.25), true);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("/y/a.txt\nz-Wert 1,25"));

    const QChart* course =
        charts.findChild<QChartView*>(QStringLiteral("abweichungDiagramm"))->chart();
    EXPECT_EQ(qobject_cast<QLineSeries*>(course->series().front())->count(), 2);
    const auto* days = qobject_cast<QDateTimeAxis*>(course->axes(Qt::Horizontal).front());
    const qint64 span = days->min().msecsTo(days->max());
    constexpr qint64 dayMs = 24LL * 3600 * 1000;
    EXPECT_EQ(span % (dayMs * (days->tickCount() - 1)), 0) << span;
    const auto* deviation = qobject_cast<QValueAxis*>(course->axes(Qt::Vertical).front());
    const double step = (deviation->max() - deviation->min()) / (deviation->tickCount() - 1);
    EXPECT_DOUBLE_EQ(step, std::round(step)) << "a deviation of 4.5 steps in whole numbers";

    files.resize(31, files.front());
    charts.showFiles(pointers(files));
    EXPECT_NE(qobject_cast<QValueAxis*>(z->axes(Qt::Horizontal).front()), nullptr);
}

// However far a series is thinned, its lowest and highest points stay, in
// the order they came.
TEST(Thinned, KeepsTheExtremesInOrder) {
    std::vector<QPointF> points;
    for (int i = 0; i < 10000; ++i) {
        points.emplace_back(i, std::sin(i * 0.01) + (i == 4321 ? 50 : 0) - (i == 77 ? 50 : 0));
    }
    const auto kept = thinned(points, 100);
    EXPECT_LE(kept.size(), 102u);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end(),
                               [](const QPointF& p, const QPointF& q) { return p.x() < q.x(); }));
    EXPECT_NE(std::find(kept.begin(), kept.end(), points[4321]), kept.end());
    EXPECT_NE(std::find(kept.begin(), kept.end(), points[77]), kept.end());
    EXPECT_EQ(thinned(std::vector<QPointF>(points.begin(), points.begin() + 50), 100).size(), 50u);
}

} // namespace
