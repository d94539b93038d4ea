// The window as it opens: every control at its place with its caption and
// state, seen through the accessibility interface as assistive tools see it.
#include "window_fixture.h"

#include "ui/caption_label.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <cmath>

namespace {

struct Placed {
    const char* name;
    int left, top, width, height; // twips
    bool insideFrame;
};

void PrintTo(const Placed& p, std::ostream* os) {
    *os << p.name;
}

const Placed placements[] = {
    {"infotext", 3375, 225, 3480, 5865, false},      {"zudeck2", 3600, 1125, 3165, 5010, false},
    {"zudeck1", 6930, 135, 2220, 6000, false},       {"okreset", 1800, 6390, 1170, 330, false},
    {"Liste", 1890, 1485, 1170, 3765, false},        {"okfigok", 420, 6405, 1170, 330, false},
    {"okfigabsetz", 420, 5985, 1170, 330, false},    {"okfigsetz", 420, 5565, 1170, 330, false},
    {"okinfo", 4095, 6300, 2115, 435, false},        {"Frame1", 6930, 135, 2115, 6735, false},
    {"okexternabbruch", 1155, 6090, 750, 330, true}, {"okexternok", 210, 6090, 750, 330, true},
    {"File1", 105, 3465, 1905, 2235, true},          {"Dir1", 105, 1785, 1905, 1440, true},
    {"Drive1", 105, 420, 1905, 315, true},           {"Label10", 735, 1260, 435, 225, true},
    {"okabbrechen", 7140, 4410, 1695, 435, false},   {"okdruck", 7140, 5040, 780, 435, false},
    {"okextern", 7140, 5670, 1695, 435, false},      {"okende", 7140, 6300, 1680, 450, false},
    {"tabelle1", 420, 525, 1140, 4800, false},       {"Option1_2", 7200, 2100, 1575, 435, false},
    {"okstart", 7140, 3885, 1680, 450, false},       {"Option1_1", 7200, 1680, 1575, 435, false},
    {"Option1_0", 7200, 1260, 1575, 435, false},     {"textanzahl", 7200, 735, 1575, 435, false},
    {"tabelle2", 4095, 2340, 2130, 3630, false},     {"okcopy", 8055, 5040, 780, 435, false},
    {"Label5", 5490, 2115, 555, 195, false},         {"Label4", 4275, 2115, 465, 240, false},
    {"Label9", 2070, 1215, 855, 225, false},         {"Label8", 1980, 360, 1050, 225, false},
    {"lmenge", 1980, 630, 960, 330, false},          {"Shape3", 315, 210, 2955, 6735, false},
    {"Label7", 1260, 315, 225, 120, false},          {"Label6", 945, 315, 225, 120, false},
    {"text", 3495, 240, 3360, 885, false},           {"Label2", 7770, 3150, 495, 180, false},
    {"lzahl", 7665, 3360, 615, 375, false},          {"Shape1", 6960, 240, 2055, 6615, false},
    {"Label3", 4545, 1260, 1260, 255, false},        {"lakut", 4500, 1530, 1335, 375, false},
    {"Label1", 7200, 420, 1575, 255, false},
};

class Placement : public WindowTest, public testing::WithParamInterface<Placed> {};

TEST_P(Placement, ControlSitsAtItsRectangle) {
    const Placed& p = GetParam();
    auto* w = form.findChild<QWidget*>(QString::fromLatin1(p.name));
    ASSERT_NE(w, nullptr) << p.name;
    QRect r = w->geometry();
    if (p.insideFrame) {
        EXPECT_EQ(w->parentWidget(), form.findChild<QWidget*>(QStringLiteral("Frame1")));
    }
    const double scale = 15.0;
    EXPECT_NEAR(r.x(), p.left / scale, 2) << p.name;
    EXPECT_NEAR(r.y(), p.top / scale, 2) << p.name;
    EXPECT_NEAR(r.width(), p.width / scale, 2) << p.name;
    if (QString::fromLatin1(p.name) != QLatin1String("Drive1")) {
        EXPECT_NEAR(r.height(), p.height / scale, 2) << p.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Window, Placement, testing::ValuesIn(placements),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(WindowTest, ClientAreaAndTitle) {
    EXPECT_EQ(form.size(), QSize(638, 477));
    EXPECT_TRUE(
        form.windowTitle().startsWith(QStringLiteral("Tamblo / QV / Sorvik1    dwrel / V03.01  ")));
    EXPECT_FALSE(form.windowIcon().isNull());
}

struct Expected {
    const char* name;
    const char* caption;
    bool enabled;
    bool shown; // visible within the window, not under a hidden frame
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.name;
}

const Expected startStates[] = {
    {"okreset", "Reset", true, true},         {"okfigok", "OK", true, true},
    {"okfigabsetz", "Absetzen", false, true}, {"okfigsetz", "Setzen", false, true},
    {"okinfo", "Info", true, true},           {"okexternabbruch", "Abbr.", true, false},
    {"okexternok", "OK", false, false},       {"okabbrechen", "Abbruch", false, true},
    {"okdruck", "Druck", false, true},        {"okextern", "Import", true, true},
    {"okende", "Ende", true, true},           {"okstart", "Start", false, true},
    {"okcopy", "Copy", true, true},
};

class StartState : public WindowTest, public testing::WithParamInterface<Expected> {};

TEST_P(StartState, ButtonHasItsCaptionAndState) {
    const Expected& e = GetParam();
    auto* b = form.findChild<QPushButton*>(QString::fromLatin1(e.name));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), QString::fromUtf8(e.caption));
    EXPECT_EQ(b->isEnabled(), e.enabled);
    EXPECT_EQ(b->isVisibleTo(&form), e.shown);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(e.caption));
    EXPECT_EQ(a->state().disabled, !e.enabled);
    EXPECT_EQ(a->text(QAccessible::Description), b->toolTip());
}

