#include "auswertung/search_tab.h"

#include "auswertung/search_export.h"
#include "auswertung/search_model.h"
#include "core/scan/spin_word.h"
#include "core/wheel/figure_text.h"
#include "ui/chance_choice.h"
#include "ui/german_numbers.h"
#include "ui/message_box.h"
#include "ui/trainer_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString chanceSetting = QStringLiteral("suche/chance");

constexpr int progressSteps = 1000;
// The summary names this many left-out files; the window's list has all.
constexpr int refusalsInSummary = 5;

const QString flagNote = QStringLiteral(
    "„Auffällig“ heißt: Selbst nach der Korrektur nach Holm für die vielen zugleich geprüften "
    "Figuren käme ein so großer Abstand vom Erwarteten bei reinem Zufall in weniger als 5 % der "
    "Fälle vor.");

QString methodNote() {
    return QStringLiteral("p ist zweiseitig: exakt aus der Verteilung der Zahl der Vorkommen, "
                          "wo das höchstens %1 Million Rechenschritte kostet, sonst aus einer "
                          "Sattelpunktnäherung, die für p zwischen 1e-8 und 0,05 höchstens 10 % "
                          "vom exakten Wert abweicht.")
        .arg(germannumbers::whole(static_cast<std::int64_t>(sorvik1::exactCountWork / 1e6)));
}

} // namespace

