#include "trainer/figure_steps.h"

#include "ui/caption_label.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QFrame>
#include <QRadioButton>

namespace {

// What a run leaves in the run section, written the way the run writes it.
void leaveARunBehind(Form1& f) {
    f.textanzahl->setText(QStringLiteral("100"));
    f.anzahl = 100;
    f.wurf = 37;
    f.importiert = 1;
    f.gestartet = 1;
    f.figbeiwurf = 35;
    f.zahl = 12;
    f.tabelle2->setRows(101);
    for (int r = 0; r < 37; ++r) {
        f.tabelle2->setRow(r);
        f.tabelle2->setCol(0);
        f.tabelle2->setText(QString::number(r + 1));
        f.tabelle2->setCol(r % 2 + 1);
        f.tabelle2->setCellBackColor(r % 2 == 0 ? sorvik1::cellRed : sorvik1::cellBlack);
    }
    f.tabelle2->setTopRow(20);
    for (const char* spin : {"3", "17", "30"}) {
        f.Liste->addItem(QString::fromLatin1(spin));
    }
    f.lmenge->setCaption(QStringLiteral("3"));
    f.lakut->setCaption(QStringLiteral("37"));
    f.lzahl->setCaption(QStringLiteral("12"));
    f.okstart->setText(QStringLiteral("Weiter"));
    f.okstart->setEnabled(true);
    f.okabbrechen->setEnabled(true);
    f.okdruck->setEnabled(true);
    f.okextern->setEnabled(false);
    f.textanzahl->setEnabled(false);
    f.Option1[2]->setChecked(true);
}

bool gridIsEmpty(const FlexGrid& grid) {
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c) {
            if (!grid.textAt(r, c).isEmpty() || grid.cellBackColorAt(r, c) != 0) {
                return false;
            }
        }
    }
    return true;
}

Marks rowTwentyOf(const Marks& marks) {
    return {marks.lower_bound({20, 0}), marks.end()};
}

struct ResetCase {
    const char* name;
    std::vector<FigureStep> before;
    bool afterARun;
};

void PrintTo(const ResetCase& c, std::ostream* os) {
    *os << c.name;
}

const ResetCase resetCases[] = {
    {"RightAfterStartUp", {}, false},
    {"MarksDrawn", {click(3, 1), setzen, click(7, 2), setzen, click(7, 2)}, false},
    {"RowTwentyMarkStays", {click(20, 1), setzen, click(2, 2), setzen}, false},
    {"FigureActivated", {click(0, 2), setzen, click(19, 1), setzen, ok}, false},
    {"AfterARun", {click(5, 1), setzen, ok}, true},
    {"AfterARunWithCursorOnAMark", {click(5, 1), setzen, ok, click(5, 1)}, true},
};

class FigureReset : public FigureWindowWithParam<ResetCase> {};

TEST_P(FigureReset, ReturnsToDrawingWithAnEmptyRunSection) {
    const ResetCase& c = GetParam();
    perform(c.before);
    if (c.afterARun) {
        leaveARunBehind(form);
    }
    const Marks marksBefore = marks();
    const bool setzenBefore = form.okfigsetz->isEnabled();
    const bool absetzenBefore = form.okfigabsetz->isEnabled();
    const bool haltModeBefore = form.Option1[2]->isChecked();
    const int tabelle2Rows = form.tabelle2->rows();
    QTest::mouseClick(form.okreset, Qt::LeftButton);

    // The figure section.
    EXPECT_EQ(marks(), rowTwentyOf(marksBefore));
    EXPECT_EQ(cursor(), Cell(20, 2));
    EXPECT_EQ(form.figur, decltype(form.figur){});
    EXPECT_EQ(form.figanfang, 0);
    EXPECT_EQ(form.figende, 0);
    EXPECT_TRUE(form.okfigok->isEnabled());
    EXPECT_EQ(form.okfigsetz->isEnabled(), setzenBefore);
    EXPECT_EQ(form.okfigabsetz->isEnabled(), absetzenBefore);
    EXPECT_TRUE(form.zudeck1->isVisible());
    EXPECT_TRUE(form.zudeck2->isVisible());
    EXPECT_EQ(form.text->caption(), joined(figureInstruction));

    // The run section.
    EXPECT_EQ(form.anzahl, 0);
    EXPECT_EQ(form.wurf, 0);
    EXPECT_EQ(form.importiert, 0);
    EXPECT_EQ(form.gestartet, 0);
    EXPECT_EQ(form.figbeiwurf, 0);
    EXPECT_TRUE(form.textanzahl->text().isEmpty());
    EXPECT_TRUE(form.textanzahl->isEnabled());
    EXPECT_EQ(form.Liste->listCount(), 0);
    EXPECT_TRUE(gridIsEmpty(*form.tabelle2));
    EXPECT_EQ(form.tabelle2->rows(), tabelle2Rows);
    EXPECT_EQ(form.tabelle2->row(), 1);
    EXPECT_EQ(form.tabelle2->topRow(), 0);
    EXPECT_TRUE(form.okextern->isEnabled());
    EXPECT_EQ(form.okstart->text(), QStringLiteral("Start"));
    EXPECT_FALSE(form.okstart->isEnabled());
    EXPECT_FALSE(form.okabbrechen->isEnabled());
    EXPECT_FALSE(form.okdruck->isEnabled());
    EXPECT_TRUE(form.lmenge->caption().isEmpty());
    EXPECT_TRUE(form.lakut->caption().isEmpty());
    EXPECT_TRUE(form.lzahl->caption().isEmpty());
    EXPECT_EQ(form.Option1[2]->isChecked(), haltModeBefore);
    EXPECT_TRUE(messages->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(States, FigureReset, testing::ValuesIn(resetCases), CaseName());

class FigureResetThen : public FigureWindow {};

// A halt spin kept from the discarded run would stop the next run in mode
// "Halt bei Figur" at a spin where no figure ends.
TEST_F(FigureResetThen, NoHaltSpinIsLeftFromTheDiscardedRun) {
    mark(2, 1);
    perform({ok});
    form.figbeiwurf = 17;
    QTest::mouseClick(form.okreset, Qt::LeftButton);
    EXPECT_EQ(form.figbeiwurf, 0);
}

TEST_F(FigureResetThen, ANewFigureIsReadAfresh) {
    mark(3, 1);
    mark(10, 2);
    perform({ok});
    QTest::mouseClick(form.okreset, Qt::LeftButton);
    mark(8, 2);
    perform({ok});
    EXPECT_EQ(form.figanfang, 9);
    EXPECT_EQ(form.figende, 9);
    EXPECT_EQ(form.figur[9], sorvik1::black);
    EXPECT_EQ(form.figur[4], sorvik1::noColour);
    EXPECT_FALSE(form.zudeck1->isVisible());
}

} // namespace
