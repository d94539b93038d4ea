#include "core/strategy/strategy_law.h"
#include "core/strategy/strategy_run.h"
#include "core/strategy/strategy_sessions.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"
#include "practice_rule.h"
#include "spin_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace sorvik1;

Figure figureOf(const char* text) {
    return parseFigure(text).figure;
}

// "R" red, "S" black, "0" the zero.
std::vector<Farbcode> coloursOf(std::string_view spins) {
    std::vector<Farbcode> colours;
    for (const char c : spins) {
        colours.push_back(c == 'R' ? red : c == 'S' ? black : noColour);
    }
    return colours;
}

StrategySettings settingsOf(StakePlanKind plan, std::int64_t capital) {
    StrategySettings s;
    s.plan = plan;
    s.capital = capital;
    return s;
}

struct PlanCase {
    const char* name;
    StrategySettings settings;
    const char* figure;
    const char* spins;
    // Worked out by hand, bet by bet: the spins bet on, the stakes placed.
    std::vector<std::int64_t> betSpins;
    std::vector<double> stakes;
    double capital;
    SessionEnd end;
    std::int64_t endSpin;
    double drawdown;
    std::int64_t longestLosingSeries;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
    *os << c.name;
}

StrategySettings with(StrategySettings s, auto change) {
    change(s);
    return s;
}

const PlanCase planCases[] = {
    {"Masse",
     settingsOf(StakePlanKind::Masse, 10),
     "r",
     "RSR0R",
     {2, 3, 4, 5},
     {1, 1, 1, 1},
     10,
     SessionEnd::SpinsOver,
     5,
     1,
     1},
    {"Teilung",
     with(settingsOf(StakePlanKind::Masse, 10), [](auto& s) { s.zero = ZeroPayout::Halved; }),
     "r",
     "RSR0R",
     {2, 3, 4, 5},
     {1, 1, 1, 1},
     10.5,
     SessionEnd::SpinsOver,
     5,
     1,
     1},
    {"MartingaleCutByMaximumThenCapital",
     with(settingsOf(StakePlanKind::Martingale, 10), [](auto& s) { s.maximum = 4; }),
     "r",
     "RSSSSR",
     {2, 3, 4, 5},
     {1, 2, 4, 3},
     0,
     SessionEnd::Ruined,
     5,
     10,
     4},
    {"MartingaleKeepsTheMaximumUntilAWin",
     with(settingsOf(StakePlanKind::Martingale, 100), [](auto& s) { s.maximum = 4; }),
     "r",
     "RSSSSRR",
     {2, 3, 4, 5, 6, 7},
     {1, 2, 4, 4, 4, 1},
     94,
     SessionEnd::SpinsOver,
     7,
     11,
     4},
    {"DAlembert",
     settingsOf(StakePlanKind::DAlembert, 20),
     "r",
     "RSSRRRR",
     {2, 3, 4, 5, 6, 7},
     {1, 2, 3, 2, 1, 1},
     24,
     SessionEnd::SpinsOver,
     7,
     3,
     2},
    {"ParoliThreeStages",
     settingsOf(StakePlanKind::Paroli, 10),
     "r",
     "RRRRRS",
     {2, 3, 4, 5, 6},
     {1, 2, 4, 1, 2},
     16,
     SessionEnd::SpinsOver,
     6,
     2,
     1},
    {"OwnSeriesWrapsAfterItsEnd",
     with(settingsOf(StakePlanKind::Reihe, 30),
          [](auto& s) {
              s.base = 2;
              s.series = {1, 3};
          }),
     "r",
     "RSSSR",
     {2, 3, 4, 5},
     {2, 6, 2, 6},
     26,
     SessionEnd::SpinsOver,
     5,
     10,
     3},
    {"Target",
     with(settingsOf(StakePlanKind::Masse, 10), [](auto& s) { s.target = 2; }),
     "r",
     "RRRR",
     {2, 3},
     {1, 1},
     12,
     SessionEnd::TargetReached,
     3,
     0,
     0},
    {"AgainstTheFigure",
     with(settingsOf(StakePlanKind::Masse, 10), [](auto& s) { s.against = true; }),
     "r",
     "RRS",
     {2, 3},
     {1, 1},
     10,
     SessionEnd::SpinsOver,
     3,
     1,
     1},
    {"TeilungLeavesAHalfUnitNoChipTakes",
     with(settingsOf(StakePlanKind::Martingale, 3), [](auto& s) { s.zero = ZeroPayout::Halved; }),
     "r",
     "R0S",
     {2, 3},
     {1, 2},
     0.5,
     SessionEnd::Ruined,
     3,
     2.5,
     2},
    {"ZeroBreaksTheFigure",
     settingsOf(StakePlanKind::Masse, 10),
     "rs",
     "0RSR0S",
     {3, 5},
     {1, 1},
     10,
     SessionEnd::SpinsOver,
     6,
     1,
     1},
};

