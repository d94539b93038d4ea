#pragma once

#include <QSortFilterProxyModel>

class EvaluationModel;

// Sorts the result table by any column while the row of all files together
// stays last, ascending or descending.
class TotalLastProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    TotalLastProxy(EvaluationModel* model, QObject* parent = nullptr);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    const EvaluationModel* model_;
};
