#include "core/batch/figure_search.h"
#include "core/laws/absence_law.h"
#include "core/laws/gap_distribution.h"
#include "core/trainer/course.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

using sorvik1::ZeroRule;

sorvik1::Figure figureOf(const std::string& text) {
    return sorvik1::parseFigure(text).figure;
}

// The starts of a figure in a sequence of colours (0 zero, 1 red, 2 black).
std::vector<std::int64_t> startsIn(const sorvik1::Figure& figure, const std::vector<int>& spins) {
    std::vector<std::int64_t> starts;
    for (std::size_t s = 0; s + static_cast<std::size_t>(figure.span()) <= spins.size(); ++s) {
        bool occurs = true;
        for (int offset = 0; offset < figure.span(); ++offset) {
            const int colour = spins[s + static_cast<std::size_t>(offset)];
            occurs = occurs && (figure.at(offset) == 0 || figure.at(offset) == colour);
        }
        if (occurs) {
            starts.push_back(static_cast<std::int64_t>(s));
        }
    }
    return starts;
}

std::int64_t longestOf(const std::vector<std::int64_t>& starts, std::int64_t positions) {
    std::int64_t longest = 0;
    std::int64_t previous = -1;
    for (const std::int64_t s : starts) {
        longest = std::max(longest, s - previous - 1);
        previous = s;
    }
    return std::max(longest, positions - previous - 1);
}

// Every sequence, weighted by its chance: expected gap counts and the exact
// law of the longest absence, with none of the formulas under test.
struct Truth {
    std::map<std::int64_t, double> gaps;
    std::vector<double> longestAtLeast; // index L
};

Truth enumerate(const sorvik1::Figure& figure, int spins, ZeroRule rule) {
    const auto chances = sorvik1::spinChances(rule);
    const int outcomes = rule == ZeroRule::Skipped ? 2 : 3;
    Truth truth;
    truth.longestAtLeast.assign(static_cast<std::size_t>(spins) + 2, 0.0);
    std::vector<int> sequence(static_cast<std::size_t>(spins), 3 - outcomes);
    for (;;) {
        double chance = 1;
        for (const int colour : sequence) {
            chance *= colour == 0 ? chances.zero : chances.colour;
        }
        const auto starts = startsIn(figure, sequence);
        for (std::size_t i = 1; i < starts.size(); ++i) {
            truth.gaps[starts[i] - starts[i - 1]] += chance;
        }
        for (std::int64_t l = 0; l <= longestOf(starts, spins); ++l) {
            truth.longestAtLeast[static_cast<std::size_t>(l)] += chance;
        }
        std::size_t i = 0;
        while (i < sequence.size() && ++sequence[i] == 3) {
            sequence[i++] = 3 - outcomes;
        }
        if (i == sequence.size()) {
            return truth;
        }
    }
}

struct Case {
    std::string figure;
    int spins;
    ZeroRule rule;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.figure << " in " << c.spins << (c.rule == ZeroRule::Skipped ? " skipped" : "");
}

class LawAgainstEnumeration : public testing::TestWithParam<Case> {};

