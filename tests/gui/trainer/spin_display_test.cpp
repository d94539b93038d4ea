#include "trainer/run_fixture.h"

#include "core/wheel/colour.h"
#include "run/spin_column.h"

namespace {

TEST_F(RunTest, PreparationSizesTheStoreAndLabelsOneRowMoreThanTheSpins) {
    useFigure({{1, sorvik1::red}});
    form.textanzahl->setText(QStringLiteral("100"));
    select(durchlauf);
    press();
    ASSERT_EQ(form.zahlen.size(), 121u);
    EXPECT_EQ(form.zahlen[0], 0);
    for (std::size_t i = 1; i <= 100; ++i) {
        EXPECT_TRUE(form.zahlen[i] >= 0 && form.zahlen[i] <= 36) << i;
    }
    for (std::size_t i = 101; i < 121; ++i) {
        EXPECT_EQ(form.zahlen[i], 0) << i;
    }
    ASSERT_EQ(form.tabelle2->rows(), 101);
    for (int r = 0; r < 101; ++r) {
        EXPECT_EQ(form.tabelle2->textAt(r, 0), QString::number(r + 1));
    }
    EXPECT_EQ(form.tabelle2->textAt(100, 4), QString());
    EXPECT_EQ(form.tabelle2->cellBackColorAt(100, 1), 0u);
    EXPECT_EQ(shown(100), QString::number(form.zahlen[100]));
}

TEST_F(RunTest, ASecondPressDoesNotPrepareAgain) {
    useFigure({{1, sorvik1::red}});
    form.textanzahl->setText(QStringLiteral("5"));
    press();
    const auto drawn = form.zahlen;
    EXPECT_EQ(form.okstart->text(), QStringLiteral("Weiter"));
    EXPECT_EQ(form.gestartet, 1);
    press();
    EXPECT_EQ(form.zahlen, drawn);
    EXPECT_EQ(form.wurf, 2);
}

TEST_F(RunTest, AnImportedRunDrawsNothingAndKeepsTheInstruction) {
    useFigure({{1, sorvik1::red}});
    form.text->setCaption(QStringLiteral("Spielbank"));
    load({12, 0, 36});
    press();
    EXPECT_EQ(form.zahlen, std::vector<std::int16_t>(24, 0));
    EXPECT_EQ(form.text->caption(), QStringLiteral("Spielbank"));
    EXPECT_EQ(shown(1), QStringLiteral("12"));
}

TEST_F(RunTest, ACountLargerThanTheLoadedSpinsStopsAtTheLastLoadedSpin) {
    useFigure({{1, sorvik1::red}});
    load({1, 3, 5});
    form.anzahl = 50; // however the count grew, the run holds to the loaded spins
    select(durchlauf);
    press();
    EXPECT_EQ(form.wurf, 3);
    EXPECT_EQ(form.tabelle2->rows(), 4);
    EXPECT_TRUE(ended());
}

struct Cells {
    int number;
    std::uint32_t col1;
    std::uint32_t col2;
};

void PrintTo(const Cells& c, std::ostream* os) {
    *os << "number " << c.number;
}

class SpinCells : public RunTest, public testing::WithParamInterface<Cells> {};

TEST_P(SpinCells, ShowTheNumberAndItsColour) {
    const Cells& c = GetParam();
    useFigure({{1, sorvik1::red}});
    load({c.number});
    press();
    EXPECT_EQ(shown(1), QString::number(c.number));
    EXPECT_EQ(form.lzahl->caption(), QString::number(c.number));
    EXPECT_EQ(form.lakut->caption(), QStringLiteral("1"));
    EXPECT_EQ(form.tabelle2->cellBackColorAt(0, 1), c.col1);
    EXPECT_EQ(form.tabelle2->cellBackColorAt(0, 2), c.col2);
    EXPECT_EQ(form.tabelle2->textAt(0, 1), QString());
    EXPECT_EQ(form.tabelle2->textAt(0, 3), QString());
}

INSTANTIATE_TEST_SUITE_P(Numbers, SpinCells,
                         testing::Values(Cells{0, sorvik1::cellZero, sorvik1::cellZero},
                                         Cells{1, sorvik1::cellRed, 0},
                                         Cells{2, 0, sorvik1::cellBlack},
                                         Cells{36, sorvik1::cellRed, 0},
                                         Cells{35, 0, sorvik1::cellBlack}));

struct Scroll {
    int spins;       // single steps made
    int zeroAt;      // spin that shows the zero, 0 for none
    int expectedTop; // first visible row afterwards
};

void PrintTo(const Scroll& s, std::ostream* os) {
    *os << s.spins << " spins, zero at " << s.zeroAt;
}

class ScrollRule : public RunTest, public testing::WithParamInterface<Scroll> {};

TEST_P(ScrollRule, KeepsTheCurrentSpinFifteenthFromTheTop) {
    const Scroll& s = GetParam();
    std::vector<int> numbers(100, 2);
    if (s.zeroAt > 0) {
        numbers[static_cast<std::size_t>(s.zeroAt - 1)] = 0;
    }
    useFigure({{1, sorvik1::red}});
    load(numbers);
    form.show();
    for (int i = 0; i < s.spins; ++i) {
        press();
    }
    EXPECT_EQ(form.tabelle2->topRow(), s.expectedTop);
}

INSTANTIATE_TEST_SUITE_P(Spins, ScrollRule,
                         testing::Values(Scroll{15, 0, 0}, Scroll{16, 0, 1}, Scroll{17, 0, 2},
                                         Scroll{16, 16, 0}, Scroll{17, 16, 2}, Scroll{40, 0, 25}));

TEST_F(RunTest, TheSpinColumnWidensForEightDigitsWithinTheGrid) {
    form.show();
    FlexGrid& grid = *form.tabelle2;
    const int before = grid.columnWidth(0);
    fitSpinColumn(grid, QStringLiteral("101"), 3);
    EXPECT_EQ(grid.columnWidth(0), before);

    const QString widest = QStringLiteral("10000001");
    fitSpinColumn(grid, widest, 3);
    EXPECT_GE(grid.columnWidth(0), grid.fontMetrics().horizontalAdvance(widest));
    int used = 0;
    for (int c = 0; c < grid.cols(); ++c) {
        used += grid.columnWidth(c);
    }
    EXPECT_LE(used, grid.viewport()->width());
    EXPECT_GE(grid.columnWidth(3), 0);
}

} // namespace
