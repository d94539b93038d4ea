#include "auswertung/evaluation_window.h"

#include "auswertung/evaluation_charts.h"
#include "auswertung/evaluation_model.h"
#include "auswertung/search_tab.h"
#include "auswertung/total_last_proxy.h"
#include "core/wheel/figure_text.h"
#include "ui/chance_choice.h"
#include "ui/file_chooser.h"
#include "ui/german_numbers.h"
#include "ui/message_box.h"
#include "ui/shipped_data.h"
#include "ui/spreadsheet_export.h"
#include "ui/trainer_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString folderKey = QStringLiteral("auswertung/ordner");
const QString zeroKey = QStringLiteral("auswertung/nullenUeberspringen");
const QString chanceKey = QStringLiteral("auswertung/chance");
const QString sizeKey = QStringLiteral("auswertung/groesse");
const QString title = QStringLiteral("Permanenzen auswerten – Sorvik1");

QString ruleText(sorvik1::ZeroRule rule) {
    return rule == sorvik1::ZeroRule::Skipped ? QStringLiteral("Nullen übersprungen")
                                              : QStringLiteral("Null bricht die Figur");
}

QString figureLine(const sorvik1::Figure& figure, sorvik1::ZeroRule rule, sorvik1::Chance chance) {
    if (figure.empty()) {
        return QStringLiteral("Figur: keine – zeichnen Sie bitte im Trainer eine Figur und "
                              "bestätigen Sie sie mit „OK“.");
    }
    return QStringLiteral("Figur: %1 auf %2 (%3)")
        .arg(QString::fromStdString(sorvik1::figureText(figure, chance)),
             QString::fromUtf8(sorvik1::chanceName(chance)), ruleText(rule));
}

QString filesText(std::int64_t files) {
    return germannumbers::counted(files, QStringLiteral("Datei"), QStringLiteral("Dateien"));
}

// The example permanences that ship with the program, if they do.
QString examplesFolder() {
    return shippedFolder(QCoreApplication::applicationDirPath(), QStringLiteral("examples"));
}

} // namespace

EvaluationWindow::EvaluationWindow(TrainerView& trainer)
    : QDialog(&trainer.trainerWindow(), Qt::Window), trainer_(trainer),
      chooser_(std::make_unique<QtFileChooser>()), messages_(std::make_unique<QtMessageBox>()) {
    setObjectName(QStringLiteral("auswertung"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildChoice());
    layout->addWidget(buildProgress());
    tabs_ = buildResults();
    layout->addWidget(tabs_, 1);
    layout->addWidget(buildButtons());

    connect(filesButton_, &QPushButton::clicked, this, &EvaluationWindow::chooseFiles);
    connect(folderButton_, &QPushButton::clicked, this, &EvaluationWindow::chooseFolder);
    connect(cancelButton_, &QPushButton::clicked, this, &EvaluationWindow::cancel);
    connect(saveButton_, &QPushButton::clicked, this, &EvaluationWindow::saveCsv);
    connect(copyButton_, &QPushButton::clicked, this, &EvaluationWindow::copyRows);
    connect(&job_, &EvaluationJob::finished, this, &EvaluationWindow::showResult);
    connect(search_, &SearchTab::csvWanted, this, [this](const QString& csv) {
        saveSpreadsheet(QStringLiteral("Figurensuche.csv"), csv);
    });
    connect(search_, &SearchTab::refusalsFound, this, &EvaluationWindow::showRefusals);
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, &EvaluationWindow::showCharts);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (chartsStale_) {
            showCharts();
        }
    });
    connect(&job_, &EvaluationJob::progressed, this, &EvaluationWindow::showProgress);
    connect(&job_, &EvaluationJob::progressed, this, &EvaluationWindow::showFinishedFiles);
    connect(zeroSkipped_, &QRadioButton::toggled, this, &EvaluationWindow::showPendingFigure);
    connect(chance_, &QComboBox::currentIndexChanged, this, &EvaluationWindow::showPendingFigure);
    restoreSettings();
    setBusy(false);
    showPendingFigure();
}

