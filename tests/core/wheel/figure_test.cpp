#include "core/wheel/figure.h"
#include "core/wheel/figure_text.h"
#include "spin_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sorvik1::Figure;
using sorvik1::FigureGrid;
using sorvik1::SpinSource;
using sorvik1::wheelColours;

struct MatchCase {
    std::string figure;
    std::string spins;
    std::vector<std::int64_t> starts;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << c.figure << " over " << c.spins;
}

class FigureTest : public testing::TestWithParam<MatchCase> {};

TEST_P(FigureTest, StartsAtExactlyTheListedSpins) {
    const Figure figure = sorvik1::parseFigure(GetParam().figure).figure;
    const auto zahlen = sorvik1::testing::zahlenOf(GetParam().spins);
    const auto source = SpinSource::drawn(wheelColours(), zahlen);
    const auto anzahl = static_cast<std::int64_t>(GetParam().spins.size());
    EXPECT_EQ(sorvik1::testing::startsOneByOne(figure, source, anzahl), GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(Spins, FigureTest,
                         testing::Values(
                             // One position: every spin of its colour, never a zero.
                             MatchCase{"r", "RS0RR", {1, 4, 5}}, MatchCase{"s", "RS0RS", {2, 5}},
                             // A free position accepts anything, the zero included.
                             MatchCase{"r.s", "RRSR0SRSR", {1, 4}}, MatchCase{"r.s", "R0S", {1}},
                             // Overlapping occurrences are each found.
                             MatchCase{"rr", "RRRS", {1, 2}}, MatchCase{"rsr", "RSRSR", {1, 3}},
                             // A zero on an occupied position breaks the figure.
                             MatchCase{"rr", "R0R", {}}, MatchCase{"rsr", "RS0", {}},
                             // An occurrence needing spins past the run is never found: the
                             // first position fits spin anzahl - 1, the last would need anzahl + 1.
                             MatchCase{"rrr", "SRR", {}}, MatchCase{"rrr", "RRR", {1}},
                             MatchCase{"r..................s", std::string(19, 'R') + "S", {1}},
                             MatchCase{"r..................s", std::string(20, 'R'), {}}));

TEST(Figure, WhereItIsDrawnInTheGridDoesNotMatter) {
    FigureGrid top{};
    FigureGrid lower{};
    top[1] = lower[11] = sorvik1::red;
    top[3] = lower[13] = sorvik1::black;
    const Figure fromTop = Figure::fromGrid(top, 1, 3);
    EXPECT_EQ(fromTop, Figure::fromGrid(lower, 11, 13));
    EXPECT_EQ(fromTop, sorvik1::parseFigure("r.s").figure);
}

TEST(Figure, NoActiveFigureOccursNowhere) {
    FigureGrid grid{};
    grid[1] = sorvik1::red;
    const auto zahlen = sorvik1::testing::zahlenOf("RRR");
    const auto source = SpinSource::drawn(wheelColours(), zahlen);
    for (const auto& [anfang, ende] : {std::pair{0, 0}, {2, 1}, {1, 21}, {-1, 1}}) {
        const Figure figure = Figure::fromGrid(grid, static_cast<std::int16_t>(anfang),
                                               static_cast<std::int16_t>(ende));
        EXPECT_TRUE(figure.empty());
        EXPECT_FALSE(figure.startsAt(source, 1));
    }
}

TEST(Figure, ImportedSpinsAreRoundedBeforeTheirColourIsTaken) {
    // 36.4 is 36 (red), 0.5 the zero, 1.5 is 2 (black).
    const std::vector<double> permanenz{0, 36.4, 0.5, 1.5, 0};
    const auto source = SpinSource::imported(wheelColours(), permanenz);
    EXPECT_TRUE(sorvik1::parseFigure("r.s").figure.startsAt(source, 1));
    EXPECT_FALSE(sorvik1::parseFigure("rs").figure.startsAt(source, 1));
    EXPECT_FALSE(sorvik1::parseFigure("r").figure.startsAt(source, 2));
    EXPECT_FALSE(sorvik1::parseFigure("s").figure.startsAt(source, 2));
}

} // namespace
