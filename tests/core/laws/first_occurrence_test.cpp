#include "core/laws/age_step.h"
#include "core/laws/first_occurrence.h"
#include "core/laws/occurrence_automaton.h"
#include "core/laws/statistics.h"
#include "core/wheel/figure_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using sorvik1::ZeroRule;

sorvik1::Figure figureOf(const std::string& text) {
    return sorvik1::parseFigure(text).figure;
}

struct Case {
    std::string figure;
    ZeroRule rule;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.figure << (c.rule == ZeroRule::Skipped ? " skipped" : "");
}

// The chance of an occurrence within 0 .. spins spins, from the raw outcomes of
// the last span - 1 spins (a fourth symbol for "before the first spin"):
// nothing of the automaton, the interleaving or the tail is used.
std::vector<long double> occurrenceOfHistories(const sorvik1::Figure& figure, ZeroRule rule,
                                               int spins) {
    const auto chances = sorvik1::spinChances(rule);
    const std::vector<long double> chance{chances.zero, chances.colour, chances.colour};
    const int kept = figure.span() - 1;
    std::size_t histories = 1;
    for (int i = 0; i < kept; ++i) {
        histories *= 4;
    }
    std::vector<long double> mass(histories, 0.0L), next(histories);
    mass[histories - 1] = 1.0L; // all "before the first spin"
    std::vector<long double> occurred{0.0L};
    std::vector<int> window(static_cast<std::size_t>(figure.span()));
    long double done = 0.0L;
    for (int n = 0; n < spins; ++n) {
        std::fill(next.begin(), next.end(), 0.0L);
        for (std::size_t h = 0; h < histories; ++h) {
            for (int o = 0; o < 3 && mass[h] > 0; ++o) {
                std::size_t digits = h;
                for (int i = kept - 1; i >= 0; --i, digits /= 4) {
                    window[static_cast<std::size_t>(i)] = static_cast<int>(digits % 4);
                }
                window.back() = o;
                bool occurs = true;
                for (int i = 0; i < figure.span(); ++i) {
                    const int wanted = figure.at(i);
                    const int seen = window[static_cast<std::size_t>(i)];
                    occurs = occurs && seen != 3 && (wanted == 0 || wanted == seen);
                }
                (occurs ? done : next[(h * 4 + static_cast<std::size_t>(o)) % histories]) +=
                    mass[h] * chance[o];
            }
        }
        mass.swap(next);
        occurred.push_back(done);
    }
    return occurred;
}

class AgainstHistories : public testing::TestWithParam<Case> {};

// Long enough that the rest of the wait is far below the tolerance.
TEST_P(AgainstHistories, WaitAndChanceOfAnyAgreeToOnePartInABillion) {
    const auto figure = figureOf(GetParam().figure);
    const auto occurred = occurrenceOfHistories(figure, GetParam().rule, 3000);
    long double wait = 0.0L;
    for (const long double o : occurred) {
        wait += 1.0L - o;
    }
    const auto first = sorvik1::firstOccurrence(figure, 1, GetParam().rule);
    ASSERT_TRUE(first.expectedWait.has_value());
    EXPECT_NEAR(*first.expectedWait, static_cast<double>(wait), 1e-9 * static_cast<double>(wait));
    for (const int spins : {1, figure.span(), 9, 25, 60, 200, 3000}) {
        const double any = static_cast<double>(occurred[static_cast<std::size_t>(spins)]);
        const auto within = sorvik1::firstOccurrence(figure, spins, GetParam().rule).chanceWithin;
        ASSERT_TRUE(within.has_value());
        EXPECT_NEAR(*within, any, 1e-9 * any) << spins << " spins";
        EXPECT_FALSE(std::signbit(*within)) << "a negative zero";
    }
}

// Overlapping, gapped and interleaved figures; with zeros skipped "rs" and
// "r....s" never settle into a fixed hazard ratio per state (a sequence that
// has seen red stays red), and "rrs" leaves its first state for good.
INSTANTIATE_TEST_SUITE_P(
    Figures, AgainstHistories,
    testing::Values(Case{"rs", ZeroRule::Skipped}, Case{"rs", ZeroRule::Breaks},
                    Case{"rrs", ZeroRule::Skipped}, Case{"rsr", ZeroRule::Breaks},
                    Case{"r.s.r", ZeroRule::Breaks}, Case{"r.s.r", ZeroRule::Skipped},
                    Case{"rr.rs", ZeroRule::Breaks}, Case{"r....s", ZeroRule::Skipped},
                    Case{"r....s", ZeroRule::Breaks}, Case{"s.r..r", ZeroRule::Skipped}));

