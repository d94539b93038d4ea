#pragma once

#include "core/store/cell_store.h"

#include <QTableView>

#include <cstdint>
#include <memory>
#include <string_view>

class FlexGridModel;

// Colours of a grid: its cells, its fixed column 0 and the area around them.
struct GridColours {
    QColor back;
    QColor fore;
    QColor fixedBack;
    QColor fixedFore;
    QColor outside;
    QColor lines;
    QColor fixedLines;
};

// The grid control. Every cell operation acts on the current cell (row(),
// col()), as the handlers expect. Changes made by the program are collected
// and shown when control returns to the event loop, so a run that writes
// millions of cells never signals the view per cell.
class FlexGrid : public QTableView {
    Q_OBJECT

  public:
    FlexGrid(int rows, int cols, const GridColours& colours, QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Where the grid derives the cells it shows from; set before any cell
    // is written. See CellSource.
    void setCellSource(std::unique_ptr<sorvik1::CellSource> source);
    void setRows(int rows);
    // See CellStore::reserveRows.
    void reserveRows(int rows, int textCol);
    int rows() const;
    int cols() const;

    void setRow(int row);
    int row() const { return row_; }
    void setCol(int col);
    int col() const { return col_; }

    // The cell where the user's selection ends; after a click, the clicked cell.
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }

    void setText(const QString& text);
    void setText(std::string_view utf8);
    QString text() const;
    // Gives rows `from` .. `to` - 1 of the current column the texts the cell
    // source derives, as writing each of them would; the current cell stays.
    void setDerivedTexts(int from, int to);
    // Gives rows `from` .. `to` - 1 of the current column the colours the
    // cell source derives, none where it derives none, as setting each of
    // them would; the current cell stays.
    void setDerivedColours(int from, int to);
    // Text of any cell, for reading the grid without moving the current cell.
    QString textAt(int row, int col) const;

    // Colour value in the 0x00BBGGRR form; 0 removes the cell's own colour.
    void setCellBackColor(std::uint32_t colour);
    std::uint32_t cellBackColor() const;
    std::uint32_t cellBackColorAt(int row, int col) const;

    // Scrolls so that the row is the first visible one, within the scroll range.
    void setTopRow(int row);
    int topRow();

    void setColWidth(int col, int twips);
    int colWidth(int col) const;
    // Alignment code 0 .. 9 (left/centre/right by top/centre/bottom, 9 general).
    void setColAlignment(int col, int code);
    int colAlignment(int col) const;

    // What assistive tools hear for an uncoloured cell outside the fixed column.
    void setBlankCellDescription(const QString& description);

    // The current cell keeps its own colours and is framed thinly while the
    // grid has the focus; a grid that keeps it visible frames the cell the
    // user clicked without the focus too, while it is the current cell.
    void setKeepsCurrentVisible(bool keeps);
    // Only the cells of a selection of two or more show the selection colours.
    bool selectsSeveralCells() const;

    // Removes the text and colour of every cell; rows and columns stay.
    void clear();

    // Brings the view up to date with the program's changes now.
    void flush();

  signals:
    void Click();

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void scheduleFlush();
    void paintFixedLines(QPainter& painter);
    void paintCurrentFrame(QPainter& painter);

    FlexGridModel* model_;
    QColor fixedLines_;
    int row_ = 0;
    int col_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    int topRow_ = 0;
    bool topRowPending_ = false;
    bool flushPending_ = false;
    bool flushing_ = false;
    bool keepsCurrentVisible_ = false;
    // The cell the user last made current by click or key.
    int userRow_ = -1;
    int userCol_ = -1;
};
