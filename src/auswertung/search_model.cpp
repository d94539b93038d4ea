#include "auswertung/search_model.h"

#include "core/wheel/figure_text.h"
#include "ui/german_numbers.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int pictureCell = 10;

// A p-value keeps three significant digits however small it is; below the
// smallest double's reach it reads as a bound.
QString pText(double p) {
    if (p < sorvik1::smallestShownP) {
        return QStringLiteral("< 1e-300");
    }
    return germannumbers::locale().toString(p, 'g', 3);
}

QString methodText(sorvik1::PValueMethod method) {
    switch (method) {
    case sorvik1::PValueMethod::Exact:
        return QStringLiteral("exakt");
    case sorvik1::PValueMethod::Saddlepoint:
        return QStringLiteral("Sattelpunkt");
    case sorvik1::PValueMethod::None:
        break;
    }
    return germannumbers::none;
}

// NaN sorts below every number, so figures without z gather at one end.
double sortable(double value) {
    return std::isnan(value) ? -HUGE_VAL : value;
}

} // namespace

QPixmap figurePicture(const sorvik1::Figure& figure, int cell) {
    QPixmap picture(figure.span() * cell + 1, cell + 1);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int offset = 0; offset < figure.span(); ++offset) {
        const QRect square(offset * cell, 0, cell - 1, cell - 1);
        const sorvik1::Farbcode colour = figure.at(offset);
        if (colour == sorvik1::red) {
            painter.fillRect(square, QColor(200, 0, 0));
        } else if (colour == sorvik1::black) {
            painter.fillRect(square, Qt::black);
        } else {
            painter.setPen(Qt::gray);
            painter.drawRect(square.adjusted(0, 0, -1, -1));
        }
    }
    return picture;
}

QString figureWords(const sorvik1::Figure& figure) {
    QStringList words;
    for (int offset = 0; offset < figure.span(); ++offset) {
        const sorvik1::Farbcode colour = figure.at(offset);
        words << (colour == sorvik1::red     ? QStringLiteral("rot")
                  : colour == sorvik1::black ? QStringLiteral("schwarz")
                                             : QStringLiteral("frei"));
    }
    return words.join(QStringLiteral(", "));
}

void SearchModel::setResult(sorvik1::SearchResult result) {
    beginResetModel();
    result_ = std::move(result);
    pictures_.assign(result_.figures.size(), QPixmap());
    endResetModel();
}

int SearchModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(result_.figures.size());
}

int SearchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count;
}

QVariant SearchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const sorvik1::FigureFinding& finding = result_.figures[row];
    switch (role) {
    case Qt::DisplayRole:
        return text(finding, index.column());
    case Qt::UserRole:
        return sortValue(finding, index.column());
    case Qt::DecorationRole:
        if (index.column() == FigureText) {
            if (pictures_[row].isNull()) {
                pictures_[row] = figurePicture(finding.figure, pictureCell);
            }
            return pictures_[row];
        }
        return {};
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return index.column() == FigureText ? figureWords(finding.figure) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == FigureText || index.column() >= Method
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant SearchModel::text(const sorvik1::FigureFinding& f, int column) const {
    switch (column) {
    case FigureText:
        return QString::fromStdString(sorvik1::figureText(f.figure, f.chance));
    case Span:
        return f.figure.span();
    case Found:
        return germannumbers::whole(f.found);
    case Expected:
        return germannumbers::decimal(f.expected, 2);
    case Deviation:
        return germannumbers::decimal(f.standardDeviation, 2);
    case Z:
        return germannumbers::decimal(f.z, 2);
    case P:
        return pText(f.p.p);
    case AdjustedP:
        return pText(f.adjustedP);
    case Method:
        return methodText(f.p.method);
    case Flag:
        return f.flagged ? QStringLiteral("auffällig") : QString();
    case ChanceName:
        return QString::fromUtf8(sorvik1::chanceName(f.chance));
    default:
        return {};
    }
}

QVariant SearchModel::sortValue(const sorvik1::FigureFinding& f, int column) const {
    switch (column) {
    case FigureText:
        return QString::fromStdString(sorvik1::figureText(f.figure, f.chance));
    case Span:
        return f.figure.span();
    case Found:
        return static_cast<qlonglong>(f.found);
    case Expected:
        return f.expected;
    case Deviation:
        return f.standardDeviation;
    case Z:
        return sortable(f.z);
    case P:
        return f.p.p;
    case AdjustedP:
        return f.adjustedP;
    case Method:
        return methodText(f.p.method);
    case Flag:
        return f.flagged ? 1 : 0;
    case ChanceName:
        return static_cast<int>(f.chance);
    default:
        return {};
    }
}

QVariant SearchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const QStringList headers{
        QStringLiteral("Figur"),     QStringLiteral("Spannweite"), QStringLiteral("Vorkommen"),
        QStringLiteral("Erwartet"),  QStringLiteral("Std.-Abw."),  QStringLiteral("z"),
        QStringLiteral("p"),         QStringLiteral("p (Holm)"),   QStringLiteral("Methode"),
        QStringLiteral("Auffällig"), QStringLiteral("Chance")};
    return section >= 0 && section < headers.size() ? headers[section] : QVariant();
}
