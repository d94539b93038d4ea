#include "trainer/figure_steps.h"

#include "ui/caption_label.h"

#include <QFrame>

#include <array>

namespace {

using Figure = std::array<sorvik1::Farbcode, 21>;

// A figure from its marked positions: (position, colour code).
Figure figureOf(std::initializer_list<std::pair<int, sorvik1::Farbcode>> positions) {
    Figure f{};
    for (const auto& [p, colour] : positions) {
        f[static_cast<std::size_t>(p)] = colour;
    }
    return f;
}

Figure alternatingFigure() {
    Figure f{};
    for (int p = 1; p <= 20; ++p) {
        f[static_cast<std::size_t>(p)] = p % 2 == 1 ? sorvik1::red : sorvik1::black;
    }
    return f;
}

std::vector<FigureStep> markAllRowsAlternating() {
    std::vector<FigureStep> steps;
    for (int r = 0; r < 20; ++r) {
        steps.push_back(click(r, r % 2 == 0 ? 1 : 2));
        steps.push_back(setzen);
    }
    return steps;
}

struct ActivationCase {
    const char* name;
    std::vector<FigureStep> drawing;
    Figure figur;
    int figanfang;
    int figende;
};

void PrintTo(const ActivationCase& c, std::ostream* os) {
    *os << c.name;
}

const ActivationCase activationCases[] = {
    {"OneRedMark", {click(6, 1), setzen}, figureOf({{7, sorvik1::red}}), 7, 7},
    {"OnlyBlackMarks",
     {click(4, 2), setzen, click(11, 2), setzen},
     figureOf({{5, sorvik1::black}, {12, sorvik1::black}}),
     5,
     12},
    {"GapBetweenRedAndBlack",
     {click(2, 1), setzen, click(8, 2), setzen},
     figureOf({{3, sorvik1::red}, {9, sorvik1::black}}),
     3,
     9},
    {"FirstAndLastPosition",
     {click(19, 2), setzen, click(0, 1), setzen},
     figureOf({{1, sorvik1::red}, {20, sorvik1::black}}),
     1,
     20},
    {"RowTwentyIsNoPosition",
     {click(20, 2), setzen, click(13, 1), setzen},
     figureOf({{14, sorvik1::red}}),
     14,
     14},
    {"AllPositions", markAllRowsAlternating(), alternatingFigure(), 1, 20},
    {"AbsetzenStaysEnabled",
     {click(9, 1), setzen, click(9, 1)},
     figureOf({{10, sorvik1::red}}),
     10,
     10},
};

class FigureActivation : public FigureWindowWithParam<ActivationCase> {};

TEST_P(FigureActivation, ReadsTheFigureAndUncoversTheRun) {
    const ActivationCase& c = GetParam();
    perform(c.drawing);
    const bool absetzenBefore = form.okfigabsetz->isEnabled();
    perform({ok});

    EXPECT_EQ(form.figur, c.figur);
    EXPECT_EQ(form.figanfang, c.figanfang);
    EXPECT_EQ(form.figende, c.figende);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(cursor(), parkingCell);
    EXPECT_FALSE(form.zudeck1->isVisible());
    EXPECT_FALSE(form.zudeck2->isVisible());
    EXPECT_FALSE(form.okfigsetz->isEnabled());
    EXPECT_FALSE(form.okfigok->isEnabled());
    EXPECT_EQ(form.okfigabsetz->isEnabled(), absetzenBefore);
    EXPECT_EQ(form.text->caption(), joined(runInstruction));
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureActivation, testing::ValuesIn(activationCases), CaseName());

struct RefusalCase {
    const char* name;
    std::vector<FigureStep> drawing;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

const RefusalCase refusalCases[] = {
    {"NothingDrawn", {}},
    {"CursorOnAFreeCell", {click(7, 2)}},
    {"MarkRemovedAgain", {click(3, 1), setzen, click(3, 1), absetzen, click(12, 1)}},
    {"RedMarkOnlyInRowTwenty", {click(20, 1), setzen}},
    {"BlackMarkOnlyInRowTwenty", {click(20, 2), setzen, click(5, 0)}},
};

class FigureRefusal : public FigureWindowWithParam<RefusalCase> {};

TEST_P(FigureRefusal, ShowsTheErrorAndOnlyParksTheCursor) {
    perform(GetParam().drawing);
    const Marks marksBefore = marks();
    const bool setzenBefore = form.okfigsetz->isEnabled();
    const bool absetzenBefore = form.okfigabsetz->isEnabled();
    perform({ok});

    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].prompt, QStringLiteral("Erst muss eine Figur definiert werden!"));
    EXPECT_EQ(messages->shown[0].style, msgstyle::critical);
    EXPECT_EQ(messages->shown[0].title, QStringLiteral(" Fehler"));
    EXPECT_EQ(cursor(), parkingCell);
    EXPECT_EQ(marks(), marksBefore);
    EXPECT_EQ(form.figur, Figure{});
    EXPECT_EQ(form.figanfang, 0);
    EXPECT_EQ(form.figende, 0);
    EXPECT_TRUE(form.zudeck1->isVisible());
    EXPECT_TRUE(form.zudeck2->isVisible());
    EXPECT_TRUE(form.okfigok->isEnabled());
    EXPECT_EQ(form.okfigsetz->isEnabled(), setzenBefore);
    EXPECT_EQ(form.okfigabsetz->isEnabled(), absetzenBefore);
    EXPECT_EQ(form.text->caption(), joined(figureInstruction));
}

INSTANTIATE_TEST_SUITE_P(Drawings, FigureRefusal, testing::ValuesIn(refusalCases), CaseName());

class FigureAfterActivation : public FigureWindow {};

// The grid stays editable, but the active figure is what "OK" read.
TEST_F(FigureAfterActivation, EditsChangeTheGridOnly) {
    mark(4, 1);
    mark(6, 2);
    perform({ok});
    const Figure active = form.figur;

    perform({click(10, 2)});
    EXPECT_TRUE(form.okfigsetz->isEnabled());
    perform({setzen, click(4, 1), absetzen, click(1, 1), setzen});

    EXPECT_EQ(marks(), (Marks{{{1, 1}, redMark}, {{6, 2}, blackMark}, {{10, 2}, blackMark}}));
    EXPECT_EQ(form.figur, active);
    EXPECT_EQ(form.figanfang, 5);
    EXPECT_EQ(form.figende, 7);
    EXPECT_FALSE(form.okfigok->isEnabled());
}

} // namespace
