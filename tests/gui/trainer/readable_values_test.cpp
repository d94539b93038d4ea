// What a screen reader hears: every value label reads what it shows and names
// the caption beside it, grid cells say their colour, and changes are
// announced without flooding the reader during a long run.
#include "trainer/run_fixture.h"

#include <QAccessible>
#include <QTest>

#include <functional>
#include <map>

namespace {

constexpr sorvik1::Farbcode rot = sorvik1::red;

class ReadableValues : public RunTest {
  protected:
    ReadableValues() {
        for (CaptionLabel* value : {form.lakut, form.lzahl, form.lmenge, form.text}) {
            QObject::connect(value, &CaptionLabel::announced,
                             [this, value] { ++announced[value]; });
        }
        useFigure({{1, rot}});
        load({1, 2, 0, 1, 3});
    }

    static QAccessibleInterface* reader(QObject* o) {
        return QAccessible::queryAccessibleInterface(o);
    }

    // Waits until every pending announcement went out.
    static void settle() { QTest::qWait(2 * CaptionLabel::announceIntervalMs); }

    // Name changes announced per label.
    std::map<const CaptionLabel*, int> announced;
};

struct Situation {
    const char* name;
    std::function<void(RunTest&, Form1&)> reach;
};

class ValueLabels : public ReadableValues, public testing::WithParamInterface<Situation> {};

TEST_P(ValueLabels, ReadWhatTheyShowAndNameTheirCaption) {
    GetParam().reach(*this, form);
    const std::pair<CaptionLabel*, CaptionLabel*> labelled[] = {{form.lakut, form.Label3},
                                                                {form.lzahl, form.Label2},
                                                                {form.lmenge, form.Label8},
                                                                {form.text, nullptr}};
    for (const auto& [value, caption] : labelled) {
        SCOPED_TRACE(value->objectName().toStdString());
        QAccessibleInterface* a = reader(value);
        EXPECT_EQ(a->text(QAccessible::Name), value->shownText());
        EXPECT_EQ(a->text(QAccessible::Description), value->accessibleDescription());
        const auto by = a->relations(QAccessible::Label);
        ASSERT_EQ(by.size(), caption ? 1 : 0);
        if (caption) {
            EXPECT_EQ(by.front().first->object(), caption);
            const auto back = reader(caption)->relations(QAccessible::Labelled);
            ASSERT_EQ(back.size(), 1);
            EXPECT_EQ(back.front().first->object(), value);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, ValueLabels,
    testing::Values(Situation{"StartUp", [](RunTest&, Form1&) {}},
                    Situation{"SingleStep",
                              [](RunTest&, Form1& f) {
                                  f.okstart->click();
                                  f.okstart->click();
                              }},
                    Situation{"ThroughToTheEnd",
                              [](RunTest&, Form1& f) {
                                  f.Option1[1]->setChecked(true);
                                  f.okstart->click();
                              }},
                    Situation{"AfterAbbruch",
                              [](RunTest&, Form1& f) {
                                  f.okstart->click();
                                  f.okabbrechen->click();
                              }},
                    Situation{"ImportFrameOpen", [](RunTest&, Form1& f) { f.okextern->click(); }}),
    [](const auto& p) { return std::string(p.param.name); });

struct CellCase {
    const char* name;
    bool figureGrid;
    int row;
    int col;
    const char* description;
};

class CellMeaning : public ReadableValues, public testing::WithParamInterface<CellCase> {};

TEST_P(CellMeaning, IsReadBesideItsText) {
    const CellCase& c = GetParam();
    form.tabelle1->setRow(0);
    form.tabelle1->setCol(1);
    form.tabelle1->setCellBackColor(sorvik1::cellRed);
    select(durchlauf);
    press();
    FlexGrid* grid = c.figureGrid ? form.tabelle1 : form.tabelle2;
    grid->flush();
    QAccessibleInterface* cell = reader(grid)->tableInterface()->cellAt(c.row, c.col);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Description), QString::fromUtf8(c.description));
    EXPECT_EQ(cell->text(QAccessible::Name), grid->textAt(c.row, c.col));
}

INSTANTIATE_TEST_SUITE_P(Grids, CellMeaning,
                         testing::Values(CellCase{"RedSpin", false, 0, 1, "rot"},
                                         CellCase{"BlackSpin", false, 1, 2, "schwarz"},
                                         CellCase{"ZeroOnBothColours", false, 2, 2, "Null"},
                                         CellCase{"SpinNumberSaysNothing", false, 0, 0, ""},
                                         CellCase{"RedMark", true, 0, 1, "rot"},
                                         CellCase{"FreePosition", true, 0, 2, "nicht gesetzt"},
                                         CellCase{"PositionNumberSaysNothing", true, 3, 0, ""}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(ReadableValues, EverySingleStepIsAnnouncedOnce) {
    for (int step = 1; step <= 3; ++step) {
        press();
        settle();
        EXPECT_EQ(announced[form.lakut], step);
        EXPECT_EQ(announced[form.lzahl], step);
    }
}

TEST_F(ReadableValues, QuickPressesAreAnnouncedAtMostFiveTimesASecond) {
    load(std::vector<int>(100, 1));
    QElapsedTimer clock;
    clock.start();
    // Presses as fast as the key repeat of a held Enter.
    while (clock.elapsed() < 1000) {
        press();
        QTest::qWait(40);
    }
    const auto seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    EXPECT_GE(announced[form.lakut], 1);
    EXPECT_LE(announced[form.lakut], 5 * seconds + 1);
}

TEST_F(ReadableValues, AThroughRunIsAnnouncedOnce) {
    select(durchlauf);
    press();
    settle();
    EXPECT_EQ(announced[form.lakut], 1);
    EXPECT_EQ(announced[form.lmenge], 1);
}

} // namespace
