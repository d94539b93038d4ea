#pragma once

#include "core/batch/figure_search.h"

#include <QAbstractTableModel>
#include <QPixmap>

#include <vector>

// The figures a search judged, one row each. Qt::UserRole gives the value a
// column sorts by; the figure column also shows the figure as a small
// picture, red and black positions as squares and a free one as an outline.
class SearchModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        FigureText,
        Span,
        Found,
        Expected,
        Deviation,
        Z,
        P,
        AdjustedP,
        Method,
        Flag,
        ChanceName,
        Count
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setResult(sorvik1::SearchResult result);
    const sorvik1::SearchResult& result() const { return result_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant text(const sorvik1::FigureFinding& finding, int column) const;
    QVariant sortValue(const sorvik1::FigureFinding& finding, int column) const;

    sorvik1::SearchResult result_;
    mutable std::vector<QPixmap> pictures_; // drawn when first shown
};

// The figure as red and black squares, a free position as an outline.
QPixmap figurePicture(const sorvik1::Figure& figure, int cell);

// "rot, rot, frei, schwarz": the figure for a screen reader.
QString figureWords(const sorvik1::Figure& figure);
