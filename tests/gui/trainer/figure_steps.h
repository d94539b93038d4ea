#pragma once

#include "case_name.h"
#include "window_fixture.h"

#include "core/wheel/colour.h"
#include "ui/flexgrid.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// What a user does in the figure section, as steps of a table case.
struct FigureStep {
    enum Kind { Click, Setzen, Absetzen, Ok };
    Kind kind;
    int row = 0;
    int col = 0;
};

inline FigureStep click(int row, int col) {
    return {FigureStep::Click, row, col};
}
inline const FigureStep setzen{FigureStep::Setzen};
inline const FigureStep absetzen{FigureStep::Absetzen};
inline const FigureStep ok{FigureStep::Ok};

using Cell = std::pair<int, int>;
// Every coloured cell of the figure grid, by (row, column).
using Marks = std::map<Cell, std::uint32_t>;

inline constexpr std::uint32_t redMark = sorvik1::cellRed;
inline constexpr std::uint32_t blackMark = sorvik1::cellBlack;
inline const Cell parkingCell{20, 0};

// The window shown offscreen, driven with the mouse as the user drives it.
class FigureWindow : public WindowTest {
  protected:
    FigureWindow() { form.show(); }

    void perform(const std::vector<FigureStep>& steps) {
        for (const FigureStep& step : steps) {
            // Queued view updates happen between two user actions.
            QCoreApplication::processEvents();
            switch (step.kind) {
            case FigureStep::Click:
                clickCell(step.row, step.col);
                break;
            case FigureStep::Setzen:
                QTest::mouseClick(form.okfigsetz, Qt::LeftButton);
                break;
            case FigureStep::Absetzen:
                QTest::mouseClick(form.okfigabsetz, Qt::LeftButton);
                break;
            case FigureStep::Ok:
                QTest::mouseClick(form.okfigok, Qt::LeftButton);
                break;
            }
        }
        QCoreApplication::processEvents();
    }

    // Click a cell, then "Setzen".
    void mark(int row, int col) { perform({click(row, col), setzen}); }

    Marks marks() const {
        Marks found;
        const FlexGrid& grid = *form.tabelle1;
        for (int r = 0; r < grid.rows(); ++r) {
            for (int c = 0; c < grid.cols(); ++c) {
                if (const std::uint32_t colour = grid.cellBackColorAt(r, c); colour != 0) {
                    found[{r, c}] = colour;
                }
            }
        }
        return found;
    }

    Cell cursor() const { return {form.tabelle1->row(), form.tabelle1->col()}; }

    QRect cellRect(int row, int col) const {
        return form.tabelle1->visualRect(form.tabelle1->model()->index(row, col));
    }

    static QString joined(const std::array<QString, 4>& lines) {
        return lines[0] + QChar(13) + lines[1] + QChar(13) + lines[2] + QChar(13) + lines[3];
    }

  private:
    void clickCell(int row, int col) {
        QTest::mouseClick(form.tabelle1->viewport(), Qt::LeftButton, {},
                          cellRect(row, col).center());
    }
};

template <class Param>
class FigureWindowWithParam : public FigureWindow, public testing::WithParamInterface<Param> {};
