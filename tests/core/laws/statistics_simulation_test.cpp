#include "core/laws/first_occurrence.h"
#include "core/laws/statistics.h"
#include "core/scan/simulation.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using sorvik1::ZeroRule;

// Fixed seeds, so these never flake; the tolerances are what the variance
// allows for a fair wheel at about four standard errors.
struct SimulationCase {
    std::string figure;
    ZeroRule rule;
};

void PrintTo(const SimulationCase& c, std::ostream* os) {
    *os << c.figure << (c.rule == ZeroRule::Skipped ? " skipped" : "");
}

class AgainstSimulation : public testing::TestWithParam<SimulationCase> {};

TEST_P(AgainstSimulation, LongRunCountLiesWithinItsStandardDeviation) {
    const auto figure = sorvik1::parseFigure(GetParam().figure).figure;
    const auto result = sorvik1::simulate(figure, 10'000'000, 2024, 2, GetParam().rule, false);
    const auto moments = sorvik1::countMoments(figure, result.positions, GetParam().rule);
    EXPECT_LT(std::abs(sorvik1::zScore(static_cast<double>(result.occurrences), moments)), 4.0);
}

TEST_P(AgainstSimulation, CountsOfManyShortRunsVaryAsComputed) {
    const auto figure = sorvik1::parseFigure(GetParam().figure).figure;
    constexpr int runs = 4000;
    constexpr std::int64_t spins = 1000;
    double sum = 0, square = 0, expected = 0, expectedVariance = 0;
    for (int run = 0; run < runs; ++run) {
        const auto result = sorvik1::simulate(figure, spins, 7000 + run, 1, GetParam().rule, false);
        const auto count = static_cast<double>(result.occurrences);
        sum += count;
        square += count * count;
        // With zeros skipped the counted spins vary a little from run to run.
        const auto moments = sorvik1::countMoments(figure, result.positions, GetParam().rule);
        expected += moments.expected / runs;
        expectedVariance += moments.variance / runs;
    }
    const double mean = sum / runs;
    const double variance = (square - sum * mean) / (runs - 1);
    EXPECT_NEAR(mean, expected, 4 * std::sqrt(expectedVariance / runs));
    // The sample variance of a near-normal count has a relative standard
    // error of sqrt(2 / runs), about 2.2 %.
    EXPECT_NEAR(variance / expectedVariance, 1.0, 4 * std::sqrt(2.0 / runs));
}

TEST_P(AgainstSimulation, FirstOccurrenceWaitsAsComputed) {
    const auto figure = sorvik1::parseFigure(GetParam().figure).figure;
    constexpr int runs = 20'000;
    constexpr std::int64_t horizon = 12;
    sorvik1::Random generator(31337);
    double sum = 0, square = 0;
    int within = 0;
    for (int run = 0; run < runs; ++run) {
        // Slide a window of the last span colours until the figure fills it.
        std::vector<sorvik1::Farbcode> recent;
        std::int64_t wait = 0;
        for (bool found = false; !found;) {
            const int number = generator.number();
            if (GetParam().rule == ZeroRule::Skipped && number == 0) {
                continue;
            }
            ++wait;
            recent.push_back(sorvik1::wheelColours()[static_cast<std::size_t>(number)]);
            if (static_cast<int>(recent.size()) > figure.span()) {
                recent.erase(recent.begin());
            }
            found = static_cast<int>(recent.size()) == figure.span();
            for (int offset = 0; found && offset < figure.span(); ++offset) {
                const auto wanted = figure.at(offset);
                found = wanted == 0 || wanted == recent[static_cast<std::size_t>(offset)];
            }
        }
        sum += static_cast<double>(wait);
        square += static_cast<double>(wait * wait);
        within += wait <= horizon ? 1 : 0;
    }
    const double mean = sum / runs;
    const double deviation = std::sqrt((square - sum * mean) / (runs - 1));
    const auto exact = sorvik1::firstOccurrence(figure, horizon, GetParam().rule);
    ASSERT_TRUE(exact.expectedWait && exact.chanceWithin);
    EXPECT_NEAR(mean, *exact.expectedWait, 4 * deviation / std::sqrt(runs));
    const double chance = *exact.chanceWithin;
    EXPECT_NEAR(within / static_cast<double>(runs), chance,
                4 * std::sqrt(chance * (1 - chance) / runs));
}

INSTANTIATE_TEST_SUITE_P(Figures, AgainstSimulation,
                         testing::Values(SimulationCase{"rr", ZeroRule::Breaks},
                                         SimulationCase{"rsr", ZeroRule::Breaks},
                                         SimulationCase{"r.s.r", ZeroRule::Breaks},
                                         SimulationCase{"r.........r", ZeroRule::Breaks},
                                         SimulationCase{"rrs", ZeroRule::Skipped},
                                         SimulationCase{"s..s", ZeroRule::Skipped}));

} // namespace
