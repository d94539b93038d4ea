#include "auswertung/total_last_proxy.h"

#include "auswertung/evaluation_model.h"

#include <cmath>

TotalLastProxy::TotalLastProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(EvaluationModel::valueRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

bool TotalLastProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const bool leftTotal = left.data(EvaluationModel::totalRole).toBool();
    const bool rightTotal = right.data(EvaluationModel::totalRole).toBool();
    if (leftTotal || rightTotal) {
        // The view reverses the order for a descending sort; the total must
        // end up last either way.
        const bool ascending = sortOrder() == Qt::AscendingOrder;
        return rightTotal ? ascending && !leftTotal : !ascending;
    }
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    if (a.typeId() == QMetaType::Double) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        if (std::isnan(x) || std::isnan(y)) {
            return std::isnan(x) && !std::isnan(y);
        }
        return x < y;
    }
    return QSortFilterProxyModel::lessThan(left, right);
}