TEST_P(LawAgainstEnumeration, GapsAreExactAndTheAbsenceWithinItsBound) {
    const auto figure = figureOf(GetParam().figure);
    const int n = GetParam().spins;
    const auto truth = enumerate(figure, n, GetParam().rule);
    const auto law = sorvik1::StartLaw::of(figure, GetParam().rule);
    ASSERT_TRUE(law.settled());
    const std::int64_t startable = n - figure.span() + 1;
    for (std::int64_t d = 1; d < n; ++d) {
        const auto found = truth.gaps.find(d);
        EXPECT_NEAR(sorvik1::expectedGaps(law, startable, d),
                    found == truth.gaps.end() ? 0.0 : found->second, 1e-12)
            << "distance " << d;
    }
    double allGaps = 0;
    for (const auto& [d, expected] : truth.gaps) {
        allGaps += expected;
    }
    const auto histogram = sorvik1::gapHistogram(law, {}, startable, 3);
    EXPECT_NEAR(histogram.expected[0] + histogram.expected[1] + histogram.expected[2], allGaps,
                1e-12);
    const sorvik1::Stretch stretch{n, startable};
    double expected = 0;
    for (std::int64_t l = 0; l <= n + 1; ++l) {
        const auto chance = sorvik1::longestAtLeast(law, stretch, l);
        EXPECT_NEAR(chance.probability, truth.longestAtLeast[static_cast<std::size_t>(l)],
                    chance.errorBound + 1e-12)
            << "length " << l;
        expected += l > 0 ? truth.longestAtLeast[static_cast<std::size_t>(l)] : 0.0;
    }
    // Runs this short fit the exact chain's budget.
    const auto mean = sorvik1::expectedLongest(law, stretch);
    EXPECT_LE(mean.errorBound, 1e-12);
    EXPECT_NEAR(mean.length, expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, LawAgainstEnumeration,
    testing::Values(Case{"r", 8, ZeroRule::Breaks}, Case{"rr", 10, ZeroRule::Breaks},
                    Case{"rsr", 10, ZeroRule::Breaks}, Case{"r.s", 10, ZeroRule::Breaks},
                    Case{"rr.s", 11, ZeroRule::Breaks}, Case{"r..r", 10, ZeroRule::Breaks},
                    Case{"r.r.s", 11, ZeroRule::Breaks}, Case{"rrr", 3, ZeroRule::Breaks},
                    Case{"r..r", 12, ZeroRule::Breaks}, Case{"ss.s", 12, ZeroRule::Breaks},
                    Case{"rr", 16, ZeroRule::Skipped}, Case{"r.rs", 16, ZeroRule::Skipped},
                    Case{"r...s", 16, ZeroRule::Skipped}));

// The figures with the largest automata and the slowest mixing settle, and
// the law of the next start, reached through the chance of each first
// completion, adds up with what is left beyond to the chance of a start.
TEST(StartLaw, SettlesForTheSlowestFiguresAndTheNextStartAddsUp) {
    const std::string gap(17, '.');
    for (const std::string& text : std::vector<std::string>{"r." + gap + "s", "r" + gap + "rs",
                                                            "rsrsrsrsrr", "r.r.r.r.r.r.r.r.r.s"}) {
        const auto law = sorvik1::StartLaw::of(figureOf(text), ZeroRule::Breaks);
        ASSERT_TRUE(law.settled()) << text;
        const std::int64_t last = law.distanceQuantile(1e-9);
        double sum = law.startThenNone(last);
        for (std::int64_t d = 1; d <= last; ++d) {
            sum += law.startThenNext(d);
        }
        EXPECT_NEAR(sum / law.startChance(), 1.0, 1e-9) << text;
    }
}

// Long runs, where the approximation carries the answer: the chance from a
// seeded simulation agrees within the stated bound plus sampling error.
struct SimulationCase {
    std::string figure;
    std::int64_t spins;
    std::vector<std::int64_t> lengths;
};

void PrintTo(const SimulationCase& c, std::ostream* os) {
    *os << c.figure << " in " << c.spins;
}

class AbsenceAgainstSimulation : public testing::TestWithParam<SimulationCase> {};

TEST_P(AbsenceAgainstSimulation, AgreesWithinTheBound) {
    const auto figure = figureOf(GetParam().figure);
    const auto law = sorvik1::StartLaw::of(figure, ZeroRule::Breaks);
    const std::int64_t n = GetParam().spins;
    const sorvik1::Stretch stretch{n, n - figure.span() + 1};
    constexpr int runs = 4000;
    sorvik1::Random random(20261207);
    std::vector<int> hits(GetParam().lengths.size());
    std::vector<int> spins(static_cast<std::size_t>(n));
    for (int run = 0; run < runs; ++run) {
        for (int& spin : spins) {
            const auto number = random.below(37);
            spin = number == 0 ? 0 : 1 + static_cast<int>(number % 2);
        }
        const std::int64_t longest = longestOf(startsIn(figure, spins), n);
        for (std::size_t i = 0; i < hits.size(); ++i) {
            hits[i] += longest >= GetParam().lengths[i] ? 1 : 0;
        }
    }
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const auto chance = sorvik1::longestAtLeast(law, stretch, GetParam().lengths[i]);
        const double sampling =
            4.5 * std::sqrt(chance.probability * (1 - chance.probability) / runs);
        EXPECT_NEAR(static_cast<double>(hits[i]) / runs, chance.probability,
                    chance.errorBound + sampling + 1e-3)
            << "length " << GetParam().lengths[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, AbsenceAgainstSimulation,
                         testing::Values(SimulationCase{"rr", 3000, {18, 22, 27}},
                                         SimulationCase{"rr.s", 3000, {70, 90, 120}},
                                         SimulationCase{"rsrs", 2000, {120, 160, 220}}));

// Where the trainer's long runs are, the bound is far below what a
// percentage with two decimals shows.
TEST(AbsenceLaw, BoundIsSmallForLongRuns) {
    const auto law = sorvik1::StartLaw::of(figureOf("rr.s"), ZeroRule::Breaks);
    const sorvik1::Stretch stretch{10'000'000, 9'999'997};
    const auto typical = static_cast<std::int64_t>(sorvik1::expectedLongest(law, stretch).length);
    for (const std::int64_t length : {typical - 10, typical, typical + 20}) {
        EXPECT_LT(sorvik1::longestAtLeast(law, stretch, length).errorBound, 1e-4) << length;
    }
}

TEST(AbsenceLaw, ExpectedLongestSumsTheDistribution) {
    const auto law = sorvik1::StartLaw::of(figureOf("rr.s"), ZeroRule::Breaks);
    const sorvik1::Stretch stretch{100000, 99997};
    double sum = 0;
    for (const auto& point : sorvik1::absenceDistribution(law, stretch, 0, 100000)) {
        sum += static_cast<double>(point.length) * point.chance;
    }
    EXPECT_NEAR(sorvik1::expectedLongest(law, stretch).length, sum, 1e-3 * sum);
}

// Where the runs are too long for the chain, the approximation answers with
// its bounds: forced, they cover the exact chain's values for every figure
// to span 5, at lengths from the shortest that can hold the figure to 1,000.
TEST(AbsenceLaw, BoundsCoverTheExactChainForEveryFigureToSpanFive) {
    constexpr double unlimited = 1e300;
    const auto figures = sorvik1::searchedFigures(5, true);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const auto& figure = figures[i];
        const ZeroRule rule = i % 2 == 0 ? ZeroRule::Breaks : ZeroRule::Skipped;
        const auto law = sorvik1::StartLaw::of(figure, rule);
        for (const std::int64_t n : {std::int64_t{figure.span()} + 1, std::int64_t{40},
                                     std::int64_t{250}, std::int64_t{1000}}) {
            const sorvik1::Stretch stretch{n, n - figure.span() + 1};
            const auto exact = sorvik1::expectedLongest(law, stretch, unlimited);
            const auto bounded = sorvik1::expectedLongest(law, stretch, 0.0);
            EXPECT_NEAR(bounded.length, exact.length, bounded.errorBound + 1e-9)
                << sorvik1::figureText(figure) << " in " << n;
            const auto mean = static_cast<std::int64_t>(exact.length);
            for (std::int64_t l = 1; l <= std::min(n, 3 * mean); l += 1 + l / 8) {
                const auto chance = sorvik1::longestAtLeast(law, stretch, l, 0.0);
                EXPECT_NEAR(chance.probability,
                            sorvik1::longestAtLeast(law, stretch, l, unlimited).probability,
                            chance.errorBound + 1e-12)
                    << sorvik1::figureText(figure) << " in " << n << ", length " << l;
            }
        }
    }
}

// Figures that cannot start: the longest absence is every position.
TEST(AbsenceLaw, WithoutRoomTheWholeRunIsTheAbsence) {
    const auto law = sorvik1::StartLaw::of(figureOf("r...s"), ZeroRule::Breaks);
    const sorvik1::Stretch stretch = sorvik1::shownStretch(5, 3, 4);
    EXPECT_EQ(sorvik1::longestAtLeast(law, stretch, 3).probability, 1.0);
    EXPECT_EQ(sorvik1::longestAtLeast(law, stretch, 4).probability, 0.0);
    EXPECT_EQ(sorvik1::expectedLongest(law, stretch).length, 3.0);
}

TEST(Thinning, KeepsEveryBucketsMinimumAndMaximum) {
    std::vector<double> values(100'000);
    sorvik1::Random random(7);
    for (double& v : values) {
        v = static_cast<double>(random.below(1000));
    }
    values[31'415] = -5;
    values[99'999] = 2000;
    const auto at = [&](std::int64_t x) { return values[static_cast<std::size_t>(x - 1)]; };
    // At most 2001 points: 1000 buckets of 100 spins, and the last value.
    const auto points = sorvik1::thinned(100'000, 2001, at);
    ASSERT_LE(points.size(), 2001u);
    EXPECT_EQ(points.back().x, 100'000);
    for (std::size_t b = 0; b < 1000; ++b) {
        const auto first = values.begin() + static_cast<std::ptrdiff_t>(b * 100);
        const auto [low, high] = std::minmax_element(first, first + 100);
        const auto has = [&](double y) {
            return std::any_of(points.begin(), points.end(), [&](const auto& p) {
                return p.y == y && p.x > static_cast<std::int64_t>(b * 100) &&
                       p.x <= static_cast<std::int64_t>(b * 100 + 100);
            });
        };
        EXPECT_TRUE(has(*low) && has(*high)) << "bucket " << b;
    }
    EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                               [](const auto& a, const auto& b) { return a.x < b.x; }));
}

// The course of a long run looks only where the count can turn; it must
// keep the same extremes as looking at every spin.
TEST(Course, LongRunsKeepTheExtremesOfEverySpin) {
    const auto figure = figureOf("rr.s");
    std::vector<int> spins(200'000);
    sorvik1::Random random(11);
    for (int& spin : spins) {
        const auto number = random.below(37);
        spin = number == 0 ? 0 : 1 + static_cast<int>(number % 2);
    }
    auto starts = startsIn(figure, spins);
    for (auto& s : starts) {
        ++s; // spin numbers count from 1
    }
    const auto course = sorvik1::courseOf(figure, starts, 150'000, 200'000);
    const double single = std::pow(18.0 / 37.0, 3);
    std::size_t found = 0;
    const auto everySpin = sorvik1::thinned(150'000, 2000, [&](std::int64_t x) {
        for (; found < starts.size() && starts[found] <= x; ++found) {
        }
        return static_cast<double>(found) - single * static_cast<double>(x);
    });
    ASSERT_EQ(course.deviation.size(), everySpin.size());
    for (std::size_t i = 0; i < everySpin.size(); ++i) {
        EXPECT_NEAR(course.deviation[i].y, everySpin[i].y, 1e-9) << i;
    }
}

} // namespace
