// The strategy window's files: choosing permanences, and the tables as CSV
// files and on the clipboard.
#include "strategie/journal_model.h"
#include "strategie/session_model.h"
#include "strategie/strategy_window.h"
#include "ui/file_chooser.h"
#include "ui/german_numbers.h"
#include "ui/message_box.h"
#include "ui/spreadsheet_export.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>

namespace {

const QString folderKey = QStringLiteral("strategie/ordner");

} // namespace

void StrategyWindow::chooseFiles() {
    const QStringList files =
        chooser_->permanenceFiles(this, QSettings().value(folderKey).toString());
    if (files.isEmpty()) {
        return;
    }
    QSettings().setValue(folderKey, QFileInfo(files.front()).absolutePath());
    chosenFiles_ = files;
    chosenFolders_.clear();
    chosenLabel->setText(
        germannumbers::counted(files.size(), QStringLiteral("Datei"), QStringLiteral("Dateien")));
    chosenLabel->setToolTip(files.join(QChar('\n')));
    filesSource->setChecked(true);
}

void StrategyWindow::chooseFolder() {
    const QString folder =
        chooser_->permanenceFolder(this, QSettings().value(folderKey).toString());
    if (folder.isEmpty()) {
        return;
    }
    QSettings().setValue(folderKey, folder);
    chosenFolders_ = {folder};
    chosenFiles_.clear();
    chosenLabel->setText(QStringLiteral("Ordner %1").arg(QDir::toNativeSeparators(folder)));
    chosenLabel->setToolTip(QDir::toNativeSeparators(folder));
    filesSource->setChecked(true);
}

void StrategyWindow::saveCsv(const QString& suggested, const QString& csv) {
    const QString folder = QSettings().value(folderKey, QDir::homePath()).toString();
    const QString path = chooser_->csvTarget(this, QDir(folder).filePath(suggested));
    if (path.isEmpty()) {
        return;
    }
    const QString failure = saveSpreadsheetCsv(path, csv);
    if (!failure.isEmpty()) {
        messages_->show(this, failure, msgstyle::critical, windowTitle());
        return;
    }
    status->setText(QStringLiteral("Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
}

namespace {

// The model's rows in the order the view shows them; only the selected
// ones when asked and there are any.
QList<int> rowsShown(const QTableView& view, const QSortFilterProxyModel& proxy, bool selected) {
    QList<int> rows;
    for (int row = 0; row < proxy.rowCount(); ++row) {
        if (!selected || view.selectionModel()->isRowSelected(row, {})) {
            rows << proxy.mapToSource(proxy.index(row, 0)).row();
        }
    }
    return rows;
}

QList<int> allRows(const QAbstractItemModel& model) {
    QList<int> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        rows << row;
    }
    return rows;
}

} // namespace

void StrategyWindow::saveSessions() {
    saveCsv(QStringLiteral("Strategietest.csv"),
            spreadsheetCsv(*sessions_, rowsShown(*sessionTable, *proxy_, false)));
}

void StrategyWindow::saveJournal() {
    saveCsv(QStringLiteral("Strategietest-Journal.csv"),
            spreadsheetCsv(*journal_, allRows(*journal_)));
}

void StrategyWindow::copySessions() {
    QList<int> rows = rowsShown(*sessionTable, *proxy_, true);
    if (rows.isEmpty()) {
        rows = rowsShown(*sessionTable, *proxy_, false);
    }
    QApplication::clipboard()->setText(tabSeparated(*sessions_, rows));
    status->setText(QStringLiteral("%1 in die Zwischenablage kopiert.")
                        .arg(germannumbers::counted(rows.size(), QStringLiteral("Zeile"),
                                                    QStringLiteral("Zeilen"))));
}
