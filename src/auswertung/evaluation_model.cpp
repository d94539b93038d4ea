#include "auswertung/evaluation_model.h"

#include "ui/german_numbers.h"

#include <QFileInfo>
#include <QFont>

#include <cmath>
#include <string_view>

namespace {

constexpr int decimals = 2;

struct ColumnText {
    QString title;
    QString toolTip;
};

const ColumnText& columnText(int column) {
    static const ColumnText texts[] = {
        {QStringLiteral("Datei"), {}},
        {QStringLiteral("Spielbank"), QStringLiteral("Erste Kopfzeile der Datei")},
        {QStringLiteral("Tisch"), QStringLiteral("Zweite Kopfzeile der Datei")},
        {QStringLiteral("Datum"), QStringLiteral("Dritte Kopfzeile der Datei")},
        {QStringLiteral("Würfe"), {}},
        {QStringLiteral("Gefunden"), QStringLiteral("Wie oft die Figur in der Datei beginnt")},
        {QStringLiteral("Erwartet"), QStringLiteral("So oft beginnt sie im Mittel zufällig")},
        {QStringLiteral("Standardabweichung"),
         QStringLiteral("Wie weit die Anzahl zufällig um das Erwartete streut")},
        {QStringLiteral("z-Wert"),
         QStringLiteral("Gefunden minus erwartet, in Standardabweichungen")},
        {QStringLiteral("Längster Ausbleiber"),
         QStringLiteral("Die meisten gezählten Würfe hintereinander ohne Beginn der Figur")},
        {QStringLiteral("Figur"), QStringLiteral("Die ausgewertete Figur")},
        {QStringLiteral("Null"), QStringLiteral("Wie eine Null gezählt wurde")},
    };
    return texts[column];
}

QString header(const sorvik1::FileEvaluation& file, std::size_t line) {
    return line < file.header.size() ? QString::fromStdString(file.header[line]) : QString();
}

} // namespace

EvaluationModel::EvaluationModel(QObject* parent) : QAbstractTableModel(parent) {}

void EvaluationModel::setCounted(const QString& figure, const QString& rule) {
    figure_ = figure;
    rule_ = rule;
}

void EvaluationModel::setResult(std::vector<sorvik1::FileEvaluation> files,
                                const sorvik1::EvaluationTotal& total, Stage stage) {
    beginResetModel();
    files_ = std::move(files);
    total_ = total;
    stage_ = stage;
    endResetModel();
}

void EvaluationModel::addFiles(std::vector<sorvik1::FileEvaluation> files) {
    if (files.empty()) {
        return;
    }
    const int first = static_cast<int>(files_.size());
    if (first == 0) {
        // The total row comes with the first file.
        const sorvik1::EvaluationTotal total = sorvik1::totalOf(files);
        setResult(std::move(files), total, Stage::Running);
        return;
    }
    beginInsertRows({}, first, first + static_cast<int>(files.size()) - 1);
    files_.insert(files_.end(), std::make_move_iterator(files.begin()),
                  std::make_move_iterator(files.end()));
    endInsertRows();
    total_ = sorvik1::totalOf(files_);
    stage_ = Stage::Running;
    const int total = static_cast<int>(files_.size());
    emit dataChanged(index(total, 0), index(total, columnCount_ - 1));
}

void EvaluationModel::clear() {
    setResult({}, {}, Stage::Complete);
}

int EvaluationModel::rowCount(const QModelIndex& parent) const {
    // Without files there is nothing to add up, so no total row either.
    return parent.isValid() || files_.empty() ? 0 : static_cast<int>(files_.size()) + 1;
}

int EvaluationModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant EvaluationModel::value(int row, int column) const {
    const bool total = row == static_cast<int>(files_.size());
    if (total) {
        switch (column) {
        case Spins:
            return qlonglong(total_.spins);
        case Found:
            return qlonglong(total_.found);
        case Expected:
            return total_.expected;
        case Deviation:
            return total_.standardDeviation;
        case ZValue:
            return total_.z;
        case Absence:
            return qlonglong(total_.longestAbsence);
        case Figure:
            return figure_;
        case Rule:
            return rule_;
        default:
            return QString();
        }
    }
    const auto& file = files_[static_cast<std::size_t>(row)];
    switch (column) {
    case File:
        return QString::fromStdString(file.path);
    case Casino:
        return header(file, 0);
    case Table:
        return header(file, 1);
    case Date:
        return header(file, 2);
    case Spins:
        return qlonglong(file.spins);
    case Found:
        return qlonglong(file.found);
    case Expected:
        return file.moments.expected;
    case Deviation:
        return file.moments.standardDeviation;
    case ZValue:
        return file.z;
    case Absence:
        return qlonglong(file.longestAbsence);
    case Figure:
        return figure_;
    case Rule:
        return rule_;
    default:
        return {};
    }
}

QString EvaluationModel::text(int row, int column) const {
    using namespace germannumbers;
    if (row == static_cast<int>(files_.size()) && column == File) {
        const std::int64_t n = total_.files;
        switch (stage_) {
        case Stage::Running:
            return counted(n, QStringLiteral("fertige Datei"), QStringLiteral("fertige Dateien")) +
                   QStringLiteral(" bisher");
        case Stage::Cancelled:
            return (n == 1 ? QStringLiteral("Die 1 fertige Datei")
                           : QStringLiteral("Die %1 fertigen Dateien").arg(whole(n))) +
                   QStringLiteral(" (abgebrochen)");
        case Stage::Complete:
            break;
        }
        return n == 1 ? QStringLiteral("1 Datei") : QStringLiteral("Alle %1 Dateien").arg(whole(n));
    }
    const QVariant plain = value(row, column);
    switch (column) {
    case File:
        return QFileInfo(plain.toString()).fileName();
    case Expected:
    case Deviation:
    case ZValue:
        return decimal(plain.toDouble(), decimals);
    case Spins:
    case Found:
    case Absence:
        return whole(plain.toLongLong());
    default:
        return plain.toString();
    }
}

bool EvaluationModel::less(int a, int b, int column) const {
    const auto& x = files_[static_cast<std::size_t>(a)];
    const auto& y = files_[static_cast<std::size_t>(b)];
    const auto numbers = [](double p, double q) {
        return std::isnan(p) || std::isnan(q) ? std::isnan(p) && !std::isnan(q) : p < q;
    };
    const auto line = [](const sorvik1::FileEvaluation& file, std::size_t i) -> std::string_view {
        return i < file.header.size() ? std::string_view(file.header[i]) : std::string_view();
    };
    // By the name the table shows; the same name in two folders by the folder.
    const auto name = [](const std::string& path) {
        const auto slash = path.rfind('/');
        return std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    };
    switch (column) {
    case File:
        return name(x.path) != name(y.path) ? name(x.path) < name(y.path) : x.path < y.path;
    case Casino:
        return line(x, 0) < line(y, 0);
    case Table:
        return line(x, 1) < line(y, 1);
    case Date:
        return line(x, 2) < line(y, 2);
    case Spins:
        return x.spins < y.spins;
    case Found:
        return x.found < y.found;
    case Expected:
        return numbers(x.moments.expected, y.moments.expected);
    case Deviation:
        return numbers(x.moments.standardDeviation, y.moments.standardDeviation);
    case ZValue:
        return numbers(x.z, y.z);
    case Absence:
        return x.longestAbsence < y.longestAbsence;
    default:
        return false;
    }
}

QVariant EvaluationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text(row, column);
    case valueRole:
        return value(row, column);
    case totalRole:
        return row == static_cast<int>(files_.size());
    case Qt::ToolTipRole:
        return column <= Date && row < static_cast<int>(files_.size()) ? value(row, column)
                                                                       : QVariant();
    case Qt::TextAlignmentRole:
        return column >= Spins && column <= Absence ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                    : QVariant();
    case Qt::FontRole:
        if (row == static_cast<int>(files_.size())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant EvaluationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount_) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return columnText(section).title;
    case Qt::ToolTipRole:
        return columnText(section).toolTip;
    default:
        return {};
    }
}
