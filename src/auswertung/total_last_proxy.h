#pragma once

#include <QSortFilterProxyModel>

// Sorts the result table by any column while the row of all files together
// stays last, ascending or descending. A value that does not exist (a
// z-value without variation) sorts before every number.
class TotalLastProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit TotalLastProxy(QObject* parent = nullptr);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
