#include "core/laws/first_occurrence.h"
#include "core/laws/statistics.h"
#include "core/wheel/figure_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using sorvik1::ZeroRule;

sorvik1::Figure figureOf(const std::string& text) {
    return sorvik1::parseFigure(text).figure;
}

constexpr double p = 18.0 / 37.0;

struct ClosedForm {
    std::string figure;
    ZeroRule rule;
    double expectedWait;
};

void PrintTo(const ClosedForm& c, std::ostream* os) {
    *os << c.figure << (c.rule == ZeroRule::Breaks ? ", zero breaks" : ", zero skipped");
}

class WaitClosedForm : public testing::TestWithParam<ClosedForm> {};

TEST_P(WaitClosedForm, MatchesTheSumOverSelfOverlaps) {
    const auto first = sorvik1::firstOccurrence(figureOf(GetParam().figure), 1000, GetParam().rule);
    ASSERT_TRUE(first.expectedWait.has_value());
    EXPECT_NEAR(*first.expectedWait, GetParam().expectedWait, 1e-9 * GetParam().expectedWait)
        << GetParam().figure;
}

// Without free positions the wait is the sum of 1 / P(prefix) over the
// prefixes that are also suffixes.
INSTANTIATE_TEST_SUITE_P(
    Figures, WaitClosedForm,
    testing::Values(ClosedForm{"r", ZeroRule::Breaks, 1 / p},
                    ClosedForm{"rs", ZeroRule::Breaks, 1 / (p * p)},
                    ClosedForm{"rrr", ZeroRule::Breaks, 1 / p + 1 / (p * p) + 1 / (p * p * p)},
                    ClosedForm{"rsr", ZeroRule::Breaks, 1 / p + 1 / (p * p * p)},
                    ClosedForm{"rsrs", ZeroRule::Breaks, 1 / (p * p) + 1 / std::pow(p, 4)},
                    ClosedForm{"rrr", ZeroRule::Skipped, 14.0},
                    ClosedForm{"rrrrrrrrrrrrrrrrrrrr", ZeroRule::Skipped, std::pow(2.0, 21) - 2},
                    ClosedForm{"rsrsrsrsrsrsrsrsrsrs", ZeroRule::Breaks, [] {
                                   double sum = 0;
                                   for (int k = 2; k <= 20; k += 2) {
                                       sum += std::pow(p, -k);
                                   }
                                   return sum;
                               }()}));

// Every sequence of a few spins, weighted by its chance: the exact
// distribution of the count without any of the formulas under test.
struct Enumerated {
    double mean = 0;
    double variance = 0;
    double chanceOfAny = 0;
};

Enumerated enumerate(const sorvik1::Figure& figure, int spins, ZeroRule rule) {
    const auto chances = sorvik1::spinChances(rule);
    const int outcomes = rule == ZeroRule::Skipped ? 2 : 3;
    std::vector<int> sequence(static_cast<std::size_t>(spins), 0);
    double mean = 0, square = 0, any = 0;
    for (;;) {
        double chance = 1;
        for (const int colour : sequence) {
            chance *= colour == 0 && outcomes == 3 ? chances.zero : chances.colour;
        }
        int count = 0;
        for (int s = 0; s + figure.span() <= spins; ++s) {
            bool occurs = true;
            for (int offset = 0; offset < figure.span(); ++offset) {
                const int colour = sequence[static_cast<std::size_t>(s + offset)] + (3 - outcomes);
                occurs = occurs && (figure.at(offset) == 0 || figure.at(offset) == colour);
            }
            count += occurs ? 1 : 0;
        }
        mean += chance * count;
        square += chance * count * count;
        any += count > 0 ? chance : 0;
        int i = 0;
        while (i < spins && ++sequence[static_cast<std::size_t>(i)] == outcomes) {
            sequence[static_cast<std::size_t>(i++)] = 0;
        }
        if (i == spins) {
            break;
        }
    }
    return {mean, square - mean * mean, any};
}

struct EnumerationCase {
    std::string figure;
    int spins;
    ZeroRule rule;
};

void PrintTo(const EnumerationCase& c, std::ostream* os) {
    *os << c.figure << " in " << c.spins << (c.rule == ZeroRule::Skipped ? " skipped" : "");
}

