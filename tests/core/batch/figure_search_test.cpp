#include "core/batch/figure_search.h"
#include "core/batch/simulated_windows.h"
#include "core/scan/simulation.h"
#include "core/scan/spin_word.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using sorvik1::Farbcode;
using sorvik1::Figure;
using sorvik1::SearchRefusal;
using sorvik1::SearchSettings;
using sorvik1::SpinWord;
using sorvik1::ZeroRule;

using Colours = std::vector<Farbcode>;

// The plain way: test the figure at every start that fits in each sequence.
std::int64_t plainCount(const Figure& figure, const std::vector<Colours>& sequences,
                        ZeroRule rule) {
    std::int64_t count = 0;
    for (Colours colours : sequences) {
        if (rule == ZeroRule::Skipped) {
            std::erase(colours, sorvik1::noColour);
        }
        for (std::size_t s = 0; s + static_cast<std::size_t>(figure.span()) <= colours.size();
             ++s) {
            bool matches = true;
            for (int i = 0; i < figure.occupiedCount(); ++i) {
                matches &= colours[s + static_cast<std::size_t>(figure.occupiedOffset(i))] ==
                           figure.occupiedColour(i);
            }
            count += matches ? 1 : 0;
        }
    }
    return count;
}

struct CountCase {
    ZeroRule rule;
    int span;
    bool gaps;
};

class SearchCounts : public testing::TestWithParam<CountCase> {};

// Sequences shorter than the span, one spin long and long ones; zeros as
// common as colours so that the rules differ everywhere.
TEST_P(SearchCounts, EqualThePlainCountOfEveryFigure) {
    const CountCase c = GetParam();
    sorvik1::Random generator(static_cast<std::uint64_t>(c.span) * 7 + (c.gaps ? 1 : 0));
    std::vector<Colours> sequences;
    for (const std::size_t length : {std::size_t{700}, std::size_t{3}, std::size_t{1},
                                     std::size_t{130}, std::size_t{64}, std::size_t{9}}) {
        Colours colours(length);
        for (auto& colour : colours) {
            colour = static_cast<Farbcode>(generator.below(3));
        }
        sequences.push_back(colours);
    }
    std::vector<std::vector<SpinWord>> packed;
    for (const auto& colours : sequences) {
        packed.push_back(sorvik1::packSides(colours));
    }
    const SearchSettings settings{c.span, c.gaps, c.rule};
    // Split into parts for threads, inside sequences and across whole ones.
    const auto whole = sorvik1::countWindows(packed, settings, {}, {}, 1);
    for (const int threads : {2, 3, 7}) {
        const auto parts = sorvik1::countWindows(packed, settings, {}, {}, threads, 1);
        EXPECT_EQ(parts.windows(), whole.windows()) << threads << " threads";
        EXPECT_EQ(parts.sequencePositions(), whole.sequencePositions()) << threads << " threads";
    }
    const auto result = sorvik1::searchFigures(packed, settings);
    ASSERT_EQ(result.refusal, SearchRefusal::None);
    for (const auto& finding : result.figures) {
        ASSERT_EQ(finding.found, plainCount(finding.figure, sequences, c.rule))
            << "figure of span " << finding.figure.span();
    }
}

INSTANTIATE_TEST_SUITE_P(BothRules, SearchCounts,
                         testing::Values(CountCase{ZeroRule::Breaks, 6, true},
                                         CountCase{ZeroRule::Skipped, 6, true},
                                         CountCase{ZeroRule::Breaks, 10, false},
                                         CountCase{ZeroRule::Skipped, 10, false},
                                         CountCase{ZeroRule::Breaks, 1, true}));

