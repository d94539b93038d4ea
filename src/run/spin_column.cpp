#include "run/spin_column.h"

#include "ui/flexgrid.h"

#include <QScrollBar>
#include <QStyle>

#include <algorithm>

void fitSpinColumn(FlexGrid& grid, const QString& widestLabel, int emptyColumn) {
    // The text margin on either side, and the grid line.
    const int margin = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    const int missing =
        grid.fontMetrics().horizontalAdvance(widestLabel) + margin - grid.columnWidth(0);
    if (missing <= 0) {
        return;
    }
    int used = 0;
    for (int c = 0; c < grid.cols(); ++c) {
        used += grid.columnWidth(c);
    }
    const int inside =
        grid.width() - 2 * grid.frameWidth() - grid.verticalScrollBar()->sizeHint().width();
    const int spare = std::clamp(inside - used, 0, missing);
    const int taken = std::min(missing - spare, grid.columnWidth(emptyColumn));
    grid.setColumnWidth(emptyColumn, grid.columnWidth(emptyColumn) - taken);
    grid.setColumnWidth(0, grid.columnWidth(0) + spare + taken);
}