class PlanRule : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanRule, PlaysTheSessionWorkedOutByHand) {
    const PlanCase& c = GetParam();
    const SessionResult r = playColours(figureOf(c.figure), c.settings, coloursOf(c.spins), true);
    std::vector<std::int64_t> spins;
    std::vector<double> stakes;
    double staked = 0;
    for (const BetRecord& bet : r.journal) {
        spins.push_back(bet.spin);
        stakes.push_back(inUnits(bet.stake));
        staked += inUnits(bet.stake);
    }
    EXPECT_EQ(spins, c.betSpins);
    EXPECT_EQ(stakes, c.stakes);
    EXPECT_EQ(inUnits(r.capital), c.capital);
    EXPECT_EQ(inUnits(r.net), c.capital - static_cast<double>(c.settings.capital));
    EXPECT_EQ(inUnits(r.staked), staked);
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.endSpin, c.endSpin);
    EXPECT_EQ(r.bets, static_cast<std::int64_t>(c.stakes.size()));
    EXPECT_EQ(r.wins + r.losses, r.bets);
    EXPECT_EQ(inUnits(r.maxDrawdown), c.drawdown);
    EXPECT_EQ(r.longestLosingSeries, c.longestLosingSeries);
}

INSTANTIATE_TEST_SUITE_P(Plans, PlanRule, ::testing::ValuesIn(planCases),
                         [](const auto& param) { return std::string(param.param.name); });

// The session bets exactly where the practice's rule, written afresh,
// signals, over seeded numbers.
TEST(StrategySession, BetsExactlyOnThePracticeSignal) {
    for (const char* text : {"r", "rr.s", "s..r", "rsr"}) {
        const Figure figure = figureOf(text);
        Random random(5);
        std::vector<std::int16_t> zahlen(3002, 0);
        std::vector<Farbcode> colours;
        for (std::size_t n = 1; n <= 3000; ++n) {
            zahlen[n] = static_cast<std::int16_t>(random.number());
            colours.push_back(wheelColours()[static_cast<std::size_t>(zahlen[n])]);
        }
        const SessionResult r =
            playColours(figure, settingsOf(StakePlanKind::Masse, 1'000'000), colours, true);
        std::vector<std::int64_t> expected;
        for (std::int64_t n = 1; n < 3000; ++n) {
            if (sorvik1::testing::signalAfter(figure, zahlen, n)) {
                expected.push_back(n + 1);
            }
        }
        std::vector<std::int64_t> spins;
        for (const BetRecord& bet : r.journal) {
            spins.push_back(bet.spin);
        }
        EXPECT_EQ(spins, expected) << text;
    }
}

