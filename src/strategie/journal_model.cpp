#include "strategie/journal_model.h"

#include "strategie/strategy_texts.h"
#include "ui/german_numbers.h"

JournalModel::JournalModel(QObject* parent) : QAbstractTableModel(parent) {}

void JournalModel::setJournal(std::vector<sorvik1::BetRecord> journal) {
    beginResetModel();
    journal_ = std::move(journal);
    endResetModel();
}

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(journal_.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto& bet = journal_[static_cast<std::size_t>(index.row())];
    QVariant value;
    switch (index.column()) {
    case Bet:
        value = qlonglong{index.row() + 1};
        break;
    case Spin:
        value = qlonglong{bet.spin};
        break;
    case Stake:
        value = sorvik1::inUnits(bet.stake);
        break;
    case Outcome:
        value = sorvik1::inUnits(bet.outcome);
        break;
    default:
        value = sorvik1::inUnits(bet.capital);
        break;
    }
    switch (role) {
    case valueRole:
        return value;
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return value.typeId() == QMetaType::Double ? strategytext::amount(value.toDouble())
                                                   : germannumbers::whole(value.toLongLong());
    default:
        return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const headings[] = {"Wette", "Wurf", "Einsatz", "Gewinn/Verlust", "Kapital"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount_) {
        return QString::fromUtf8(headings[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
