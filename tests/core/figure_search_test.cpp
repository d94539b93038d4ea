#include "core/figure_search.h"
#include "core/random.h"
#include "core/simulation.h"

#include <gtest/gtest.h>

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

std::vector<SpinWord> pack(const Colours& colours) {
    std::vector<SpinWord> words;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (i % 64 == 0) {
            words.emplace_back();
        }
        const int bit = static_cast<int>(i % 64);
        words.back().red |= std::uint64_t{colours[i] == sorvik1::red} << bit;
        words.back().black |= std::uint64_t{colours[i] == sorvik1::black} << bit;
        words.back().count = bit + 1;
    }
    return words;
}

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
        packed.push_back(pack(colours));
    }
    const SearchSettings settings{c.span, c.gaps, c.rule};
    // Split in halves for two threads, inside the long first sequence.
    const auto whole = sorvik1::countWindows(packed, settings);
    const auto halves = sorvik1::countWindows(packed, settings, {}, {}, 1);
    EXPECT_EQ(halves.windows(), whole.windows());
    EXPECT_EQ(halves.sequencePositions(), whole.sequencePositions());
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

// Worked out from each law's probabilities summed directly.
TEST(PValue, FollowsTheLawThatFitsTheCount) {
    using sorvik1::PValueMethod;
    struct Case {
        std::int64_t observed;
        double expected;
        double variance;
        double p;
        PValueMethod method;
    };
    for (const Case& c :
         {Case{2060, 2000, 400, 0.0026997960632601913, PValueMethod::Normal}, // z = 3
          Case{12, 5, 5, 0.010906183826018712, PValueMethod::PolyaAeppli},    // Poisson(5)
          // Clumps: lambda 2, theta 1/2; both tails.
          Case{15, 4, 12, 0.02376343229579403, PValueMethod::PolyaAeppli},
          Case{0, 4, 12, 0.2706705664732254, PValueMethod::PolyaAeppli},
          Case{12, 6, 3, 2 * std::pow(0.5, 12), PValueMethod::Binomial}, // 12 trials, 1/2
          Case{0, 0, 0, 1, PValueMethod::None}}) {
        const auto p = sorvik1::twoSidedPValue(c.observed, c.expected, c.variance);
        EXPECT_NEAR(p.p, c.p, 1e-9 * c.p) << c.observed << " of " << c.expected;
        EXPECT_EQ(p.method, c.method) << c.observed << " of " << c.expected;
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

// Over many runs of pure chance, the figures with |z| >= 3 average what the
// summary says chance gives, both where the normal law judges and where
// the clumped Poisson law does.
TEST(FigureSearch, ExpectsAsManyExtremeFiguresAsChanceGives) {
    for (const std::int64_t spins : {std::int64_t{3'000}, std::int64_t{100'000}}) {
        constexpr int runs = 150;
        double sum = 0;
        double squares = 0;
        double expected = 0;
        for (int run = 0; run < runs; ++run) {
            sorvik1::SimulatedSpins source(static_cast<std::uint64_t>(run) + 1, 0, spins);
            std::vector<std::vector<SpinWord>> words(1);
            while (!source.exhausted()) {
                words[0].push_back(source.nextWord(64));
            }
            const auto result = sorvik1::searchFigures(words, SearchSettings{6, true});
            sum += result.beyondThree;
            squares += static_cast<double>(result.beyondThree) * result.beyondThree;
            expected = result.expectedBeyondThree;
        }
        const double mean = sum / runs;
        const double error = std::sqrt((squares / runs - mean * mean) / runs);
        EXPECT_NEAR(mean, expected, 4 * error + 0.02) << spins << " spins";
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
            packed.push_back(pack(colours));
        }
        const auto result = sorvik1::searchFigures(packed, SearchSettings{4, true, c.rule});
        EXPECT_EQ(result.refusal, c.refusal);
        EXPECT_TRUE(result.figures.empty());
    }
    std::stop_source stop;
    stop.request_stop();
    const std::vector<std::vector<SpinWord>> some{pack(Colours(100, sorvik1::red))};
    EXPECT_EQ(sorvik1::searchFigures(some, SearchSettings{4}, stop.get_token()).refusal,
              SearchRefusal::Stopped);
}

} // namespace
