#include "auswertung/total_last_proxy.h"

#include "auswertung/evaluation_model.h"

TotalLastProxy::TotalLastProxy(EvaluationModel* model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(model);
}

bool TotalLastProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const bool leftTotal = model_->isTotal(left.row());
    const bool rightTotal = model_->isTotal(right.row());
    if (leftTotal || rightTotal) {
        // The view reverses the order for a descending sort; the total must
        // end up last either way.
        const bool ascending = sortOrder() == Qt::AscendingOrder;
        return rightTotal ? ascending && !leftTotal : !ascending;
    }
    return model_->less(left.row(), right.row(), left.column());
}