class AgainstEnumeration : public testing::TestWithParam<EnumerationCase> {};

TEST_P(AgainstEnumeration, MomentsAndChanceOfAnyAreExact) {
    const auto figure = figureOf(GetParam().figure);
    const auto truth = enumerate(figure, GetParam().spins, GetParam().rule);
    const auto moments = sorvik1::countMoments(figure, GetParam().spins, GetParam().rule);
    const auto first = sorvik1::firstOccurrence(figure, GetParam().spins, GetParam().rule);
    EXPECT_NEAR(moments.expected, truth.mean, 1e-12);
    EXPECT_NEAR(moments.variance, truth.variance, 1e-12);
    ASSERT_TRUE(first.chanceWithin.has_value());
    EXPECT_NEAR(*first.chanceWithin, truth.chanceOfAny, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Figures, AgainstEnumeration,
                         testing::Values(EnumerationCase{"r", 5, ZeroRule::Breaks},
                                         EnumerationCase{"rr", 9, ZeroRule::Breaks},
                                         EnumerationCase{"rs", 9, ZeroRule::Breaks},
                                         EnumerationCase{"r.s", 9, ZeroRule::Breaks},
                                         EnumerationCase{"r.r", 9, ZeroRule::Breaks},
                                         EnumerationCase{"rr.r", 10, ZeroRule::Breaks},
                                         EnumerationCase{"r..s.r", 10, ZeroRule::Breaks},
                                         EnumerationCase{"rsr", 3, ZeroRule::Breaks},
                                         EnumerationCase{"rsr", 2, ZeroRule::Breaks},
                                         EnumerationCase{"r.s", 12, ZeroRule::Skipped},
                                         EnumerationCase{"rrs.r", 14, ZeroRule::Skipped}));

TEST(CountMoments, AreZeroWhenTheFigureDoesNotFit) {
    const auto moments = sorvik1::countMoments(figureOf("r..r"), 3, ZeroRule::Breaks);
    EXPECT_EQ(moments.expected, 0);
    EXPECT_EQ(moments.variance, 0);
    EXPECT_NEAR(moments.meanDistance, 1 / (p * p), 1e-12);
    EXPECT_TRUE(std::isnan(sorvik1::zScore(1, moments)));
}

TEST(CountMoments, ZScoreCountsStandardDeviations) {
    const auto moments = sorvik1::countMoments(figureOf("r"), 3700, ZeroRule::Breaks);
    EXPECT_NEAR(moments.expected, 1800, 1e-9);
    EXPECT_NEAR(sorvik1::zScore(1800 + 2 * moments.standardDeviation, moments), 2.0, 1e-12);
}

TEST(FirstOccurrence, FigureWithTheLargestStateSpaceStillSettles) {
    // Any subset of the last 19 reds may still complete: 2^19 states.
    const auto first =
        sorvik1::firstOccurrence(figureOf("r..................r"), 100'000'000, ZeroRule::Breaks);
    ASSERT_TRUE(first.expectedWait.has_value());
    ASSERT_TRUE(first.chanceWithin.has_value());
    EXPECT_GT(*first.expectedWait, 19 + 1 / (p * p) * 0.5);
    EXPECT_DOUBLE_EQ(*first.chanceWithin, 1.0);
}

TEST(FirstOccurrence, ChanceWithinGrowsTowardsCertainty) {
    const auto figure = figureOf("rrrrrrrrrrrrrrrrrrrr");
    const double wait = *sorvik1::firstOccurrence(figure, 1, ZeroRule::Breaks).expectedWait;
    double previous = 0;
    for (const std::int64_t spins : {19LL, 20LL, 1000LL, 1'000'000LL, 100'000'000LL}) {
        const auto first = sorvik1::firstOccurrence(figure, spins, ZeroRule::Breaks);
        ASSERT_TRUE(first.chanceWithin.has_value());
        EXPECT_GE(*first.chanceWithin, previous) << spins;
        previous = *first.chanceWithin;
        // A rare figure's first occurrence is close to memoryless.
        if (spins >= 1000) {
            EXPECT_NEAR(previous, -std::expm1(-static_cast<double>(spins) / wait), 1e-4);
        }
    }
}

} // namespace