EvaluationWindow::~EvaluationWindow() = default;

void EvaluationWindow::setFileChooser(std::unique_ptr<FileChooser> chooser) {
    chooser_ = std::move(chooser);
}

void EvaluationWindow::setMessageBox(std::unique_ptr<MessageBox> box) {
    messages_ = std::move(box);
}

void EvaluationWindow::restoreSettings() {
    const QSettings settings;
    (settings.value(zeroKey, false).toBool() ? zeroSkipped_ : zeroBreaks_)->setChecked(true);
    chance_->setCurrentIndex(
        std::clamp(settings.value(chanceKey, 0).toInt(), 0, chance_->count() - 1));
    const QSize size = settings.value(sizeKey).toSize();
    // Wide enough for every column of a usual result beside each other.
    resize(size.isValid() ? size : QSize(1060, 640));
}

void EvaluationWindow::showAndRaise() {
    showPendingFigure();
    show();
    raise();
    activateWindow();
}

void EvaluationWindow::hideEvent(QHideEvent* event) {
    // A closed window's work is wanted no more; a minimised one's still is.
    if (!event->spontaneous()) {
        job_.cancel();
    }
    QSettings settings;
    settings.setValue(sizeKey, size());
    settings.setValue(zeroKey, zeroSkipped_->isChecked());
    settings.setValue(chanceKey, chance_->currentIndex());
    QDialog::hideEvent(event);
}

void EvaluationWindow::changeEvent(QEvent* event) {
    // Back from the trainer, where the figure may have changed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showPendingFigure();
    }
    QDialog::changeEvent(event);
}

void EvaluationWindow::reject() {
    if (busy()) {
        cancel();
        return;
    }
    QDialog::reject();
}

