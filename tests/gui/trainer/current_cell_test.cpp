// The current cell of a grid keeps its own colour, as the user must read the
// latest spin from it: the selection green would read as a zero.
#include "trainer/run_fixture.h"

#include "core/wheel/colour.h"
#include "ui/look.h"

#include <QTest>

#include <functional>

namespace {

class CurrentCell : public RunTest {
  public:
    using RunTest::load;

  protected:
    CurrentCell() {
        useFigure({{1, sorvik1::red}});
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // The grid as painted now, with the focus elsewhere.
    QImage painted(FlexGrid* grid) {
        form.okende->setFocus();
        grid->flush();
        return grid->viewport()->grab().toImage();
    }

    static QRect cellRect(FlexGrid* grid, int row, int col) {
        return grid->visualRect(grid->model()->index(row, col));
    }

    static int pixels(const QImage& image, const QRect& area,
                      const std::function<bool(QColor)>& match) {
        int n = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                n += match(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return n;
    }

    static bool selectionGreen(QColor c) { return c == look::selectionGreen; }
};

struct Spins {
    const char* name;
    std::function<void(CurrentCell&, Form1&)> reach;
};

class LatestSpin : public CurrentCell, public testing::WithParamInterface<Spins> {};

TEST_P(LatestSpin, ShowsItsOwnColour) {
    GetParam().reach(*this, form);
    FlexGrid* grid = form.tabelle2;
    const int row = grid->row();
    ASSERT_EQ(row, static_cast<int>(form.wurf) - 1);
    const std::uint32_t own = grid->cellBackColorAt(row, grid->col());
    ASSERT_NE(own, 0u) << "the current cell is a colour cell of the latest spin";
    const QImage image = painted(grid);
    const QRect cell = cellRect(grid, row, grid->col());
    ASSERT_TRUE(image.rect().contains(cell));
    EXPECT_EQ(pixels(image, cell, [&](QColor c) { return c == look::fromBgr(own); }),
              cell.width() * cell.height());
    EXPECT_EQ(pixels(image, image.rect(), selectionGreen), 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, LatestSpin,
                         testing::Values(Spins{"SeededRandomRun",
                                               [](CurrentCell&, Form1& f) {
                                                   f.textanzahl->setText(QStringLiteral("200"));
                                                   f.Option1[1]->setChecked(true);
                                                   f.okstart->click();
                                               }},
                                         Spins{"SingleStepsToRed",
                                               [](CurrentCell& run, Form1& f) {
                                                   run.load({2, 0, 1});
                                                   for (int i = 0; i < 3; ++i) {
                                                       f.okstart->click();
                                                   }
                                               }},
                                         Spins{"SingleStepsToBlack",
                                               [](CurrentCell& run, Form1& f) {
                                                   run.load({1, 2});
                                                   f.okstart->click();
                                                   f.okstart->click();
                                               }},
                                         Spins{"SingleStepToZero",
                                               [](CurrentCell& run, Form1& f) {
                                                   run.load({0, 1});
                                                   f.okstart->click();
                                               }}),
                         [](const auto& p) { return std::string(p.param.name); });

struct Empty {
    const char* name;
    bool figureGrid;
    std::function<void(CurrentCell&, Form1&)> reach;
};

class NothingSelected : public CurrentCell, public testing::WithParamInterface<Empty> {};

TEST_P(NothingSelected, ShowsNoGreen) {
    GetParam().reach(*this, form);
    FlexGrid* grid = GetParam().figureGrid ? form.tabelle1 : form.tabelle2;
    const QImage image = painted(grid);
    EXPECT_EQ(pixels(image, image.rect(), selectionGreen), 0);
}

INSTANTIATE_TEST_SUITE_P(Grids, NothingSelected,
                         testing::Values(Empty{"RunTableAfterAbbruch", false,
                                               [](CurrentCell& run, Form1& f) {
                                                   run.load({1, 2, 3});
                                                   f.okstart->click();
                                                   f.okabbrechen->click();
                                               }},
                                         Empty{"RunTableAfterReset", false,
                                               [](CurrentCell& run, Form1& f) {
                                                   run.load({1, 2, 3});
                                                   f.okstart->click();
                                                   f.okreset->click();
                                               }},
                                         Empty{"FigureGridAtItsParkingRow", true,
                                               [](CurrentCell&, Form1&) {}}),
                         [](const auto& p) { return std::string(p.param.name); });

// Where the user draws the figure, the clicked cell stays marked by a black
// and a white line when the focus moves on to "Setzen"; the fixed column
// keeps its black rules.
TEST_F(CurrentCell, TheClickedFigureCellStaysFramedWithoutTheFocus) {
    FlexGrid* grid = form.tabelle1;
    const QRect cell = cellRect(grid, 3, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(grid->row(), 3);
    const QImage image = painted(grid);
    const int y = cell.center().y();
    EXPECT_EQ(image.pixelColor(cell.left(), y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(cell.left() + 1, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(cell.right(), y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(cell.right() - 1, y), QColor(Qt::white));
    EXPECT_EQ(pixels(image, image.rect(), selectionGreen), 0);

    const QRect number = cellRect(grid, 5, 0);
    EXPECT_EQ(image.pixelColor(number.right() + 1, number.center().y()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(number.center().x(), number.bottom() + 1), QColor(Qt::black));
}

} // namespace
