#pragma once

#include "core/strategy/strategy_run.h"
#include "ui/spreadsheet_export.h"

#include <QAbstractTableModel>

#include <vector>

// The bets of one session, in order: the deciding spin, the stake placed,
// what it won or lost, and the capital after it.
class JournalModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Bet, Spin, Stake, Outcome, Capital, columnCount_ };
    static constexpr int valueRole = spreadsheetValueRole;

    explicit JournalModel(QObject* parent = nullptr);

    void setJournal(std::vector<sorvik1::BetRecord> journal);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<sorvik1::BetRecord> journal_;
};
