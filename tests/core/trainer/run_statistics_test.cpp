#include "core/laws/first_occurrence.h"
#include "core/trainer/run_statistics.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/spin_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

sorvik1::Figure figureOf(const std::string& text) {
    return sorvik1::parseFigure(text).figure;
}

struct TrainerCount {
    double mean = 0;
    double variance = 0;
    double chanceOfAny = 0;
};

// Every run of `runSpins` spins, weighted by its chance, counted as the
// trainer counts it: each start among the first `shown` spins that the
// figure test finds, looking ahead into the run and its zero margin.
TrainerCount enumerateRuns(const sorvik1::Figure& figure, int runSpins, int shown) {
    // One number of each colour stands for all of them: 0 zero, 1 red, 2 black.
    const double chanceOf[] = {1.0 / 37.0, 18.0 / 37.0, 18.0 / 37.0};
    std::vector<std::int16_t> zahlen(static_cast<std::size_t>(runSpins + 21), 0);
    const auto source = sorvik1::SpinSource::drawn(sorvik1::wheelColours(), zahlen);
    TrainerCount truth;
    double square = 0;
    for (;;) {
        double chance = 1;
        for (int n = 1; n <= runSpins; ++n) {
            chance *= chanceOf[zahlen[static_cast<std::size_t>(n)]];
        }
        int count = 0;
        for (int s = 1; s <= shown; ++s) {
            count += figure.startsAt(source, s) ? 1 : 0;
        }
        truth.mean += chance * count;
        square += chance * count * count;
        truth.chanceOfAny += count > 0 ? chance : 0;
        int n = 1;
        while (n <= runSpins && ++zahlen[static_cast<std::size_t>(n)] == 3) {
            zahlen[static_cast<std::size_t>(n++)] = 0;
        }
        if (n > runSpins) {
            break;
        }
    }
    truth.variance = square - truth.mean * truth.mean;
    return truth;
}

struct RunCase {
    std::string figure;
    int runSpins;
    int shown;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.figure << " at " << c.shown << " of " << c.runSpins;
}

class AgainstTrainerCount : public testing::TestWithParam<RunCase> {};

// The window puts the listed count beside these figures, so they must be the
// moments of exactly what the trainer lists, at the start, in the middle and
// at the end of a run, where the look-ahead is cut off.
TEST_P(AgainstTrainerCount, FiguresAreThoseOfTheListedCount) {
    const auto& c = GetParam();
    const auto figure = figureOf(c.figure);
    const auto truth = enumerateRuns(figure, c.runSpins, c.shown);
    const auto statistics = sorvik1::runStatistics(figure, {c.shown, c.runSpins, 0, 0, 0});
    EXPECT_NEAR(statistics.moments.expected, truth.mean, 1e-12);
    EXPECT_NEAR(statistics.moments.variance, truth.variance, 1e-12);
    const auto first =
        sorvik1::firstOccurrence(figure, statistics.coveredSpins, sorvik1::ZeroRule::Breaks);
    ASSERT_TRUE(first.chanceWithin.has_value());
    EXPECT_NEAR(*first.chanceWithin, truth.chanceOfAny, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Runs, AgainstTrainerCount,
                         testing::Values(RunCase{"r", 6, 0}, RunCase{"r", 6, 4},
                                         RunCase{"rr", 7, 1}, RunCase{"rr", 7, 3},
                                         RunCase{"rr", 7, 7}, RunCase{"r.s", 7, 2},
                                         RunCase{"r.s", 7, 5}, RunCase{"r.s", 7, 6},
                                         RunCase{"rsr", 8, 4}, RunCase{"r..r", 7, 7},
                                         RunCase{"r..r", 3, 3}));

struct Distance {
    std::int64_t occurrences;
    std::int64_t first;
    std::int64_t last;
    std::optional<double> expected;
};

void PrintTo(const Distance& d, std::ostream* os) {
    *os << d.occurrences << " from " << d.first << " to " << d.last;
}

class ObservedDistance : public testing::TestWithParam<Distance> {};

TEST_P(ObservedDistance, SpreadsTheListedStartsOverTheirGaps) {
    const auto& c = GetParam();
    const auto statistics =
        sorvik1::runStatistics(figureOf("rr"), {100, 100, c.occurrences, c.first, c.last});
    EXPECT_EQ(statistics.observedDistance, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Starts, ObservedDistance,
                         testing::Values(Distance{0, 0, 0, std::nullopt},
                                         Distance{1, 17, 17, std::nullopt}, Distance{2, 5, 9, 4.0},
                                         Distance{3, 5, 17, 6.0}, Distance{4, 1, 2, 1.0 / 3.0}));

TEST(RunStatistics, ZScoreOfTheListedCount) {
    const auto figure = figureOf("rs");
    const auto statistics = sorvik1::runStatistics(figure, {50, 200, 30, 1, 49});
    const auto moments = sorvik1::countMoments(figure, 51, sorvik1::ZeroRule::Breaks);
    EXPECT_DOUBLE_EQ(statistics.zScore, (30 - moments.expected) / moments.standardDeviation);
    EXPECT_TRUE(std::isnan(sorvik1::runStatistics(figure, {0, 200, 0, 0, 0}).zScore));
}

TEST(RunStatistics, NoFigureCoversNothing) {
    const auto statistics = sorvik1::runStatistics(sorvik1::Figure{}, {50, 200, 0, 0, 0});
    EXPECT_EQ(statistics.coveredSpins, 0);
    EXPECT_EQ(statistics.moments.expected, 0);
}

} // namespace