QString EvaluationWindow::lastFolder() const {
    const QString folder = QSettings().value(folderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// Until the user has a folder of their own, the choosers offer the example
// permanences, so the window can be tried without data.
QString EvaluationWindow::choiceFolder() const {
    const QString examples = examplesFolder();
    return QSettings().value(folderKey).toString().isEmpty() && !examples.isEmpty() ? examples
                                                                                    : lastFolder();
}

// The examples are no folder of the user's: a CSV file could not even be
// saved there once the program is installed.
void EvaluationWindow::rememberFolder(const QString& folder) {
    const QString examples = examplesFolder();
    const QString clean = QDir::cleanPath(folder);
    if (!examples.isEmpty() && (clean == examples || clean.startsWith(examples + QChar('/')))) {
        return;
    }
    QSettings().setValue(folderKey, folder);
}

bool EvaluationWindow::canStart() {
    figure_ = trainer_.activeFigure();
    if (figure_.empty()) {
        status_->setText(QStringLiteral("Zum Auswerten braucht es eine Figur: Zeichnen Sie "
                                        "bitte im Trainer eine Figur und bestätigen Sie sie "
                                        "mit „OK“. Die Figurensuche braucht keine."));
        return false;
    }
    return true;
}

void EvaluationWindow::chooseFiles() {
    const QStringList files = chooser_->permanenceFiles(this, choiceFolder());
    if (files.isEmpty()) {
        return;
    }
    rememberFolder(QFileInfo(files.front()).absolutePath());
    chosen(files, {});
}

void EvaluationWindow::chooseFolder() {
    const QString folder = chooser_->permanenceFolder(this, choiceFolder());
    if (folder.isEmpty()) {
        return;
    }
    rememberFolder(folder);
    chosen({}, {folder});
}

void EvaluationWindow::chosen(const QStringList& files, const QStringList& folders) {
    search_->setSources(files, folders);
    if (canStart()) {
        start(files, folders);
    } else {
        tabs_->setCurrentWidget(search_);
    }
}

void EvaluationWindow::start(const QStringList& files, const QStringList& folders) {
    const auto rule =
        zeroSkipped_->isChecked() ? sorvik1::ZeroRule::Skipped : sorvik1::ZeroRule::Breaks;
    const sorvik1::Chance chance = chosenChance();
    evaluated_ = true;
    figureLabel_->setText(figureLine(figure_, rule, chance));
    model_->clear();
    model_->setCounted(QString::fromStdString(sorvik1::figureText(figure_, chance)),
                       ruleText(rule));
    refused_->setStringList({});
    showCharts();
    status_->setText(QStringLiteral("Die Dateien werden ausgewertet …"));
    job_.start({files, folders, figure_, rule, 0, chance});
    setBusy(true);
    showProgress();
}

sorvik1::Chance EvaluationWindow::chosenChance() const {
    return chosenChanceOf(chance_);
}

// The job ends at once with the files finished so far.
void EvaluationWindow::cancel() {
    job_.cancel();
}

void EvaluationWindow::setBusy(bool busy) {
    filesButton_->setEnabled(!busy);
    folderButton_->setEnabled(!busy);
    zeroBreaks_->setEnabled(!busy);
    zeroSkipped_->setEnabled(!busy);
    chance_->setEnabled(!busy);
    cancelButton_->setEnabled(busy);
    const bool rows = model_->rowCount() > 0;
    saveButton_->setEnabled(!busy && rows);
    copyButton_->setEnabled(!busy && rows);
    if (busy) {
        cancelButton_->setFocus();
    }
}

void EvaluationWindow::showProgress() {
    using namespace germannumbers;
    const auto now = job_.progress();
    if (now.searching) {
        progress_->setRange(0, 0);
        progress_->setFormat(QStringLiteral("Dateien werden gesucht …"));
        return;
    }
    // A bar counts in int; a file count beyond that is not to be expected,
    // but the bar must not wrap.
    const auto total = std::clamp<std::int64_t>(now.filesTotal, 1, 1 << 30);
    progress_->setRange(0, static_cast<int>(total));
    progress_->setValue(static_cast<int>(std::min(now.filesDone, total)));
    progress_->setFormat(
        QStringLiteral("%1 von %2 · %3")
            .arg(whole(now.filesDone), filesText(now.filesTotal),
                 counted(now.spinsDone, QStringLiteral("Wurf"), QStringLiteral("Würfe"))));
}

// Before the first evaluation the label names what would be counted now;
// afterwards it names what the table shows.
void EvaluationWindow::showPendingFigure() {
    if (!evaluated_) {
        figureLabel_->setText(figureLine(trainer_.activeFigure(),
                                         zeroSkipped_->isChecked() ? sorvik1::ZeroRule::Skipped
                                                                   : sorvik1::ZeroRule::Breaks,
                                         chosenChance()));
    }
}

void EvaluationWindow::showFinishedFiles() {
    const bool first = model_->rowCount() == 0;
    model_->addFiles(job_.takeFinished());
    if (first && model_->rowCount() > 0) {
        table_->resizeColumnsToContents();
    }
}

void EvaluationWindow::showResult() {
    using namespace germannumbers;
    const sorvik1::Evaluation& result = job_.result();
    model_->setResult(job_.takeFiles(), result.total,
                      result.cancelled ? EvaluationModel::Stage::Cancelled
                                       : EvaluationModel::Stage::Complete);
    QStringList refused;
    for (const auto& refusal : result.refused) {
        refused << QStringLiteral("%1: %2").arg(QString::fromStdString(refusal.path),
                                                QString::fromStdString(refusal.reason));
    }
    showRefusals(refused);
    showProgress();
    setBusy(false);
    showCharts();
    table_->resizeColumnsToContents();
    QString text;
    if (!job_.failure().isEmpty()) {
        text = job_.failure() + QStringLiteral(" Die Tabelle zeigt die %1 Dateien, die vorher "
                                               "fertig waren.")
                                    .arg(whole(result.total.files));
    } else if (job_.filesFound() == 0 && !result.cancelled) {
        text = QStringLiteral("Keine Permanenzen gefunden: Die Auswahl enthält keine .txt-Datei.");
    } else if (result.cancelled) {
        text = QStringLiteral("Abgebrochen: Nur %1 von %2 ausgewertet; die Summe gilt nur "
                              "für sie.")
                   .arg(whole(result.total.files), filesText(job_.filesFound()));
    } else {
        text =
            QStringLiteral("Ausgewertet: %1 mit %2.")
                .arg(filesText(result.total.files),
                     counted(result.total.spins, QStringLiteral("Wurf"), QStringLiteral("Würfen")));
    }
    if (!result.refused.empty()) {
        text += QStringLiteral(" %1 nicht ausgewertet, die Gründe stehen unter „Nicht "
                               "ausgewertet“.")
                    .arg(whole(static_cast<std::int64_t>(result.refused.size())));
    }
    status_->setText(text);
    table_->setFocus();
    if (!job_.failure().isEmpty()) {
        messages_->show(this, text, msgstyle::critical, title);
    }
}

// Drawn only while they can be seen: drawing them behind the table would
// hold the window for a moment when an evaluation ends.
void EvaluationWindow::showCharts() {
    chartsStale_ = tabs_->currentWidget() != charts_;
    if (chartsStale_) {
        return;
    }
    std::vector<const sorvik1::FileEvaluation*> inTableOrder;
    const auto& files = model_->files();
    for (const int row : rowsInViewOrder(false)) {
        if (row < static_cast<int>(files.size())) {
            inTableOrder.push_back(&files[static_cast<std::size_t>(row)]);
        }
    }
    charts_->showFiles(inTableOrder);
}

// Rows of the model, in the order the table shows them.
QList<int> EvaluationWindow::rowsInViewOrder(bool selectedOnly) const {
    QList<int> rows;
    const auto* selection = table_->selectionModel();
    for (int row = 0; row < proxy_->rowCount(); ++row) {
        const QModelIndex index = proxy_->index(row, 0);
        if (!selectedOnly || selection->isRowSelected(row, {})) {
            rows << proxy_->mapToSource(index).row();
        }
    }
    return rows;
}

void EvaluationWindow::copyRows() {
    QList<int> rows = rowsInViewOrder(true);
    if (rows.isEmpty()) {
        rows = rowsInViewOrder(false);
    }
    QApplication::clipboard()->setText(tabSeparated(*model_, rows));
    status_->setText(QStringLiteral("%1 in die Zwischenablage kopiert.")
                         .arg(germannumbers::counted(rows.size(), QStringLiteral("Zeile"),
                                                     QStringLiteral("Zeilen"))));
}

// The evaluation and the search name the same files they leave out, so
// the one list serves whichever finished last.
void EvaluationWindow::showRefusals(const QStringList& lines) {
    refused_->setStringList(lines);
    tabs_->setTabText(
        2, QStringLiteral("Nicht ausge&wertet (%1)").arg(germannumbers::whole(lines.size())));
}

void EvaluationWindow::saveCsv() {
    saveSpreadsheet(QStringLiteral("Auswertung.csv"),
                    spreadsheetCsv(*model_, rowsInViewOrder(false)));
}

void EvaluationWindow::saveSpreadsheet(const QString& suggestedName, const QString& csv) {
    const QString target = chooser_->csvTarget(this, QDir(lastFolder()).filePath(suggestedName));
    if (target.isEmpty()) {
        return;
    }
    const QString failure = saveSpreadsheetCsv(target, csv);
    if (!failure.isEmpty()) {
        messages_->show(this, failure, msgstyle::critical, title);
        return;
    }
    status_->setText(QStringLiteral("Gespeichert: %1").arg(QDir::toNativeSeparators(target)));
}
