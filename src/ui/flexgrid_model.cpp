#include "ui/flexgrid_model.h"

#include "core/wheel/colour.h"
#include "ui/look.h"

#include <array>

namespace {

Qt::Alignment alignmentOf(int code) {
    static constexpr std::array<Qt::Alignment::Int, 9> table = {
        Qt::AlignLeft | Qt::AlignTop,        Qt::AlignLeft | Qt::AlignVCenter,
        Qt::AlignLeft | Qt::AlignBottom,     Qt::AlignHCenter | Qt::AlignTop,
        Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignBottom,
        Qt::AlignRight | Qt::AlignTop,       Qt::AlignRight | Qt::AlignVCenter,
        Qt::AlignRight | Qt::AlignBottom};
    if (code >= 0 && code < 9) {
        return Qt::Alignment(table[static_cast<std::size_t>(code)]);
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Names the roulette colours a cell is painted in, so that a cell's colour
// is not its only meaning.
QString colourName(std::uint32_t colour) {
    switch (colour) {
    case sorvik1::cellRed:
        return QStringLiteral("rot");
    case sorvik1::cellBlack:
        return QStringLiteral("schwarz");
    case sorvik1::cellZero:
        return QStringLiteral("Null");
    default:
        return {};
    }
}

} // namespace

FlexGridModel::FlexGridModel(int rows, int cols, const GridColours& colours, QObject* parent)
    : QAbstractTableModel(parent), cells_(rows, cols), colours_(colours),
      alignments_(static_cast<std::size_t>(cols), 9) {}

void FlexGridModel::setRows(int rows) {
    beginResetModel();
    cells_.setRows(rows);
    endResetModel();
}

void FlexGridModel::setAlignment(int col, int code) {
    if (col >= 0 && col < cells_.cols()) {
        alignments_[static_cast<std::size_t>(col)] = code;
    }
}

int FlexGridModel::alignmentCode(int col) const {
    return col >= 0 && col < cells_.cols() ? alignments_[static_cast<std::size_t>(col)] : 0;
}

void FlexGridModel::refresh() {
    if (cells_.rows() > 0 && cells_.cols() > 0) {
        emit dataChanged(index(0, 0), index(cells_.rows() - 1, cells_.cols() - 1));
    }
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cells_.rows();
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cells_.cols();
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    const int r = index.row();
    const int c = index.column();
    const bool fixed = c == 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        return QString::fromStdString(cells_.text(r, c));
    }
    case Qt::BackgroundRole: {
        const std::uint32_t own = cells_.colour(r, c);
        return own != 0 ? look::fromBgr(own) : (fixed ? colours_.fixedBack : colours_.back);
    }
    case Qt::AccessibleDescriptionRole: {
        const std::uint32_t own = cells_.colour(r, c);
        return own != 0 ? colourName(own) : (fixed ? QString() : blankDescription_);
    }
    case Qt::ForegroundRole:
        return fixed ? colours_.fixedFore : colours_.fore;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(alignmentCode(c)));
    default:
        return {};
    }
}
