#pragma once

#include "core/strategy/strategy_run.h"
#include "ui/spreadsheet_export.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <vector>

// The result table of a strategy test: one row per session, then the row of
// all sessions together. Display texts are German; the value role gives the
// plain number, for sorting and for spreadsheets.
class SessionModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        Name,
        Spins,
        Bets,
        Wins,
        Losses,
        Zeros,
        Staked,
        Net,
        Expected,
        ZValue,
        PerUnit,
        LosingSeries,
        Drawdown,
        HighestStake,
        Capital,
        End,
        EndSpin,
        columnCount_
    };
    // The roles the spreadsheet export reads.
    static constexpr int totalRole = spreadsheetTotalRole;
    static constexpr int valueRole = spreadsheetValueRole;

    explicit SessionModel(QObject* parent = nullptr);

    void setSessions(QStringList names, std::vector<sorvik1::SessionResult> sessions);
    const std::vector<sorvik1::SessionResult>& sessions() const { return sessions_; }
    const QString& name(int row) const { return names_[row]; }
    bool isTotal(int row) const { return row == static_cast<int>(sessions_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant value(const sorvik1::SessionResult& s, int column) const;

    QStringList names_;
    std::vector<sorvik1::SessionResult> sessions_;
    sorvik1::SessionResult total_;
    std::int64_t ruined_ = 0;
    std::int64_t targetReached_ = 0;
};

// Sorts the sessions by any column, by value, while the total stays last.
class SessionSortProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit SessionSortProxy(SessionModel* model, QObject* parent = nullptr);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
