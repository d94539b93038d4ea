#include "core/trainer/practice.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"
#include "core/wheel/spin_source.h"
#include "practice_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sorvik1::black;
using sorvik1::Figure;
using sorvik1::PracticeJudge;
using sorvik1::red;
using sorvik1::Verdict;

struct RuleCase {
    std::string figure;
    bool halfOnZero;
    sorvik1::Chance chance = sorvik1::Chance::RotSchwarz;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.figure << (c.halfOnZero ? " Teilung" : "");
}

// Even numbers as the first side, written apart from the program's table.
sorvik1::ColourTable evenFirst() {
    sorvik1::ColourTable sides{};
    for (int n = 1; n <= 36; ++n) {
        sides[static_cast<std::size_t>(n)] = n % 2 == 0 ? red : black;
    }
    return sides;
}

class PracticeRule : public testing::TestWithParam<RuleCase> {};

// A player who calls at random, more often on signals, over a seeded run:
// every settled decision and the totals agree with the rule written afresh.
TEST_P(PracticeRule, EveryDecisionIsJudgedAsTheRuleSays) {
    const Figure figure = sorvik1::parseFigure(GetParam().figure, GetParam().chance).figure;
    const bool half = GetParam().halfOnZero;
    const sorvik1::ColourTable sides = GetParam().chance == sorvik1::Chance::GeradeUngerade
                                           ? evenFirst()
                                           : sorvik1::wheelColours();
    constexpr std::int64_t spins = 20'000;
    sorvik1::Random random(18);
    std::vector<std::int16_t> zahlen(spins + 2, 0);
    PracticeJudge judge(figure, half, GetParam().chance);
    std::int64_t hits = 0, signals = 0, falseCalls = 0;
    double units = 0, perfect = 0;
    for (std::int64_t n = 1; n <= spins; ++n) {
        zahlen[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(random.number());
        const auto settled = judge.show(zahlen[static_cast<std::size_t>(n)]);
        ASSERT_EQ(settled.has_value(), n > 1);
        if (settled) {
            const auto expected = sorvik1::testing::expectedSettled(figure, zahlen, n - 1,
                                                                    settled->call, half, sides);
            ASSERT_EQ(settled->verdict, expected.verdict) << "spin " << n;
            ASSERT_EQ(settled->decidingNumber, expected.decidingNumber);
            ASSERT_EQ(settled->units, expected.units);
            ASSERT_EQ(settled->perfectUnits, expected.perfectUnits);
            signals += expected.verdict == Verdict::Hit ||
                       expected.verdict == Verdict::WrongColour ||
                       expected.verdict == Verdict::Missed;
            hits += expected.verdict == Verdict::Hit;
            falseCalls += expected.verdict == Verdict::FalseCall;
            units += expected.units;
            perfect += expected.perfectUnits;
        }
        ASSERT_EQ(judge.signal(), sorvik1::testing::signalAfter(figure, zahlen, n, sides))
            << "spin " << n;
        if (random.below(judge.signal() ? 3 : 20) == 0) {
            const auto verdict = judge.call({random.below(2) == 0 ? red : black, 0});
            ASSERT_TRUE(verdict.has_value());
        }
    }
    const auto& score = judge.score();
    EXPECT_EQ(score.signalCount, signals);
    EXPECT_EQ(score.hits, hits);
    EXPECT_EQ(score.falseCalls, falseCalls);
    EXPECT_EQ(score.hits + score.wrongColour + score.missed, signals);
    EXPECT_DOUBLE_EQ(score.units, units);
    EXPECT_DOUBLE_EQ(score.perfectUnits, perfect);
    EXPECT_GT(hits, 0);
}

INSTANTIATE_TEST_SUITE_P(Figures, PracticeRule,
                         testing::Values(RuleCase{"r", false}, RuleCase{"rr.s", false},
                                         RuleCase{"rr.s", true}, RuleCase{"rrr", true},
                                         RuleCase{"rsrs", false}, RuleCase{"s...r", true},
                                         RuleCase{"r..s.r", false},
                                         RuleCase{"rs.................r", false},
                                         RuleCase{"gg.u", true, sorvik1::Chance::GeradeUngerade}));

struct CallCase {
    std::string name;
    std::string figure;
    std::vector<int> shown; // numbers shown before the call
    sorvik1::Farbcode colour;
    std::optional<Verdict> verdict;
};

void PrintTo(const CallCase& c, std::ostream* os) {
    *os << c.name;
}

class PracticeCall : public testing::TestWithParam<CallCase> {};

TEST_P(PracticeCall, IsJudgedAtOnce) {
    PracticeJudge judge(sorvik1::parseFigure(GetParam().figure).figure, false);
    for (const int number : GetParam().shown) {
        judge.show(number);
    }
    EXPECT_EQ(judge.call({GetParam().colour, 700}), GetParam().verdict);
}

// 1 and 3 are red, 2 black; the gap takes even a zero.
INSTANTIATE_TEST_SUITE_P(
    Calls, PracticeCall,
    testing::Values(CallCase{"signal, own colour", "rr.s", {1, 3, 0}, black, Verdict::Hit},
                    CallCase{"signal, other colour", "rr.s", {1, 3, 2}, red, Verdict::WrongColour},
                    CallCase{"gap spin not yet shown", "rr.s", {1, 3}, black, Verdict::FalseCall},
                    CallCase{
                        "zero fills no position", "rr.s", {0, 3, 1}, black, Verdict::FalseCall},
                    CallCase{"before the first spin", "r", {}, red, std::nullopt},
                    CallCase{"no colour", "rr.s", {1, 3, 2}, sorvik1::noColour, std::nullopt}));

TEST(PracticeJudge, OnlyTheFirstCallOfASpinCounts) {
    PracticeJudge judge(sorvik1::parseFigure("rs").figure, false);
    judge.show(1);
    EXPECT_EQ(judge.call({black, 300}), Verdict::Hit);
    EXPECT_EQ(judge.call({red, 500}), std::nullopt);
    const auto settled = judge.show(0);
    EXPECT_EQ(settled->call->colour, black);
    EXPECT_EQ(settled->units, -1.0);
    EXPECT_EQ(judge.score().reactionsMs, std::vector<std::int64_t>{300});
}

struct MedianCase {
    std::vector<std::int64_t> reactions;
    std::optional<std::int64_t> median;
};

TEST(PracticeScore, MedianReaction) {
    for (const auto& [reactions, median] : std::vector<MedianCase>{
             {{}, std::nullopt}, {{900, 100, 400}, 400}, {{800, 100, 300, 1000}, 550}}) {
        sorvik1::PracticeScore score;
        score.reactionsMs = reactions;
        EXPECT_EQ(score.medianReactionMs(), median);
    }
}

} // namespace
