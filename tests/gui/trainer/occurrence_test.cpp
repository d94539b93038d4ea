#include "trainer/run_fixture.h"

#include "core/wheel/colour.h"

#include <QTest>

namespace {

constexpr sorvik1::Farbcode rot = sorvik1::red;
constexpr sorvik1::Farbcode schwarz = sorvik1::black;

struct OccurrenceCase {
    const char* name;
    std::vector<std::pair<int, sorvik1::Farbcode>> figure;
    std::vector<int> numbers;
    QStringList listed;
    double figbeiwurf;
};

class Occurrences : public RunTest, public testing::WithParamInterface<OccurrenceCase> {};

TEST_P(Occurrences, AreListedAtTheirFirstSpinAndCounted) {
    const OccurrenceCase& c = GetParam();
    useFigure(c.figure);
    load(c.numbers);
    select(durchlauf);
    press();
    EXPECT_EQ(listed(), c.listed);
    EXPECT_EQ(form.lmenge->caption(),
              c.listed.isEmpty() ? QString() : QString::number(c.listed.size()));
    EXPECT_EQ(form.figbeiwurf, c.figbeiwurf);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Occurrences,
    testing::Values(
        OccurrenceCase{"OnePositionNeverAZero", {{4, rot}}, {1, 2, 0, 3}, {"1", "4"}, 4},
        OccurrenceCase{
            "OverlappingAreEachListed", {{1, rot}, {2, rot}}, {1, 1, 1, 2}, {"1", "2"}, 3},
        OccurrenceCase{"AGapAcceptsAnySpinZeroIncluded",
                       {{3, rot}, {5, schwarz}},
                       {1, 0, 2, 1, 1, 2, 1, 2, 1},
                       {"1", "4"},
                       6},
        OccurrenceCase{
            "AZeroAtAnOccupiedPositionEndsTheTest", {{1, rot}, {2, rot}}, {1, 0, 1}, {}, 0},
        OccurrenceCase{"TheMarginAfterTheLastSpinNeverCompletesOne",
                       {{1, rot}, {3, rot}},
                       {2, 2, 1, 1},
                       {},
                       0},
        OccurrenceCase{"DrawnLowInTheGridIsTheSameFigure",
                       {{11, rot}, {13, schwarz}},
                       {1, 0, 2, 1, 1, 2, 1, 2, 1},
                       {"1", "4"},
                       6}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(RunTest, LoadedSpinsPastAShorterCountAreNotLookedAt) {
    useFigure({{1, rot}, {2, rot}});
    load({2, 2, 2, 1, 1});
    form.textanzahl->setText(QStringLiteral("4"));
    select(durchlauf);
    press();
    EXPECT_EQ(form.wurf, 4);
    EXPECT_EQ(listed(), QStringList());
}

// Counts the starts of the figure in the numbers the grid shows, without
// the window's own matcher.
QStringList recount(const Form1& form, const std::vector<sorvik1::Farbcode>& offsets) {
    const int spins = static_cast<int>(form.anzahl);
    QStringList starts;
    for (int s = 1; s + static_cast<int>(offsets.size()) - 1 <= spins; ++s) {
        bool all = true;
        for (std::size_t k = 0; k < offsets.size() && all; ++k) {
            const int row = s - 1 + static_cast<int>(k);
            const int number = form.tabelle2->textAt(row, 4).toInt();
            all = offsets[k] == 0 || form.farbe[static_cast<std::size_t>(number)] == offsets[k];
        }
        if (all) {
            starts << QString::number(s);
        }
    }
    return starts;
}

TEST_F(RunTest, EveryListedSpinIsATrueStartInTheShownNumbersAndNoneIsMissed) {
    useFigure({{2, rot}, {4, schwarz}, {5, rot}});
    form.textanzahl->setText(QStringLiteral("5000"));
    select(durchlauf);
    press();
    const QStringList expected = recount(form, {rot, 0, schwarz, rot});
    ASSERT_GT(expected.size(), 100);
    EXPECT_EQ(listed(), expected);
    EXPECT_EQ(form.lmenge->caption(), QString::number(expected.size()));
}

class ListeClick : public RunTest {
  protected:
    void runWithOccurrenceAt37() {
        std::vector<int> numbers(200, 2);
        numbers[36] = 1;
        useFigure({{1, rot}});
        load(numbers);
        select(durchlauf);
        form.show();
        press();
        form.Liste->flush();
        ASSERT_EQ(listed(), QStringList{"37"});
    }
    void click(int entry) {
        const QModelIndex index = form.Liste->model()->index(entry, 0);
        form.Liste->scrollTo(index);
        QTest::mouseClick(form.Liste->viewport(), Qt::LeftButton, {},
                          form.Liste->visualRect(index).center());
    }
};

TEST_F(ListeClick, ScrollsTheGridToTheClickedSpin) {
    runWithOccurrenceAt37();
    click(0);
    EXPECT_EQ(form.tabelle2->topRow(), 36);
}

TEST_F(ListeClick, WithoutASelectedEntryDoesNothing) {
    runWithOccurrenceAt37();
    const int top = form.tabelle2->topRow();
    form.Liste->clearSelection();
    form.Liste_Click();
    EXPECT_EQ(form.tabelle2->topRow(), top);
    QTest::mouseClick(form.Liste->viewport(), Qt::LeftButton, {},
                      form.Liste->viewport()->rect().bottomRight() - QPoint(2, 2));
    EXPECT_EQ(form.tabelle2->topRow(), top);
}

} // namespace
