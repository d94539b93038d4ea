#include "trainer/figure_steps.h"

#include <QImage>

namespace {

struct EditCase {
    const char* name;
    std::vector<FigureStep> steps;
    Marks marks;
    Cell cursor;
    bool setzenEnabled;
    bool absetzenEnabled;
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

const EditCase editCases[] = {
    {"NothingBeforeTheFirstClick", {}, {}, parkingCell, false, false},
    {"ClickPicksTheCellWithoutParking", {click(9, 2)}, {}, {9, 2}, true, false},
    {"ClickOnMarkOffersOnlyAbsetzen",
     {click(4, 1), setzen, click(4, 1)},
     {{{4, 1}, redMark}},
     {4, 1},
     false,
     true},
    {"RedMark", {click(3, 1), setzen}, {{{3, 1}, redMark}}, parkingCell, true, false},
    {"BlackMark", {click(3, 2), setzen}, {{{3, 2}, blackMark}}, parkingCell, true, false},
    {"RedRefusedBesideBlack",
     {click(4, 2), setzen, click(4, 1), setzen},
     {{{4, 2}, blackMark}},
     parkingCell,
     true,
     false},
    {"BlackRefusedBesideRed",
     {click(4, 1), setzen, click(4, 2), setzen},
     {{{4, 1}, redMark}},
     parkingCell,
     true,
     false},
    {"SetzenTwiceMarksOnce",
     {click(5, 1), setzen, setzen},
     {{{5, 1}, redMark}},
     parkingCell,
     true,
     false},
    {"AbsetzenRemovesAndParks",
     {click(2, 2), setzen, click(2, 2), absetzen},
     {},
     parkingCell,
     false,
     true},
    {"AbsetzenTwiceRemovesOnlyOne",
     {click(2, 1), setzen, click(6, 2), setzen, click(2, 1), absetzen, absetzen},
     {{{6, 2}, blackMark}},
     parkingCell,
     false,
     true},
    {"ColumnZeroOffersSetzen", {click(8, 0)}, {}, {8, 0}, true, false},
    {"SetzenInColumnZeroOnlyParks", {click(8, 0), setzen}, {}, parkingCell, true, false},
    {"RowTwentyTakesAMark", {click(20, 1), setzen}, {{{20, 1}, redMark}}, parkingCell, true, false},
    {"FirstAndLastPosition",
     {click(0, 2), setzen, click(19, 1), setzen},
     {{{0, 2}, blackMark}, {{19, 1}, redMark}},
     parkingCell,
     true,
     false},
};

class FigureEditor : public FigureWindowWithParam<EditCase> {};

TEST_P(FigureEditor, LeavesMarksCursorAndButtons) {
    const EditCase& c = GetParam();
    perform(c.steps);
    EXPECT_EQ(marks(), c.marks);
    EXPECT_EQ(cursor(), c.cursor);
    EXPECT_EQ(form.okfigsetz->isEnabled(), c.setzenEnabled);
    EXPECT_EQ(form.okfigabsetz->isEnabled(), c.absetzenEnabled);
}

INSTANTIATE_TEST_SUITE_P(Steps, FigureEditor, testing::ValuesIn(editCases), CaseName());

class FigureEditorMarks : public FigureWindow {};

// Only the two exact mark colours count: a cell coloured otherwise is free.
TEST_F(FigureEditorMarks, OtherCellColoursAreNoMark) {
    form.tabelle1->setRow(7);
    form.tabelle1->setCol(1);
    form.tabelle1->setCellBackColor(sorvik1::cellZero);
    perform({click(7, 1)});
    EXPECT_TRUE(form.okfigsetz->isEnabled());
    EXPECT_FALSE(form.okfigabsetz->isEnabled());
}

// The marks must show in their colours, not under a style's own cell colour.
TEST_F(FigureEditorMarks, ShowRedAndBlackOnScreen) {
    mark(3, 1);
    mark(5, 2);
    const QImage shot = form.tabelle1->viewport()->grab().toImage();
    auto colourAt = [this, &shot](int row, int col) {
        return shot.pixelColor(cellRect(row, col).center() * shot.devicePixelRatio());
    };
    EXPECT_EQ(colourAt(3, 1), QColor(240, 0, 0));
    EXPECT_EQ(colourAt(5, 2), QColor(15, 0, 0));
    EXPECT_EQ(colourAt(3, 2), QColor(255, 255, 255));
}

} // namespace