// Every sequence of outcomes (bet colour, other colour, zero) with its
// chance, played through the session rule on the one-position figure.
ExactLaw enumerated(const StrategySettings& settings, int bets) {
    ExactLaw law;
    std::map<HalfUnits, double> ends;
    int sequences = 1;
    for (int i = 0; i < bets; ++i) {
        sequences *= 3;
    }
    const Farbcode own = settings.against ? black : red;
    for (int code = 0; code < sequences; ++code) {
        std::vector<Farbcode> colours{red};
        double chance = 1;
        for (int i = 0, rest = code; i < bets; ++i, rest /= 3) {
            const int outcome = rest % 3;
            colours.push_back(outcome == 0 ? own : outcome == 1 ? red + black - own : noColour);
            chance *= outcome == 2 ? 1.0 / 37 : 18.0 / 37;
        }
        const SessionResult r = playColours(figureOf("r"), settings, colours, false);
        ends[r.capital] += chance;
        law.ruin += r.end == SessionEnd::Ruined ? chance : 0;
        law.target += r.end == SessionEnd::TargetReached ? chance : 0;
        law.meanNet += chance * inUnits(r.net);
    }
    for (const auto& [capital, chance] : ends) {
        law.finalCapital.push_back({capital, chance});
    }
    return law;
}

TEST(ExactLaw, AgreesWithEveryOutcomeSequence) {
    const StrategySettings cases[] = {
        with(settingsOf(StakePlanKind::Martingale, 7), [](auto& s) { s.maximum = 4; }),
        with(settingsOf(StakePlanKind::DAlembert, 6),
             [](auto& s) {
                 s.zero = ZeroPayout::Halved;
                 s.target = 3;
                 s.against = true;
             }),
        with(settingsOf(StakePlanKind::Reihe, 8),
             [](auto& s) {
                 s.series = {1, 3, 2};
                 s.minimum = 1;
                 s.maximum = 5;
                 s.zero = ZeroPayout::Halved;
             }),
        with(settingsOf(StakePlanKind::Paroli, 4),
             [](auto& s) {
                 s.paroliStages = 2;
                 s.target = 5;
                 s.base = 2;
                 s.minimum = 2;
             }),
    };
    constexpr int bets = 7;
    for (const auto& settings : cases) {
        const auto law = exactLaw(settings, bets);
        ASSERT_TRUE(law);
        const ExactLaw expected = enumerated(settings, bets);
        EXPECT_NEAR(law->mass, 1.0, 1e-12);
        EXPECT_NEAR(law->ruin, expected.ruin, 1e-12);
        EXPECT_NEAR(law->target, expected.target, 1e-12);
        EXPECT_NEAR(law->meanNet, expected.meanNet, 1e-12);
        ASSERT_EQ(law->finalCapital.size(), expected.finalCapital.size());
        for (std::size_t i = 0; i < expected.finalCapital.size(); ++i) {
            EXPECT_EQ(law->finalCapital[i].capital, expected.finalCapital[i].capital);
            EXPECT_NEAR(law->finalCapital[i].chance, expected.finalCapital[i].chance, 1e-12);
        }
    }
    EXPECT_FALSE(exactLaw(cases[0], bets, {.states = 5}));
    // d'Alembert's stake may grow with every bet: too many plan states
    // alone are refused before anything is held.
    EXPECT_FALSE(exactLaw(cases[1], 1'000'000'000'000));
}

// On "r" every spin after the first is a bet, so sessions of n + 1 spins
// and of n bets both follow the exact law of n bets.
TEST(RandomSessions, HoldTheExactRuinChanceOfTheOnePositionFigure) {
    const auto settings =
        with(settingsOf(StakePlanKind::Martingale, 20), [](auto& s) { s.maximum = 16; });
    const auto law = exactLaw(settings, 50);
    ASSERT_TRUE(law);
    for (const SessionLength length : {SessionLength{51, false}, SessionLength{50, true}}) {
        const auto sessions =
            playRandomSessions(figureOf("r"), settings, 7, lawSessions, {&length, 1}, 2);
        const SessionsLaw observed = sessionsLaw(sessions);
        EXPECT_EQ(observed.sessions, lawSessions);
        EXPECT_LE(observed.ruin.low, law->ruin);
        EXPECT_GE(observed.ruin.high, law->ruin);
    }
}

TEST(RandomSessions, AreTheSameOnAnyNumberOfThreads) {
    const auto settings = settingsOf(StakePlanKind::DAlembert, 50);
    const SessionLength length{300, false};
    const auto one = playRandomSessions(figureOf("rr.s"), settings, 3, 40, {&length, 1}, 1);
    const auto two = playRandomSessions(figureOf("rr.s"), settings, 3, 40, {&length, 1}, 2);
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(one[i].net, two[i].net);
        EXPECT_EQ(one[i].bets, two[i].bets);
    }
}

