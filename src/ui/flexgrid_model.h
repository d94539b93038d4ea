#pragma once

#include "core/store/cell_store.h"
#include "ui/flexgrid.h"

#include <QAbstractTableModel>

#include <vector>

// The grid's cells as a table model; the view asks only for visible cells.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    FlexGridModel(int rows, int cols, const GridColours& colours, QObject* parent);

    sorvik1::CellStore& cells() { return cells_; }
    const sorvik1::CellStore& cells() const { return cells_; }

    void setRows(int rows);
    void reserveRows(int rows, int textCol) { cells_.reserveRows(rows, textCol); }
    void setAlignment(int col, int code);
    // What assistive tools hear for a cell of a movable column without a
    // colour of its own; empty says nothing.
    void setBlankCellDescription(const QString& description) { blankDescription_ = description; }
    int alignmentCode(int col) const;
    // Tells the view that any cell may have changed.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    sorvik1::CellStore cells_;
    GridColours colours_;
    std::vector<int> alignments_;
    QString blankDescription_;
};
