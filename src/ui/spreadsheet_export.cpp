#include "ui/spreadsheet_export.h"

#include "core/text/formula_guard.h"
#include "ui/file_save.h"

#include <QAbstractItemModel>
#include <QLocale>

#include <cmath>

namespace {

QString formulaGuarded(const QString& text) {
    return QString::fromStdString(sorvik1::formulaGuarded(text.toStdString()));
}

bool isNumber(const QVariant& value) {
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong;
}

} // namespace

QString spreadsheetText(const QString& text) {
    return QString::fromStdString(sorvik1::csvTextCell(text.toStdString(), ';'));
}

QString spreadsheetNumber(double value) {
    return std::isfinite(value) ? QString::number(value, 'f', QLocale::FloatingPointShortest)
                                      .replace(QChar('.'), QChar(','))
                                : QString();
}

namespace {

// Numbers plain and in full, so a spreadsheet reads them as numbers and
// agrees with the command-line tool to the last digit; a value that does
// not exist stays an empty cell.
QString csvCell(const QAbstractItemModel& model, const QModelIndex& index) {
    const QVariant value = model.data(index, spreadsheetValueRole);
    switch (value.typeId()) {
    case QMetaType::Double:
        return spreadsheetNumber(value.toDouble());
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    default:
        break;
    }
    const QString text = model.data(index, spreadsheetTotalRole).toBool()
                             ? model.data(index, Qt::DisplayRole).toString()
                             : value.toString();
    return spreadsheetText(text);
}

QString lines(const QAbstractItemModel& model, const QList<int>& rows, const QString& separator,
              QString (*cell)(const QAbstractItemModel&, const QModelIndex&)) {
    QStringList out;
    QStringList headings;
    for (int column = 0; column < model.columnCount(); ++column) {
        headings << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    out << headings.join(separator);
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << cell(model, model.index(row, column));
        }
        out << cells.join(separator);
    }
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString shownCell(const QAbstractItemModel& model, const QModelIndex& index) {
    // Spreadsheets run pasted formulas too; the numbers shown are the
    // program's own.
    QString shown = model.data(index, Qt::DisplayRole).toString();
    if (!isNumber(model.data(index, spreadsheetValueRole))) {
        shown = formulaGuarded(shown);
    }
    // A tab or line break inside a cell would split it.
    return shown.replace(QChar('\t'), QChar(' '))
        .replace(QChar('\n'), QChar(' '))
        .replace(QChar('\r'), QChar(' '));
}

} // namespace

QString spreadsheetCsv(const QAbstractItemModel& model, const QList<int>& rows) {
    return lines(model, rows, QStringLiteral(";"), csvCell);
}

QString saveSpreadsheetCsv(const QString& path, const QString& csv) {
    return saveBytes(path, QByteArray("\xEF\xBB\xBF") + csv.toUtf8());
}

QString tabSeparated(const QAbstractItemModel& model, const QList<int>& rows) {
    return lines(model, rows, QStringLiteral("\t"), shownCell);
}