INSTANTIATE_TEST_SUITE_P(Window, StartState, testing::ValuesIn(startStates),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(WindowTest, CoversHideTheRunSectionAndFramesStartHidden) {
    EXPECT_TRUE(form.zudeck1->isVisibleTo(&form));
    EXPECT_TRUE(form.zudeck2->isVisibleTo(&form));
    EXPECT_FALSE(form.Frame1->isVisibleTo(&form));
    EXPECT_FALSE(form.infotext->isVisibleTo(&form));
    // The covers lie above the run section's controls.
    form.show();
    const QPoint inStart = form.okstart->geometry().center();
    EXPECT_EQ(form.childAt(inStart), form.zudeck1);
    const QPoint inGrid = form.tabelle2->geometry().center();
    EXPECT_EQ(form.childAt(inGrid), form.zudeck2);
}

TEST_F(WindowTest, LabelsAndModesAtStartUp) {
    EXPECT_TRUE(form.Option1[0]->isChecked());
    EXPECT_FALSE(form.Option1[1]->isChecked());
    EXPECT_FALSE(form.Option1[2]->isChecked());
    EXPECT_EQ(form.textanzahl->text(), QString());
    EXPECT_EQ(form.lakut->caption(), QString());
    EXPECT_EQ(form.lzahl->caption(), QString());
    EXPECT_EQ(form.lmenge->caption(), QString());
    EXPECT_EQ(form.Liste->listCount(), 0);
    EXPECT_EQ(form.Label1->caption(), QStringLiteral("Anzahl Würfe"));
    EXPECT_EQ(form.Label10->caption(), QStringLiteral("*.txt"));
}

TEST_F(WindowTest, FigureInstructionHasFourLines) {
    const QString caption = form.text->caption();
    EXPECT_EQ(caption.count(QChar(13)), 3);
    EXPECT_FALSE(caption.endsWith(QChar(13)));
    EXPECT_FALSE(caption.contains(QChar(10)));
    const QStringList lines = caption.split(QChar(13));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral(" Definieren Sie zunächst auf der linken Seite"));
    EXPECT_EQ(lines[3], QStringLiteral("  Wenn Sie fertig sind, die OK-Taste drücken"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(form.text);
    EXPECT_EQ(a->text(QAccessible::Value).count(QChar(10)), 3);
}

TEST_F(WindowTest, FigureGridIsLaidOut) {
    for (int r = 0; r < 20; ++r) {
        EXPECT_EQ(form.tabelle1->textAt(r, 0), QString::number(r + 1));
    }
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(form.tabelle1->textAt(20, c), QString());
    }
    EXPECT_EQ(form.tabelle1->rows(), 21);
    EXPECT_EQ(form.tabelle1->row(), 20);
    EXPECT_EQ(form.tabelle1->col(), 0);
    EXPECT_EQ(form.tabelle1->colWidth(0), 495); // 500 twips, to the pixel
    EXPECT_EQ(form.tabelle1->colAlignment(0), 3);
    // The grid shows its texts to assistive tools cell by cell.
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(form.tabelle1);
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->tableInterface(), nullptr);
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(4, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("5"));
}

