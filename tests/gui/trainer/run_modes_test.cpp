#include "trainer/run_fixture.h"

namespace {

constexpr sorvik1::Farbcode rot = sorvik1::red;

// Where each press of Start leaves the run: the spins shown so far, and
// whether that press ended the run.
struct Press {
    double wurf;
    bool ended;
};

struct ModeCase {
    const char* name;
    int mode;
    std::vector<int> numbers;
    std::vector<std::pair<int, sorvik1::Farbcode>> figure;
    std::vector<Press> presses;
};

class RunModes : public RunTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(RunModes, EachPressShowsTheSpinsItsModeAllows) {
    const ModeCase& c = GetParam();
    useFigure(c.figure);
    load(c.numbers);
    select(static_cast<Mode>(c.mode));
    for (std::size_t i = 0; i < c.presses.size(); ++i) {
        press();
        EXPECT_EQ(form.wurf, c.presses[i].wurf) << "press " << i + 1;
        EXPECT_EQ(ended(), c.presses[i].ended) << "press " << i + 1;
    }
    EXPECT_EQ(form.okstart->text(), QStringLiteral("Start"));
}

const std::vector<int> tenBlackThenRedRed = {2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 2, 2, 2, 2};

INSTANTIATE_TEST_SUITE_P(
    Presses, RunModes,
    testing::Values(
        ModeCase{"SingleStepOne", 0, {1}, {{1, rot}}, {{1, false}, {1, true}}},
        ModeCase{"SingleStepThree",
                 0,
                 {1, 2, 3},
                 {{1, rot}},
                 {{1, false}, {2, false}, {3, false}, {3, true}}},
        ModeCase{"ThroughOne", 1, {1}, {{1, rot}}, {{1, true}}},
        ModeCase{"ThroughThree", 1, {1, 2, 3}, {{1, rot}}, {{3, true}}},
        ModeCase{"HaltWithoutOccurrenceRunsToTheEnd", 2, {2, 2, 2}, {{1, rot}}, {{3, true}}},
        ModeCase{
            "HaltOnEachRedOfThree", 2, {1, 2, 3}, {{1, rot}}, {{1, false}, {3, false}, {3, true}}},
        ModeCase{"HaltAfterTheLastSpinOfAnOccurrence",
                 2,
                 tenBlackThenRedRed,
                 {{1, rot}, {2, rot}},
                 {{11, false}, {15, true}}},
        ModeCase{"OverlappingOccurrencesHaltAtTheLatestEnd",
                 2,
                 {1, 1, 1, 2, 2},
                 {{1, rot}, {2, rot}},
                 {{3, false}, {5, true}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(RunTest, AHaltOnTheLastSpinLeavesTheEndToTheNextPress) {
    useFigure({{1, rot}});
    load({2, 2, 1});
    select(haltBeiFigur);
    press();
    EXPECT_EQ(form.wurf, 3);
    EXPECT_EQ(form.figbeiwurf, 0);
    EXPECT_EQ(form.okstart->text(), QStringLiteral("Weiter"));
    EXPECT_TRUE(form.okstart->isEnabled());
    press();
    EXPECT_TRUE(ended());
}

TEST_F(RunTest, TheModeIsReadAfterEverySpin) {
    useFigure({{1, rot}});
    load({2, 2, 2, 2, 2});
    press();
    EXPECT_EQ(form.wurf, 1);
    select(durchlauf);
    press();
    EXPECT_TRUE(ended());
    EXPECT_EQ(form.wurf, 5);
}

TEST_F(RunTest, TheEndOfARandomRunAppendsTheEndMarkOnANewLine) {
    useFigure({{1, rot}});
    form.textanzahl->setText(QStringLiteral("3"));
    select(durchlauf);
    press();
    EXPECT_EQ(
        form.text->caption(),
        QStringLiteral(" Der Computer erzeugt die Zahlen...\r                    ***  ENDE  *** "));
    EXPECT_TRUE(form.okabbrechen->isEnabled());
    EXPECT_TRUE(form.okdruck->isEnabled());
    EXPECT_FALSE(form.okextern->isEnabled());
    EXPECT_FALSE(form.textanzahl->isEnabled());
}

} // namespace

namespace {

// What the window shows of a run: every cell of the run table, its current
// cell and first visible row, the labels, the occurrence list and Start.
QStringList shownRun(Form1& f) {
    FlexGrid& grid = *f.tabelle2;
    QStringList shown;
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c) {
            cells << grid.textAt(r, c) << QString::number(grid.cellBackColorAt(r, c));
        }
        shown << cells.join(QLatin1Char(' '));
    }
    shown << QStringLiteral("current %1 %2 top %3")
                 .arg(grid.row())
                 .arg(grid.col())
                 .arg(grid.topRow());
    shown << f.lakut->caption() << f.lzahl->caption() << f.lmenge->caption() << f.text->caption();
    for (int i = 0; i < f.Liste->listCount(); ++i) {
        shown << f.Liste->list(i);
    }
    shown << f.okstart->text() << QString::number(f.okstart->isEnabled());
    return shown;
}

} // namespace

// Halting at a figure and running through show the spins exactly as single
// steps to the same spin do, also when a run stops on a zero and when a
// later press goes on from an earlier one.
TEST_F(RunTest, EveryModeShowsTheSpinsAsSingleStepsDo) {
    const std::vector<int> numbers = {2, 0, 1, 1, 2, 2, 0, 2, 1, 2, 2,  2, 2, 2,  2,
                                      2, 2, 1, 1, 0, 2, 1, 1, 1, 0, 36, 2, 2, 35, 0};
    useFigure({{1, rot}, {2, rot}});
    load(numbers);
    Form1 stepped{Form1::Options{42}};
    stepped.figur = form.figur;
    stepped.figanfang = form.figanfang;
    stepped.figende = form.figende;
    stepped.importiert = form.importiert;
    stepped.importanzahl = form.importanzahl;
    stepped.anzahl = form.anzahl;
    stepped.permanenz = form.permanenz;
    stepped.textanzahl->setText(form.textanzahl->text());
    form.show();
    stepped.show();

    for (const Mode mode : {haltBeiFigur, haltBeiFigur, durchlauf}) {
        select(mode);
        press();
        while (stepped.wurf < form.wurf || (ended() && stepped.okstart->isEnabled())) {
            stepped.okstart->click();
        }
        EXPECT_EQ(shownRun(form), shownRun(stepped)) << "after spin " << form.wurf;
    }
    EXPECT_EQ(form.wurf, 30);
}
