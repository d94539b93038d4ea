#include "ui/flexgrid.h"

#include "ui/flexgrid_model.h"
#include "ui/look.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int cellHeight = 15;

QString cssColour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

// Paints every cell in its own colours: the selection colours belong only to
// the cells of a selection of two or more, and the grid frames the current
// cell itself instead of the style's focus rectangle.
class CellDelegate : public QStyledItemDelegate {
  public:
    explicit CellDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
        if (!grid_->selectsSeveralCells()) {
            option->state &= ~QStyle::State_Selected;
        }
    }

  private:
    const FlexGrid* grid_;
};

} // namespace

FlexGrid::FlexGrid(int rows, int cols, const GridColours& colours, QWidget* parent)
    : QTableView(parent), model_(new FlexGridModel(rows, cols, colours, this)),
      fixedLines_(colours.fixedLines) {
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(cellHeight);
    horizontalHeader()->setMinimumSectionSize(1);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The one selected cell is the current cell: it keeps its own colours.
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // Moving the current cell from the program never scrolls; only TopRow does.
    setAutoScroll(false);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; background-color: %2; "
                                 "selection-background-color: %3; selection-color: white; }")
                      .arg(cssColour(colours.lines), cssColour(colours.outside),
                           cssColour(look::selectionGreen)));
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex&) { emit Click(); });
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::setRows(int rows) {
    model_->setRows(rows);
    row_ = std::clamp(row_, 0, std::max(rows - 1, 0));
    rowSel_ = row_;
    scheduleFlush();
}

void FlexGrid::setCellSource(std::unique_ptr<sorvik1::CellSource> source) {
    model_->cells().setSource(std::move(source));
}

void FlexGrid::reserveRows(int rows, int textCol) {
    model_->reserveRows(rows, textCol);
}

int FlexGrid::rows() const {
    return model_->cells().rows();
}
int FlexGrid::cols() const {
    return model_->cells().cols();
}

void FlexGrid::setRow(int row) {
    row_ = row;
    rowSel_ = row;
    colSel_ = col_;
    scheduleFlush();
}

void FlexGrid::setCol(int col) {
    col_ = col;
    colSel_ = col;
    rowSel_ = row_;
    scheduleFlush();
}

void FlexGrid::setText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    setText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void FlexGrid::setText(std::string_view utf8) {
    model_->cells().setText(row_, col_, utf8);
    scheduleFlush();
}

void FlexGrid::setDerivedTexts(int from, int to) {
    model_->cells().setDerivedTexts(col_, from, to);
    scheduleFlush();
}

void FlexGrid::setDerivedColours(int from, int to) {
    model_->cells().setDerivedColours(col_, from, to);
    scheduleFlush();
}

QString FlexGrid::text() const {
    return textAt(row_, col_);
}

QString FlexGrid::textAt(int row, int col) const {
    return QString::fromStdString(model_->cells().text(row, col));
}

void FlexGrid::setCellBackColor(std::uint32_t colour) {
    model_->cells().setColour(row_, col_, colour);
    scheduleFlush();
}

std::uint32_t FlexGrid::cellBackColor() const {
    return cellBackColorAt(row_, col_);
}

std::uint32_t FlexGrid::cellBackColorAt(int row, int col) const {
    return model_->cells().colour(row, col);
}

void FlexGrid::setTopRow(int row) {
    topRow_ = std::max(row, 0);
    topRowPending_ = true;
    scheduleFlush();
}

int FlexGrid::topRow() {
    flush();
    return verticalScrollBar()->value();
}

void FlexGrid::setColWidth(int col, int twips) {
    setColumnWidth(col, look::px(twips));
}

int FlexGrid::colWidth(int col) const {
    return columnWidth(col) * 15;
}

void FlexGrid::setColAlignment(int col, int code) {
    model_->setAlignment(col, code);
    scheduleFlush();
}

int FlexGrid::colAlignment(int col) const {
    return model_->alignmentCode(col);
}

void FlexGrid::setBlankCellDescription(const QString& description) {
    model_->setBlankCellDescription(description);
}

void FlexGrid::setKeepsCurrentVisible(bool keeps) {
    keepsCurrentVisible_ = keeps;
    viewport()->update();
}

bool FlexGrid::selectsSeveralCells() const {
    qsizetype cells = 0;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        cells += static_cast<qsizetype>(range.width()) * range.height();
        if (cells > 1) {
            return true;
        }
    }
    return false;
}

void FlexGrid::clear() {
    model_->cells().clear();
    scheduleFlush();
}

void FlexGrid::scheduleFlush() {
    if (!flushPending_) {
        flushPending_ = true;
        QMetaObject::invokeMethod(this, &FlexGrid::flush, Qt::QueuedConnection);
    }
}

void FlexGrid::flush() {
    if (!flushPending_) {
        return;
    }
    flushPending_ = false;
    flushing_ = true;
    model_->refresh();
    executeDelayedItemsLayout();
    updateGeometries();
    const QModelIndex current = model_->index(row_, col_);
    if (current.isValid()) {
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    }
    // Only a TopRow set since the last flush scrolls, so the user's own
    // scrolling is kept.
    if (topRowPending_) {
        topRowPending_ = false;
        verticalScrollBar()->setValue(topRow_);
    }
    flushing_ = false;
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // A click or a key moved the current cell: the grid's current cell and the
    // selection end follow the user.
    if (!flushing_ && current.isValid()) {
        row_ = rowSel_ = current.row();
        col_ = colSel_ = current.column();
        userRow_ = row_;
        userCol_ = col_;
    }
}

void FlexGrid::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    paintFixedLines(painter);
    paintCurrentFrame(painter);
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();
}

void FlexGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

// The fixed column's grid lines have a colour of their own: they are redrawn
// over the common grid lines, at the right and bottom edge of each cell.
void FlexGrid::paintFixedLines(QPainter& painter) {
    if (!showGrid() || cols() == 0 || rows() == 0) {
        return;
    }
    painter.setPen(fixedLines_);
    const int left = columnViewportPosition(0);
    const int right = left + columnWidth(0) - 1;
    const int first = std::max(rowAt(0), 0);
    const int below = rowAt(viewport()->height() - 1);
    const int last = below < 0 ? rows() - 1 : below;
    for (int r = first; r <= last; ++r) {
        const int top = rowViewportPosition(r);
        const int y = top + rowHeight(r) - 1;
        painter.drawLine(right, top, right, y);
        painter.drawLine(left, y, right, y);
    }
}

// A black line with a white one inside stands out on every cell colour, the
// white, red, black and zero-green ones alike; with the focus the black line
// is dotted white.
void FlexGrid::paintCurrentFrame(QPainter& painter) {
    const bool focused = hasFocus();
    const QModelIndex current = currentIndex();
    const bool kept =
        keepsCurrentVisible_ && current.row() == userRow_ && current.column() == userCol_;
    if ((!focused && !kept) || !current.isValid()) {
        return;
    }
    const QRect outer = visualRect(current).adjusted(0, 0, -1, -1);
    if (!outer.isValid()) {
        return;
    }
    painter.setBrush(Qt::NoBrush);
    if (kept) {
        painter.setPen(Qt::white);
        painter.drawRect(outer.adjusted(1, 1, -1, -1));
    }
    painter.setPen(Qt::black);
    painter.drawRect(outer);
    if (focused) {
        painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
        painter.drawRect(outer);
    }
}