// Expectation and variance per unit against the outcomes' chances, and a
// session's against direct sums over its bets.
TEST(StrategyMoments, AgreeWithDirectSums) {
    for (const ZeroPayout zero : {ZeroPayout::Loses, ZeroPayout::Halved}) {
        const double zeroLoss = zero == ZeroPayout::Halved ? -0.5 : -1.0;
        const double mean = 18.0 / 37 - 18.0 / 37 + zeroLoss / 37;
        const double square = 36.0 / 37 + zeroLoss * zeroLoss / 37;
        EXPECT_NEAR(expectedPerUnit(zero), mean, 1e-15);
        EXPECT_NEAR(variancePerUnit(zero), square - mean * mean, 1e-15);

        auto settings = settingsOf(StakePlanKind::Martingale, 500);
        settings.zero = zero;
        const SessionResult r =
            playRandomSession(figureOf("rr.s"), settings, 11, 0, {2000, false}, true);
        ASSERT_GT(r.bets, 100);
        double stakes = 0, squares = 0;
        for (const BetRecord& bet : r.journal) {
            stakes += inUnits(bet.stake);
            squares += inUnits(bet.stake) * inUnits(bet.stake);
        }
        EXPECT_NEAR(r.expected, -stakes / (zero == ZeroPayout::Halved ? 74 : 37), 1e-9);
        EXPECT_NEAR(r.variance, squares * variancePerUnit(zero), 1e-9);
        EXPECT_NEAR(r.z(), (inUnits(r.net) - r.expected) / std::sqrt(r.variance), 1e-12);
        const CapitalCurve curve = capitalCurve(r, settings.capital, zero);
        EXPECT_NEAR(curve.expected.back().y, 500 + r.expected, 1e-9);
        EXPECT_EQ(curve.capital.back().y, inUnits(r.capital));
    }
}

struct RefusalCase {
    const char* name;
    StrategySettings settings;
    const char* says;
};

const RefusalCase refusalCases[] = {
    {"BaseZero", with(settingsOf(StakePlanKind::Masse, 10), [](auto& s) { s.base = 0; }),
     "Grundeinsatz muss eine ganze Zahl von 1 bis 1000000000"},
    {"CapitalTooLarge", settingsOf(StakePlanKind::Masse, 1'000'000'001), "Das Kapital muss"},
    {"MaximumBelowMinimum",
     with(settingsOf(StakePlanKind::Masse, 10),
          [](auto& s) {
              s.minimum = 5;
              s.base = 5;
              s.maximum = 4;
          }),
     "Maximum liegt unter dem Minimum"},
    {"BaseBelowMinimum", with(settingsOf(StakePlanKind::Masse, 10), [](auto& s) { s.minimum = 2; }),
     "Grundeinsatz liegt unter dem Minimum"},
    {"CapitalBelowMinimum",
     with(settingsOf(StakePlanKind::Masse, 1),
          [](auto& s) {
              s.base = 2;
              s.minimum = 2;
          }),
     "Kapital liegt unter dem Minimum"},
    {"EmptySeries", settingsOf(StakePlanKind::Reihe, 10), "1 bis 100 Einsätze"},
    {"LongSeries",
     with(settingsOf(StakePlanKind::Reihe, 10), [](auto& s) { s.series.assign(101, 1); }),
     "1 bis 100 Einsätze"},
};

class StrategyRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(StrategyRefusal, SaysWhy) {
    EXPECT_NE(strategyRefusal(GetParam().settings).find(GetParam().says), std::string::npos)
        << strategyRefusal(GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(BadInput, StrategyRefusal, ::testing::ValuesIn(refusalCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(StrategyRefusal, AcceptsAPlayablePlan) {
    EXPECT_EQ(strategyRefusal(settingsOf(StakePlanKind::Martingale, 100)), "");
}

} // namespace