SearchTab::SearchTab(TrainerView& trainer, QWidget* parent)
    : QWidget(parent), trainer_(trainer), messages_(std::make_unique<QtMessageBox>()) {
    setObjectName(QStringLiteral("figurensuche"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSettings());

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("zusammenfassung"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary_);

    model_ = new SearchModel(this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(Qt::UserRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("figuren"));
    table_->setAccessibleName(QStringLiteral("Gefundene Figuren"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(SearchModel::Z, Qt::DescendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_, 1);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SearchTab::updateTakeButton);
    connect(table_, &QTableView::doubleClicked, this, &SearchTab::takeFigure);

    auto* note = new QLabel(flagNote + QLatin1Char(' ') + methodNote(), this);
    note->setObjectName(QStringLiteral("hinweis"));
    note->setWordWrap(true);
    layout->addWidget(note);

    takeButton_ = new QPushButton(QStringLiteral("Figur üb&ernehmen"), this);
    takeButton_->setObjectName(QStringLiteral("uebernehmen"));
    takeButton_->setAccessibleDescription(
        QStringLiteral("Zeichnet die gewählte Figur in das Figurenfeld des Trainers"));
    connect(takeButton_, &QPushButton::clicked, this, &SearchTab::takeFigure);
    csvButton_ = new QPushButton(QStringLiteral("Figuren als &CSV speichern …"), this);
    csvButton_->setObjectName(QStringLiteral("figurenCsv"));
    csvButton_->setAccessibleDescription(
        QStringLiteral("Die gezeigten Figuren in ihrer Reihenfolge für Tabellenkalkulationen "
                       "speichern: Semikolon, Dezimalkomma, UTF-8."));
    connect(csvButton_, &QPushButton::clicked, this, &SearchTab::saveCsv);
    taken_ = new QLabel(this);
    taken_->setObjectName(QStringLiteral("uebernommen"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(taken_, 1);
    bottom->addWidget(csvButton_);
    bottom->addWidget(takeButton_);
    layout->addLayout(bottom);

    connect(&job_, &SearchJob::finished, this, &SearchTab::showResult);
    connect(&job_, &SearchJob::progressed, this, &SearchTab::showProgress);
    setTabOrder(table_, csvButton_);
    setTabOrder(csvButton_, takeButton_);
    setBusy(false);
    updateTakeButton();
    refreshSources();
    summary_->setText(QStringLiteral("Quelle wählen und „Suchen“ drücken."));
}

SearchTab::~SearchTab() = default;

QWidget* SearchTab::buildSettings() {
    auto* settings = new QWidget(this);
    auto* layout = new QGridLayout(settings);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* sourceLabel = new QLabel(QStringLiteral("&Quelle:"), settings);
    source_ = new QComboBox(settings);
    source_->setAccessibleName(QStringLiteral("Quelle"));
    // A long folder name must not widen the window.
    source_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    source_->setMinimumContentsLength(24);
    sourceLabel->setBuddy(source_);
    auto* spanLabel = new QLabel(QStringLiteral("Längste S&pannweite:"), settings);
    span_ = new QSpinBox(settings);
    span_->setRange(1, sorvik1::maxSearchSpan);
    span_->setValue(8);
    span_->setAccessibleName(QStringLiteral("Längste Spannweite"));
    spanLabel->setBuddy(span_);
    gaps_ = new QCheckBox(QStringLiteral("mit &Lücken"), settings);
    gaps_->setChecked(true);
    gaps_->setAccessibleDescription(QStringLiteral("Auch Figuren mit freien Positionen"));
    zero_ = new QComboBox(settings);
    zero_->addItem(QStringLiteral("Null bricht die Figur"));
    zero_->addItem(QStringLiteral("Nullen überspringen"));
    zero_->setAccessibleName(QStringLiteral("Null"));
    chance_ = chanceChoice(settings);
    chance_->addItem(QStringLiteral("alle drei"));
    chance_->setAccessibleDescription(
        QStringLiteral("Die einfache Chance, deren Figuren gesucht werden; „alle drei“ sucht "
                       "Rot/Schwarz, Gerade/Ungerade und Tief/Hoch derselben Würfe zusammen."));
    chance_->setCurrentIndex(
        std::clamp(QSettings().value(chanceSetting, 0).toInt(), 0, chance_->count() - 1));
    connect(chance_, &QComboBox::currentIndexChanged, this,
            [](int index) { QSettings().setValue(chanceSetting, index); });
    searchButton_ = new QPushButton(QStringLiteral("S&uchen"), settings);
    cancelButton_ = new QPushButton(QStringLiteral("A&bbrechen"), settings);
    progress_ = new QProgressBar(settings);
    progress_->setRange(0, progressSteps);
    progress_->setFormat(QStringLiteral("%p %"));
    progress_->setAccessibleName(QStringLiteral("Fortschritt der Suche"));
    connect(searchButton_, &QPushButton::clicked, this, &SearchTab::search);
    connect(cancelButton_, &QPushButton::clicked, this, &SearchTab::cancel);
    // Three rows: where, what, and the work, so the tab stays narrow.
    layout->addWidget(sourceLabel, 0, 0);
    layout->addWidget(source_, 0, 1, 1, 5);
    layout->addWidget(spanLabel, 1, 0);
    layout->addWidget(span_, 1, 1);
    layout->addWidget(gaps_, 1, 2);
    layout->addWidget(zero_, 1, 3);
    layout->addWidget(chance_, 1, 4);
    layout->addWidget(searchButton_, 2, 0);
    layout->addWidget(cancelButton_, 2, 1);
    layout->addWidget(progress_, 2, 2, 1, 4);
    layout->setColumnStretch(5, 1);
    return settings;
}

void SearchTab::setSources(const QStringList& files, const QStringList& folders) {
    files_ = files;
    folders_ = folders;
    refreshSources();
}

void SearchTab::setMessageBox(std::unique_ptr<MessageBox> box) {
    messages_ = std::move(box);
}

void SearchTab::showEvent(QShowEvent* event) {
    refreshSources();
    QWidget::showEvent(event);
}

void SearchTab::refreshSources() {
    const QVariant chosen = source_->currentData();
    source_->clear();
    source_->addItem(
        folders_.isEmpty()
            ? QStringLiteral("Gewählte Dateien (%1)").arg(files_.size())
            : QStringLiteral("Gewählter Ordner %1").arg(folders_.join(QStringLiteral(", "))),
        static_cast<int>(Source::Files));
    const HeldSpins held = trainer_.heldSpins();
    if (held.count() > 0 && held.source == HeldSpins::Source::Permanence) {
        source_->addItem(QStringLiteral("Geladene Permanenz im Trainer (%1 Würfe)")
                             .arg(germannumbers::whole(held.count())),
                         static_cast<int>(Source::Permanence));
    }
    if (held.count() > 0 && held.source == HeldSpins::Source::RandomRun) {
        source_->addItem(QStringLiteral("Zufallslauf im Trainer (%1 gezeigte Würfe)")
                             .arg(germannumbers::whole(held.count())),
                         static_cast<int>(Source::RandomRun));
    }
    const int index = source_->findData(chosen);
    source_->setCurrentIndex(index >= 0 ? index : 0);
}

SearchJob::Request SearchTab::request() const {
    SearchJob::Request request;
    request.settings = {span_->value(), gaps_->isChecked(),
                        zero_->currentIndex() == 1 ? sorvik1::ZeroRule::Skipped
                                                   : sorvik1::ZeroRule::Breaks};
    const auto chosen = static_cast<std::size_t>(chance_->currentIndex());
    request.chances =
        chosen < sorvik1::allChances.size()
            ? std::vector<sorvik1::Chance>{sorvik1::allChances[chosen]}
            : std::vector<sorvik1::Chance>(sorvik1::allChances.begin(), sorvik1::allChances.end());
    switch (static_cast<Source>(source_->currentData().toInt())) {
    case Source::Files:
        request.files = files_;
        request.folders = folders_;
        break;
    case Source::Permanence:
    case Source::RandomRun: {
        const HeldSpins held = trainer_.heldSpins();
        for (const sorvik1::Chance chance : request.chances) {
            const auto spins = sorvik1::SpinSource::drawn(sorvik1::sideTable(chance), held.numbers);
            request.held.push_back({sorvik1::packSpins(spins, 1, held.count())});
        }
        break;
    }
    }
    return request;
}

void SearchTab::search() {
    refreshSources();
    SearchJob::Request next = request();
    if (next.files.isEmpty() && next.folders.isEmpty() && next.held.empty()) {
        summary_->setText(QStringLiteral(
            "Es sind keine Dateien gewählt. Bitte Dateien wählen oder eine Quelle aus dem "
            "Trainer nehmen."));
        return;
    }
    model_->setResult({});
    summary_->setText(QStringLiteral("Die Figuren werden gezählt …"));
    job_.start(std::move(next));
    setBusy(true);
}

void SearchTab::cancel() {
    job_.cancel();
}

void SearchTab::setBusy(bool busy) {
    searchButton_->setEnabled(!busy);
    cancelButton_->setEnabled(busy);
    source_->setEnabled(!busy);
    span_->setEnabled(!busy);
    gaps_->setEnabled(!busy);
    chance_->setEnabled(!busy);
    zero_->setEnabled(!busy);
    csvButton_->setEnabled(!busy && model_->rowCount() > 0);
    progress_->setValue(busy ? 0 : progress_->value());
    if (busy) {
        cancelButton_->setFocus();
    }
}

void SearchTab::showProgress() {
    progress_->setValue(static_cast<int>(job_.progress() * progressSteps));
}

void SearchTab::showResult() {
    setBusy(false);
    const SearchJob::Outcome& outcome = job_.outcome();
    const sorvik1::SearchResult& result = outcome.result;
    QStringList lines;
    const QString refusal =
        QString::fromStdString(sorvik1::searchRefusalText(result.refusal, span_->value()));
    if (!outcome.failure.isEmpty()) {
        lines << outcome.failure;
    } else if (refusal.isEmpty()) {
        progress_->setValue(progressSteps);
        lines << QStringLiteral("%1 Figuren durchsucht in %2 Würfen (%3 %4). |z| ≥ 3 bei %5 "
                                "Figuren; der Zufall allein ließe %6 erwarten. Auffällig: %7.")
                     .arg(germannumbers::whole(static_cast<std::int64_t>(result.figures.size())),
                          germannumbers::whole(result.spins),
                          germannumbers::whole(result.sequences),
                          result.sequences == 1 ? QStringLiteral("Quelle")
                                                : QStringLiteral("Quellen"),
                          germannumbers::whole(result.beyondThree),
                          germannumbers::decimal(result.expectedBeyondThree, 1),
                          germannumbers::whole(result.flagged));
    } else {
        lines << refusal;
    }
    QStringList refusals;
    for (const auto& refused : outcome.refused) {
        refusals << QStringLiteral("%1: %2").arg(refused.file, refused.reason);
        if (refusals.size() <= refusalsInSummary) {
            lines << QStringLiteral("Nicht gelesen: %1 – %2").arg(refused.file, refused.reason);
        }
    }
    if (refusals.size() > refusalsInSummary) {
        lines << QStringLiteral("Alle %1 nicht gelesenen stehen unter „Nicht ausgewertet“.")
                     .arg(germannumbers::whole(refusals.size()));
    }
    summary_->setText(lines.join(QLatin1Char('\n')));
    model_->setResult(result);
    csvButton_->setEnabled(model_->rowCount() > 0);
    emit refusalsFound(refusals);
    refreshSources();
    searchButton_->setFocus();
}

void SearchTab::updateTakeButton() {
    takeButton_->setEnabled(table_->selectionModel()->hasSelection());
}

void SearchTab::takeFigure() {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    const int row = proxy_->mapToSource(rows.front()).row();
    const sorvik1::FigureFinding& finding = model_->result().figures[static_cast<std::size_t>(row)];
    const sorvik1::Figure& figure = finding.figure;
    if (finding.chance != sorvik1::Chance::RotSchwarz) {
        messages_->show(
            this,
            QStringLiteral("%1 ist eine Figur auf %2. Der Trainer zählt Farben; "
                           "übernehmen lassen sich nur Figuren auf Rot/Schwarz.")
                .arg(QString::fromStdString(sorvik1::figureText(figure, finding.chance)),
                     QString::fromUtf8(sorvik1::chanceName(finding.chance))),
            msgstyle::information, QStringLiteral(" Figur übernehmen"));
    } else if (trainer_.drawFigure(figure)) {
        taken_->setText(QStringLiteral("%1 ist im Figurenfeld des Trainers gezeichnet; „OK“ "
                                       "dort macht sie zur aktiven Figur.")
                            .arg(QString::fromStdString(sorvik1::figureText(figure))));
    } else {
        messages_->show(this,
                        QStringLiteral("Im Trainer ist schon eine Figur aktiv. Bitte dort erst "
                                       "„Reset“ drücken, dann die Figur übernehmen."),
                        msgstyle::information, QStringLiteral(" Figur übernehmen"));
    }
}

void SearchTab::saveCsv() {
    QList<int> rows;
    for (int row = 0; row < proxy_->rowCount(); ++row) {
        rows << proxy_->mapToSource(proxy_->index(row, 0)).row();
    }
    emit csvWanted(searchCsv(*model_, rows));
}