// Threads split the simulation at its segments and read on into the next
// thread's spins; a last part shorter than the span must lose no window.
TEST(SimulatedWindows, AreTheSameOnEveryNumberOfThreads) {
    constexpr std::int64_t segment = sorvik1::simulationSegmentSpins;
    for (const std::int64_t spins : {2 * segment + 3, 3 * segment + 1000}) {
        for (const ZeroRule rule : {ZeroRule::Breaks, ZeroRule::Skipped}) {
            const auto one = sorvik1::countSimulatedWindows(5, spins, 10, rule, 1);
            std::uint64_t windows = 0;
            for (const auto n : one.windows()) {
                windows += n;
            }
            EXPECT_EQ(static_cast<std::int64_t>(windows), one.sequencePositions().at(0));
            for (const int threads : {2, 3}) {
                const auto parts = sorvik1::countSimulatedWindows(5, spins, 10, rule, threads);
                EXPECT_EQ(parts.windows(), one.windows()) << spins << " spins, " << threads;
                EXPECT_EQ(parts.sequencePositions(), one.sequencePositions());
                EXPECT_EQ(parts.spins(), spins);
                const auto sides =
                    sorvik1::countSimulatedSides(5, spins, 10, rule, sorvik1::allChances, threads);
                const auto sidesOnOne =
                    sorvik1::countSimulatedSides(5, spins, 10, rule, sorvik1::allChances, 1);
                for (std::size_t c = 0; c < sides.size(); ++c) {
                    EXPECT_EQ(sides[c].windows(), sidesOnOne[c].windows()) << "chance " << c;
                }
            }
        }
    }
}

// Three chances of span 1 are six figures, and Holm counts all six: the
// smallest p is multiplied by six.
TEST(FigureSearch, JudgesAllChancesAsOneFamily) {
    const auto counters =
        sorvik1::countSimulatedSides(2, 3000, 1, ZeroRule::Breaks, sorvik1::allChances, 1);
    const auto result = sorvik1::evaluateChances(counters, sorvik1::allChances, false, {}, {});
    ASSERT_EQ(result.figures.size(), 6U);
    EXPECT_EQ(result.figures[2].chance, sorvik1::Chance::GeradeUngerade);
    EXPECT_EQ(sorvik1::figureText(result.figures[5].figure, result.figures[5].chance), "h");
    const auto smallest =
        std::min_element(result.figures.begin(), result.figures.end(),
                         [](const auto& a, const auto& b) { return a.p.p < b.p.p; });
    EXPECT_DOUBLE_EQ(smallest->adjustedP, std::min(1.0, 6 * smallest->p.p));
}