// The automaton stepped spin by spin in extended precision, as far as asked:
// the chance of no occurrence in 0 .. spins spins.
std::vector<long double> stepSurvivals(const sorvik1::Figure& figure, ZeroRule rule,
                                       std::int64_t spins) {
    const sorvik1::OccurrenceAutomaton automaton(figure, rule);
    const std::size_t states = automaton.stateCount();
    std::vector<long double> u(states + 1, 0.0L), next(states + 1);
    u[0] = 1.0L;
    std::vector<long double> survivals{1.0L};
    for (std::int64_t n = 0; n < spins; ++n) {
        std::fill(next.begin(), next.end(), 0.0L);
        for (std::size_t i = 0; i < states; ++i) {
            for (std::size_t o = 0; o < sorvik1::OccurrenceAutomaton::outcomeCount; ++o) {
                next[automaton.next(i, o)] += u[i] * automaton.chance(o);
            }
        }
        next[states] = 0.0L;
        u.swap(next);
        long double alive = 0.0L;
        for (const long double m : u) {
            alive += m;
        }
        survivals.push_back(alive);
    }
    return survivals;
}

struct LongCase {
    std::string figure;
    ZeroRule rule;
    std::int64_t spins;
};

void PrintTo(const LongCase& c, std::ostream* os) {
    *os << c.figure << " in " << c.spins << (c.rule == ZeroRule::Skipped ? " skipped" : "");
}

class TailAgainstStepping : public testing::TestWithParam<LongCase> {};

TEST_P(TailAgainstStepping, ChanceOfAnyHoldsItsBoundFarBeyondTheSteppedSpins) {
    const auto figure = figureOf(GetParam().figure);
    const double any =
        static_cast<double>(1.0L - stepSurvivals(figure, GetParam().rule, GetParam().spins).back());
    const auto within = sorvik1::firstOccurrence(figure, GetParam().spins, GetParam().rule);
    ASSERT_TRUE(within.chanceWithin.has_value());
    EXPECT_NEAR(*within.chanceWithin, any, 1e-9 * any);
}

// Span 20 with small hazards, at spins where the chance is far from 0 and
// from 1: these values come from the bracketed hazard, not from stepping.
INSTANTIATE_TEST_SUITE_P(
    Figures, TailAgainstStepping,
    testing::Values(LongCase{"rrrrrrrrrrrrrrrrrrrr", ZeroRule::Breaks, 400'000},
                    LongCase{"rsssssssssssssssssss", ZeroRule::Skipped, 900'000},
                    LongCase{"rrrrrrrrrr.........s", ZeroRule::Skipped, 4'000},
                    LongCase{"rrrrrr.r.r.rr.rrrrrs", ZeroRule::Breaks, 100'000}));

class LargeAgainstStepping : public testing::TestWithParam<Case> {};

// Automata whose states fill most of the sets of ages are stepped over every
// set rather than along their moves: both values still agree with plain
// stepping.
TEST_P(LargeAgainstStepping, WaitAndChanceOfAnyAgreeToOnePartInABillion) {
    const auto figure = figureOf(GetParam().figure);
    ASSERT_TRUE(sorvik1::AgeStep::of(sorvik1::OccurrenceAutomaton(figure, GetParam().rule)));
    // Far enough that the rest of the wait is far below the tolerance.
    const auto survivals = stepSurvivals(figure, GetParam().rule, 500);
    long double wait = 0.0L;
    for (const long double s : survivals) {
        wait += s;
    }
    const auto first = sorvik1::firstOccurrence(figure, 1, GetParam().rule);
    ASSERT_TRUE(first.expectedWait.has_value());
    EXPECT_NEAR(*first.expectedWait, static_cast<double>(wait), 1e-9 * static_cast<double>(wait));
    for (const int spins : {figure.span(), 20, 40, 80}) {
        const double any = static_cast<double>(1.0L - survivals[static_cast<std::size_t>(spins)]);
        const auto within = sorvik1::firstOccurrence(figure, spins, GetParam().rule).chanceWithin;
        ASSERT_TRUE(within.has_value());
        EXPECT_NEAR(*within, any, 1e-9 * any) << spins << " spins";
    }
}

// A completing and a surviving outcome for each parity of the new set, and
// dropped ages at either end.
INSTANTIATE_TEST_SUITE_P(Figures, LargeAgainstStepping,
                         testing::Values(Case{"r.............rs", ZeroRule::Breaks},
                                         Case{"r.............rs", ZeroRule::Skipped},
                                         Case{"r...........rrs", ZeroRule::Breaks},
                                         Case{"s............ss", ZeroRule::Breaks}));

} // namespace