TEST_F(WindowTest, PermanenceGridIsLaidOut) {
    EXPECT_EQ(form.tabelle2->rows(), 1);
    EXPECT_EQ(form.tabelle2->cols(), 5);
    EXPECT_EQ(form.tabelle2->row(), 0);
    EXPECT_EQ(form.tabelle2->col(), 0);
    EXPECT_EQ(form.tabelle2->colAlignment(0), 3);
    EXPECT_EQ(form.tabelle2->colWidth(4), 300);
}

TEST_F(WindowTest, ColourTableAndStateAfterStartUp) {
    const std::pair<int, int> expected[] = {{0, 0},  {1, 1},  {10, 2}, {11, 2}, {18, 1},
                                            {19, 1}, {28, 2}, {29, 2}, {36, 1}, {37, 0}};
    for (auto [n, code] : expected) {
        EXPECT_EQ(form.farbe[static_cast<std::size_t>(n)], code) << n;
    }
    EXPECT_EQ(std::count(form.farbe.begin(), form.farbe.end(), 1), 18);
    EXPECT_EQ(std::count(form.farbe.begin(), form.farbe.end(), 2), 18);
    EXPECT_EQ(form.anzahl, 0);
    EXPECT_EQ(form.wurf, 0);
    EXPECT_EQ(form.importiert, 0);
    EXPECT_EQ(form.gestartet, 0);
    EXPECT_EQ(form.figanfang, 0);
    EXPECT_EQ(form.figende, 0);
}

TEST_F(WindowTest, FocusOrderFollowsTheControls) {
    const std::vector<const QWidget*> expected = {
        form.textanzahl, form.Option1[0], form.Option1[1],  form.Option1[2], form.okstart,
        form.tabelle1,   form.okende,     form.okextern,    form.okdruck,    form.okabbrechen,
        form.Drive1,     form.Dir1,       form.File1,       form.okexternok, form.okexternabbruch,
        form.okinfo,     form.okfigsetz,  form.okfigabsetz, form.okfigok,    form.Liste,
        form.okreset,    form.tabelle2,   form.okcopy,      form.infotext};
    // The chain also passes through the controls' own parts (scroll bars);
    // the controls themselves must come in this order.
    std::vector<const QWidget*> seen;
    const QWidget* w = form.textanzahl;
    for (int step = 0; step < 1000 && seen.size() < expected.size(); ++step) {
        if (std::find(expected.begin(), expected.end(), w) != expected.end() &&
            std::find(seen.begin(), seen.end(), w) == seen.end()) {
            seen.push_back(w);
        }
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(seen, expected);
}

} // namespace
