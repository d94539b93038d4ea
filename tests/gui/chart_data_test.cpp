#include "auswertung/chart_data.h"

#include "case_name.h"

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

TEST(CumulativeDeviation, AddsUpInDateOrderAndCountsTheUndated) {
    const auto a = dated("03.01.2020", 10, 8);
    const auto b = dated("01.01.2020", 5, 6);
    const auto c = dated("ohne", 1, 1);
    const auto d = dated("02.01.2020", 7, 7.5);
    const auto result = cumulativeDeviation({&a, &b, &c, &d});
    EXPECT_EQ(result.undated, 1);
    ASSERT_EQ(result.points.size(), 3u);
    EXPECT_EQ(result.points[0], std::make_pair(QDate(2020, 1, 1), -1.0));
    EXPECT_EQ(result.points[1], std::make_pair(QDate(2020, 1, 2), -1.5));
    EXPECT_EQ(result.points[2], std::make_pair(QDate(2020, 1, 3), 0.5));
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
