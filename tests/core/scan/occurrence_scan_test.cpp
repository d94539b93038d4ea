#include "core/scan/occurrence_scan.h"
#include "core/scan/simulation.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"
#include "spin_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace sorvik1 {
// Names the zero rule in the test list, where an enum shows as its bytes.
void PrintTo(ZeroRule rule, std::ostream* os) {
    *os << (rule == ZeroRule::Breaks ? "zero breaks" : "zero skipped");
}
} // namespace sorvik1

namespace {

using sorvik1::Figure;
using sorvik1::ScanResult;
using sorvik1::SpinSource;
using sorvik1::wheelColours;
using sorvik1::ZeroRule;

Figure figureOf(const std::string& text) {
    return sorvik1::parseFigure(text).figure;
}

const std::vector<std::string> figures{
    "r", "s", "rr", "rs", "r.s", "rrr.s", "s..r.", "rsrsrsrs", "r..................s"};

// The longest stretch without a start, read off the list of starts the
// plain way: position = spin - 1 when zeros break the figure.
std::pair<std::int64_t, std::int64_t> longestAbsenceOf(const std::vector<std::int64_t>& starts,
                                                       std::int64_t spins) {
    std::pair<std::int64_t, std::int64_t> longest{-1, 0};
    std::int64_t from = 0;
    for (const auto stop : starts) {
        if (stop - 1 - from > longest.first) {
            longest = {stop - 1 - from, from};
        }
        from = stop;
    }
    return spins - from > longest.first ? std::pair{spins - from, from} : longest;
}

// Counting 64 spins at a time must find exactly what testing every spin finds.
TEST(OccurrenceScan, FindsWhatTheSpinBySpinTestFinds) {
    sorvik1::Random generator(11);
    const std::int64_t anzahl = 20'000;
    const auto zahlen = sorvik1::drawZahlen(generator, anzahl);
    std::vector<double> permanenz(zahlen.begin(), zahlen.end());
    const auto drawn = SpinSource::drawn(wheelColours(), zahlen);
    const auto imported = SpinSource::imported(wheelColours(), permanenz);
    for (const auto& text : figures) {
        const Figure figure = figureOf(text);
        const auto expected = sorvik1::testing::startsOneByOne(figure, drawn, anzahl);
        for (const auto* source : {&drawn, &imported}) {
            const ScanResult result =
                sorvik1::scanSpinSource(figure, *source, anzahl, ZeroRule::Breaks, true);
            EXPECT_EQ(result.starts, expected) << text;
            EXPECT_EQ(result.occurrences, static_cast<std::int64_t>(expected.size())) << text;
            EXPECT_EQ(result.positions, anzahl);
            const auto absence = result.longestAbsence();
            EXPECT_EQ(std::pair(absence.length, absence.firstPosition),
                      longestAbsenceOf(expected, anzahl))
                << text;
        }
    }
}

TEST(OccurrenceScan, SkippedZerosAreTakenOutBeforeMatching) {
    // Spin numbers:  1 2 3 4 5 6 7 8
    const auto zahlen = sorvik1::testing::zahlenOf("R0RS00RS");
    const auto source = SpinSource::drawn(wheelColours(), zahlen);
    const ScanResult skipped =
        sorvik1::scanSpinSource(figureOf("rrs"), source, 8, ZeroRule::Skipped, true);
    EXPECT_EQ(skipped.starts, (std::vector<std::int64_t>{1}));
    EXPECT_EQ(skipped.positions, 5);
    const ScanResult breaks =
        sorvik1::scanSpinSource(figureOf("rrs"), source, 8, ZeroRule::Breaks, true);
    EXPECT_TRUE(breaks.starts.empty());
    EXPECT_EQ(sorvik1::scanSpinSource(figureOf("rs"), source, 8, ZeroRule::Skipped, true).starts,
              (std::vector<std::int64_t>{3, 7}));
}

TEST(OccurrenceScan, SkippingZerosEqualsMatchingTheZeroFreeSequence) {
    sorvik1::Random generator(5);
    const std::int64_t anzahl = 10'000;
    const auto zahlen = sorvik1::drawZahlen(generator, anzahl);
    std::vector<std::int16_t> compact{0};
    std::vector<std::int64_t> spinOf{0};
    for (std::int64_t w = 1; w <= anzahl; ++w) {
        if (zahlen[static_cast<std::size_t>(w)] != 0) {
            compact.push_back(zahlen[static_cast<std::size_t>(w)]);
            spinOf.push_back(w);
        }
    }
    const auto compactSpins = static_cast<std::int64_t>(compact.size()) - 1;
    compact.resize(compact.size() + 20, 0);
    for (const auto& text : figures) {
        const Figure figure = figureOf(text);
        std::vector<std::int64_t> expected;
        for (const auto start : sorvik1::testing::startsOneByOne(
                 figure, SpinSource::drawn(wheelColours(), compact), compactSpins)) {
            expected.push_back(spinOf[static_cast<std::size_t>(start)]);
        }
        const auto result = sorvik1::scanSpinSource(
            figure, SpinSource::drawn(wheelColours(), zahlen), anzahl, ZeroRule::Skipped, true);
        EXPECT_EQ(result.starts, expected) << text;
        EXPECT_EQ(result.positions, compactSpins);
    }
}

TEST(OccurrenceScan, MeanDistanceIsFromFirstToLastStart) {
    const auto zahlen = sorvik1::testing::zahlenOf("RSSSRSSSSSSSR");
    const auto result = sorvik1::scanSpinSource(
        figureOf("r"), SpinSource::drawn(wheelColours(), zahlen), 13, ZeroRule::Breaks, false);
    EXPECT_EQ(result.occurrences, 3);
    EXPECT_DOUBLE_EQ(result.meanDistance(), 6.0);
    EXPECT_TRUE(result.starts.empty());
}

// Spins crossing segment and thread borders, and a short last segment.
constexpr std::int64_t simulatedSpins = 3 * sorvik1::simulationSegmentSpins + 12'345;

// The simulated spins as a run's numbers: 1 for red, 2 for black, 0.
std::vector<std::int16_t> simulatedZahlen(std::uint64_t seed, std::int64_t spins) {
    sorvik1::SimulatedSpins source(seed, 0, spins);
    std::vector<std::int16_t> zahlen{0};
    while (!source.exhausted()) {
        const auto word = source.nextWord(64);
        for (int k = 0; k < word.count; ++k) {
            zahlen.push_back(
                static_cast<std::int16_t>((word.red >> k & 1) + 2 * (word.black >> k & 1)));
        }
    }
    zahlen.resize(zahlen.size() + 20, 0);
    return zahlen;
}

class Simulation : public testing::TestWithParam<ZeroRule> {};

TEST_P(Simulation, CountsExactlyWhatTheSpinBySpinTestFindsWithAnyThreads) {
    constexpr std::uint64_t seed = 99;
    const auto zahlen = simulatedZahlen(seed, simulatedSpins);
    const auto source = SpinSource::drawn(wheelColours(), zahlen);
    for (const auto& text : {"rr.s", "r..................s"}) {
        const Figure figure = figureOf(text);
        const auto expected =
            sorvik1::scanSpinSource(figure, source, simulatedSpins, GetParam(), true);
        if (GetParam() == ZeroRule::Breaks) {
            ASSERT_EQ(expected.starts,
                      sorvik1::testing::startsOneByOne(figure, source, simulatedSpins));
        }
        for (const int threads : {1, 2, 3, 8}) {
            const auto result =
                sorvik1::simulate(figure, simulatedSpins, seed, threads, GetParam(), true);
            EXPECT_EQ(result.starts, expected.starts) << text << " threads " << threads;
            EXPECT_EQ(result.occurrences, expected.occurrences);
            EXPECT_EQ(result.spins, simulatedSpins);
            EXPECT_EQ(result.positions, expected.positions);
            EXPECT_EQ(result.firstPosition, expected.firstPosition);
            EXPECT_EQ(result.lastPosition, expected.lastPosition);
            EXPECT_EQ(result.longestAbsence().length, expected.longestAbsence().length);
            EXPECT_EQ(result.longestAbsence().firstPosition,
                      expected.longestAbsence().firstPosition);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ZeroRules, Simulation,
                         testing::Values(ZeroRule::Breaks, ZeroRule::Skipped));

TEST(Simulation, SpinsShowTheWheelsColoursIndependently) {
    constexpr std::int64_t spins = 2'000'000;
    const auto zahlen = simulatedZahlen(5, spins);
    ASSERT_EQ(static_cast<std::int64_t>(zahlen.size()), spins + 21);
    // Colours, and the non-zero runs between zeros, which must be geometric.
    std::array<double, 3> colours{};
    std::array<double, 61> runs{}; // the last bin takes every run of 60 or more
    std::int64_t run = 0;
    for (std::int64_t w = 1; w <= spins; ++w) {
        const auto colour = static_cast<std::size_t>(zahlen[static_cast<std::size_t>(w)]);
        ++colours[colour];
        if (colour != 0) {
            ++run;
            continue;
        }
        ++runs[static_cast<std::size_t>(std::min<std::int64_t>(run, 60))];
        run = 0;
    }
    const double n = spins;
    double colourChi = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        const double expected = n * (c == 0 ? 1.0 / 37 : 18.0 / 37);
        colourChi += (colours[c] - expected) * (colours[c] - expected) / expected;
    }
    EXPECT_LT(colourChi, 13.816); // chi-square, 2 degrees of freedom, upper 0.1 %
    double zeros = colours[0], runChi = 0, tail = 1;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const double chance = k + 1 < runs.size() ? tail / 37 : tail;
        tail -= chance;
        const double expected = zeros * chance;
        runChi += (runs[k] - expected) * (runs[k] - expected) / expected;
    }
    EXPECT_LT(runChi, 99.607); // chi-square, 60 degrees of freedom, upper 0.1 %
}

TEST(Simulation, TinyRunsFindNothingPastTheirEnd) {
    EXPECT_EQ(sorvik1::simulate(figureOf("rr"), 0, 1, 2, ZeroRule::Breaks, true).occurrences, 0);
    for (std::uint64_t seed = 0; seed < 50; ++seed) {
        const auto one = sorvik1::simulate(figureOf("r.s"), 2, seed, 2, ZeroRule::Breaks, true);
        EXPECT_EQ(one.occurrences, 0);
        EXPECT_EQ(one.spins, 2);
        EXPECT_EQ(one.longestAbsence().length, 2);
    }
}

} // namespace
