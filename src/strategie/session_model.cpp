#include "strategie/session_model.h"

#include "strategie/strategy_texts.h"
#include "ui/german_numbers.h"

#include <cmath>

namespace {

using sorvik1::inUnits;

const char* const headings[] = {
    "Sitzung",    "Würfe",        "Wetten",   "Gewinne",          "Verluste",
    "Null",       "Einsatz",      "Ergebnis", "Erwartet",         "z",
    "je Einsatz", "Verlustserie", "Rückgang", "Höchster Einsatz", "Endkapital",
    "Ende",       "bei Wurf"};
static_assert(std::size(headings) == SessionModel::columnCount_);

const char* const descriptions[] = {
    "Die Permanenz oder die Nummer der zufälligen Sitzung.",
    "Gelesene Würfe bis zum Ende der Sitzung.",
    "Gesetzte Wetten.",
    "Gewonnene Wetten.",
    "Verlorene Wetten, die auf eine Null eingeschlossen.",
    "Verlorene Wetten auf eine Null.",
    "Die Summe aller gesetzten Einsätze.",
    "Der Gewinn oder Verlust am Ende.",
    ("Was der Zufall allein für dieselben Einsätze erwarten lässt: -Einsatz/37, mit Teilung "
     "-Einsatz/74."),
    "Abstand des Ergebnisses vom Erwarteten in Standardabweichungen.",
    "Ergebnis je gesetzter Einheit.",
    "Die längste Folge verlorener Wetten.",
    "Der größte Fall des Kapitals von einem vorigen Höchststand, der Start eingeschlossen.",
    "Der höchste gesetzte Einsatz.",
    "Das Kapital am Ende.",
    "Warum die Sitzung endete.",
    "Der Wurf, mit dem die Sitzung endete."};
static_assert(std::size(descriptions) == SessionModel::columnCount_);

} // namespace

SessionModel::SessionModel(QObject* parent) : QAbstractTableModel(parent) {}

void SessionModel::setSessions(QStringList names, std::vector<sorvik1::SessionResult> sessions) {
    beginResetModel();
    names_ = std::move(names);
    sessions_ = std::move(sessions);
    const sorvik1::SessionsTotal total = sorvik1::totalOf(sessions_);
    total_ = total.sum;
    ruined_ = total.ruined;
    targetReached_ = total.targetReached;
    endResetModel();
}

int SessionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || sessions_.empty() ? 0 : static_cast<int>(sessions_.size()) + 1;
}

int SessionModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant SessionModel::value(const sorvik1::SessionResult& s, int column) const {
    switch (column) {
    case Spins:
        return qlonglong{s.spins};
    case Bets:
        return qlonglong{s.bets};
    case Wins:
        return qlonglong{s.wins};
    case Losses:
        return qlonglong{s.losses};
    case Zeros:
        return qlonglong{s.zeros};
    case Staked:
        return inUnits(s.staked);
    case Net:
        return inUnits(s.net);
    case Expected:
        return s.expected;
    case ZValue:
        return s.z();
    case PerUnit:
        return s.perUnitStaked();
    case LosingSeries:
        return qlonglong{s.longestLosingSeries};
    case Drawdown:
        return inUnits(s.maxDrawdown);
    case HighestStake:
        return inUnits(s.highestStake);
    case Capital:
        return inUnits(s.capital);
    case EndSpin:
        return qlonglong{s.endSpin};
    default:
        return {};
    }
}

QVariant SessionModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const bool total = isTotal(row);
    const auto& s = total ? total_ : sessions_[static_cast<std::size_t>(row)];
    const int column = index.column();
    if (role == totalRole) {
        return total;
    }
    // The total has no end capital and no one end.
    const bool blank = total && (column == Capital || column == EndSpin);
    if (role == valueRole) {
        if (column == Name) {
            return total ? QStringLiteral("Gesamt") : names_[row];
        }
        if (column == End) {
            return total ? QVariant() : QString::fromUtf8(sorvik1::sessionEndText(s.end));
        }
        const QVariant v = blank ? QVariant() : value(s, column);
        return v.typeId() == QMetaType::Double && !std::isfinite(v.toDouble()) ? QVariant() : v;
    }
    if (role == Qt::TextAlignmentRole) {
        return column == Name || column == End ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                               : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (column) {
    case Name:
        return total ? QStringLiteral("Gesamt") : names_[row];
    case End:
        if (!total) {
            return QString::fromUtf8(sorvik1::sessionEndText(s.end));
        }
        return QStringLiteral("%1 ruiniert, %2 am Ziel")
            .arg(germannumbers::whole(ruined_), germannumbers::whole(targetReached_));
    case Expected:
    case ZValue:
    case PerUnit:
        return germannumbers::decimal(value(s, column).toDouble(), column == PerUnit ? 4 : 2);
    case Staked:
    case Net:
    case Drawdown:
    case HighestStake:
    case Capital:
        return blank ? QString() : strategytext::amount(value(s, column).toDouble());
    default:
        return blank ? QString() : germannumbers::whole(value(s, column).toLongLong());
    }
}

QVariant SessionModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount_) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return QString::fromUtf8(headings[section]);
    }
    if (role == Qt::ToolTipRole) {
        return QString::fromUtf8(descriptions[section]);
    }
    return {};
}

SessionSortProxy::SessionSortProxy(SessionModel* model, QObject* parent)
    : QSortFilterProxyModel(parent) {
    setSourceModel(model);
    setSortRole(SessionModel::valueRole);
}

bool SessionSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const bool leftTotal = left.data(SessionModel::totalRole).toBool();
    const bool rightTotal = right.data(SessionModel::totalRole).toBool();
    if (leftTotal || rightTotal) {
        // The view reverses the order for a descending sort; the total must
        // stay last either way.
        return (sortOrder() == Qt::AscendingOrder) == rightTotal;
    }
    const QVariant a = left.data(SessionModel::valueRole);
    const QVariant b = right.data(SessionModel::valueRole);
    // A value that does not exist (z without a bet) sorts first.
    if (!a.isValid() || !b.isValid()) {
        return !a.isValid() && b.isValid();
    }
    return QVariant::compare(a, b) == QPartialOrdering::Less;
}