TEST(SearchedFigures, AreEveryFigureWithColouredEnds) {
    struct Case {
        int span;
        bool gaps;
        std::size_t figures;
    };
    // 2 of span 1, then 4 * 3^(m - 2) with gaps or 4 * 2^(m - 2) without.
    for (const Case c : {Case{1, true, 2}, Case{3, true, 2 + 4 + 12}, Case{10, true, 39'366},
                         Case{10, false, 2'046}}) {
        EXPECT_EQ(sorvik1::searchedFigures(c.span, c.gaps).size(), c.figures) << c.span;
    }
}

TEST(Holm, AdjustsAsWorkedByHand) {
    // Sorted: 0.005 * 4 = 0.02, 0.01 * 3 = 0.03, 0.03 * 2 = 0.06, 0.04 * 1
    // raised to the 0.06 before it.
    const std::vector<double> p{0.01, 0.04, 0.03, 0.005};
    const std::vector<double> expected{0.03, 0.06, 0.06, 0.02};
    const auto adjusted = sorvik1::holmAdjusted(p);
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_NEAR(adjusted[i], expected[i], 1e-12) << i;
    }
    EXPECT_EQ(sorvik1::holmAdjusted(std::vector<double>{0.6, 0.9}), (std::vector<double>{1, 1}));
}

// `spins` spins drawn from `seed`, as one sequence.
std::vector<std::vector<SpinWord>> drawn(std::uint64_t seed, std::int64_t spins) {
    sorvik1::SimulatedSpins source(seed, 0, spins);
    std::vector<std::vector<SpinWord>> words(1);
    while (!source.exhausted()) {
        words[0].push_back(source.nextWord(64));
    }
    return words;
}

// Runs searches of the same length over `runs` seeds, sharing the laws.
template <typename Each>
void searchSeeds(std::int64_t spins, const SearchSettings& settings, int runs, Each each) {
    const std::vector<std::int64_t> lengths{spins};
    const auto laws = sorvik1::searchLaws(lengths, settings);
    for (int run = 0; run < runs; ++run) {
        const auto counter =
            sorvik1::countWindows(drawn(static_cast<std::uint64_t>(run) + 1, spins), settings);
        each(sorvik1::evaluateSearch(counter, settings.gaps, {}, {}, 0.0, &laws));
    }
}

// Over many runs of pure chance, the figures with |z| >= 3 average what the
// summary says chance gives, both where the exact law judges and where the
// saddlepoint does.
TEST(FigureSearch, ExpectsAsManyExtremeFiguresAsChanceGives) {
    for (const std::int64_t spins : {std::int64_t{3'000}, std::int64_t{100'000}}) {
        constexpr int runs = 150;
        double sum = 0;
        double squares = 0;
        double expected = 0;
        searchSeeds(spins, SearchSettings{6, true}, runs, [&](const sorvik1::SearchResult& result) {
            sum += result.beyondThree;
            squares += static_cast<double>(result.beyondThree) * result.beyondThree;
            expected = result.expectedBeyondThree;
        });
        const double mean = sum / runs;
        const double error = std::sqrt((squares / runs - mean * mean) / runs);
        EXPECT_NEAR(mean, expected, 4 * error + 0.02) << spins << " spins";
    }
}

// Holm promises that pure chance flags some figure in at most 5 % of the
// searches; 2,000 searches leave room for their own spread.
TEST(FigureSearch, FlagsPureChanceAsRarelyAsPromised) {
    for (const std::int64_t spins : {std::int64_t{60}, std::int64_t{300}}) {
        constexpr int runs = 2'000;
        int flagged = 0;
        searchSeeds(spins, SearchSettings{5, true}, runs, [&](const sorvik1::SearchResult& result) {
            flagged += result.flagged > 0 ? 1 : 0;
        });
        EXPECT_LE(flagged, runs * 0.065) << spins << " spins";
    }
}

// Counts that chance gives now and then, judged by their exact law.
TEST(FigureSearch, JudgesKnownCountsByTheirExactLaw) {
    struct Case {
        const char* name;
        std::uint64_t seed;
        std::int64_t spins;
        const char* figure;
        std::int64_t found;
        double p; // twice P(X >= found), from every colour sequence's chance
    };
    for (const Case& c : {Case{"r.rss 7 times in 60 spins", 8, 60, "r.rss", 7, 7.8162e-3}}) {
        const auto result = sorvik1::searchFigures(drawn(c.seed, c.spins), SearchSettings{5, true});
        const auto figure = sorvik1::parseFigure(c.figure).figure;
        const auto found = std::find_if(result.figures.begin(), result.figures.end(),
                                        [&](const auto& f) { return f.figure == figure; });
        ASSERT_NE(found, result.figures.end()) << c.name;
        EXPECT_EQ(found->found, c.found) << c.name;
        EXPECT_NEAR(found->p.p, c.p, 1e-4 * c.p) << c.name;
        EXPECT_EQ(found->p.method, sorvik1::PValueMethod::Exact) << c.name;
        EXPECT_FALSE(found->flagged) << c.name;
    }
}

TEST(FigureSearch, RefusesWhatItCannotSearch) {
    struct Case {
        std::vector<Colours> sequences;
        ZeroRule rule;
        SearchRefusal refusal;
    };
    const Colours zeros(50, sorvik1::noColour);
    for (const Case& c :
         {Case{{}, ZeroRule::Breaks, SearchRefusal::NoSpins},
          Case{{zeros}, ZeroRule::Breaks, SearchRefusal::OnlyZeros},
          Case{{zeros}, ZeroRule::Skipped, SearchRefusal::OnlyZeros},
          Case{{Colours{1, 0, 2, 1}, Colours{2}}, ZeroRule::Skipped, SearchRefusal::TooFewSpins}}) {
        std::vector<std::vector<SpinWord>> packed;
        for (const auto& colours : c.sequences) {
            packed.push_back(sorvik1::packSides(colours));
        }
        const auto result = sorvik1::searchFigures(packed, SearchSettings{4, true, c.rule});
        EXPECT_EQ(result.refusal, c.refusal);
        EXPECT_TRUE(result.figures.empty());
    }
    std::stop_source stop;
    stop.request_stop();
    const std::vector<std::vector<SpinWord>> some{sorvik1::packSides(Colours(100, sorvik1::red))};
    EXPECT_EQ(sorvik1::searchFigures(some, SearchSettings{4}, stop.get_token()).refusal,
              SearchRefusal::Stopped);
}

} // namespace
