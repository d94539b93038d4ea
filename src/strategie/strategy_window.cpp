#include "strategie/strategy_window.h"

#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"
#include "strategie/journal_model.h"
#include "strategie/session_model.h"
#include "strategie/strategy_charts.h"
#include "strategie/strategy_input.h"
#include "strategie/strategy_texts.h"
#include "ui/chance_choice.h"
#include "ui/file_chooser.h"
#include "ui/german_numbers.h"
#include "ui/message_box.h"
#include "ui/placement.h"
#include "ui/trainer_view.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>
#include <variant>

namespace {

const QString title = QStringLiteral("Strategietest – Sorvik1");
const QString sizeKey = QStringLiteral("strategie/groesse");

QString fileName(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName();
}

} // namespace

StrategyWindow::StrategyWindow(TrainerView& trainer)
    : QDialog(&trainer.trainerWindow(), Qt::Window), trainer_(trainer),
      chooser_(std::make_unique<QtFileChooser>()), messages_(std::make_unique<QtMessageBox>()) {
    setObjectName(QStringLiteral("strategietest"));
    setWindowTitle(title);
    // The spin boxes and charts show numbers as a German reader expects.
    setLocale(germannumbers::locale());
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    top->addWidget(buildPlan(), 1);
    top->addWidget(buildSource(), 1);
    layout->addLayout(top);
    layout->addWidget(buildProgress());
    layout->addWidget(buildResults(), 1);
    layout->addWidget(buildButtons());
    connectControls();
    loadSettings();
    const QSize saved = QSettings().value(sizeKey).toSize();
    const QSize frame =
        trainer_.trainerWindow().frameGeometry().size() - trainer_.trainerWindow().size();
    resize(fittingSize(saved.isValid() ? saved : QSize(1200, 820), frame,
                       trainer_.trainerWindow().screen()->availableGeometry()));
    setBusy(false);
    showPlanControls();
    showSourceControls();
    showTrainerState();
    houseShare->setText(strategytext::houseShare(sorvik1::ZeroPayout::Loses));
}

StrategyWindow::~StrategyWindow() = default;

void StrategyWindow::connectControls() {
    connect(startButton, &QPushButton::clicked, this, &StrategyWindow::start);
    connect(cancelButton, &QPushButton::clicked, this, &StrategyWindow::stop);
    connect(filesButton, &QPushButton::clicked, this, &StrategyWindow::chooseFiles);
    connect(folderButton, &QPushButton::clicked, this, &StrategyWindow::chooseFolder);
    connect(saveSessionsButton, &QPushButton::clicked, this, &StrategyWindow::saveSessions);
    connect(saveJournalButton, &QPushButton::clicked, this, &StrategyWindow::saveJournal);
    connect(copyButton, &QPushButton::clicked, this, &StrategyWindow::copySessions);
    connect(plan, &QComboBox::currentIndexChanged, this, &StrategyWindow::showPlanControls);
    connect(chance, &QComboBox::currentIndexChanged, this, &StrategyWindow::showTrainerState);
    for (QRadioButton* source : {randomSource, permanenceSource, filesSource}) {
        connect(source, &QRadioButton::toggled, this, &StrategyWindow::showSourceControls);
    }
    connect(&job_, &StrategyJob::progressed, this, &StrategyWindow::showProgress);
    connect(&job_, &StrategyJob::finished, this, &StrategyWindow::showResult);
    connect(&job_, &StrategyJob::failed, this, [this](const QString& why) {
        setBusy(false);
        progress->setRange(0, 1);
        progress->setValue(0);
        status->setText(why);
    });
    connect(sessionTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    showSession(proxy_->mapToSource(current).row());
                }
            });
    auto* copy = new QShortcut(QKeySequence::Copy, sessionTable);
    copy->setContext(Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &StrategyWindow::copySessions);
}

void StrategyWindow::setFileChooser(std::unique_ptr<FileChooser> chooser) {
    chooser_ = std::move(chooser);
}

void StrategyWindow::setMessageBox(std::unique_ptr<MessageBox> box) {
    messages_ = std::move(box);
}

void StrategyWindow::showAndRaise() {
    showTrainerState();
    show();
    raise();
    activateWindow();
}

void StrategyWindow::reject() {
    if (busy()) {
        stop();
        return;
    }
    QDialog::reject();
}

void StrategyWindow::hideEvent(QHideEvent* event) {
    // A closed window's work is wanted no more; a minimised one's still is.
    if (!event->spontaneous()) {
        job_.cancel();
    }
    saveSettings();
    QSettings().setValue(sizeKey, size());
    QDialog::hideEvent(event);
}

void StrategyWindow::changeEvent(QEvent* event) {
    // Back from the trainer, where the figure may have changed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showTrainerState();
    }
    QDialog::changeEvent(event);
}

sorvik1::Chance StrategyWindow::chosenChance() const {
    return chosenChanceOf(chance);
}

void StrategyWindow::showTrainerState() {
    const sorvik1::Figure figure = trainer_.activeFigure();
    // The bets follow the practice's signal, which a zero always breaks.
    const QString zero = trainer_.zeroRule() == sorvik1::ZeroRule::Breaks
                             ? QStringLiteral("eine Null bricht die Figur")
                             : QStringLiteral("eine Null bricht die Figur, anders als im Trainer");
    figureLabel->setText(
        figure.empty()
            ? QStringLiteral("Keine Figur aktiv – zeichnen Sie im Trainer eine Figur "
                             "und übernehmen Sie sie.")
            : QStringLiteral("Figur: %1 auf %2 (aus dem Trainer; %3)")
                  .arg(QString::fromStdString(sorvik1::figureText(figure, chosenChance())),
                       QString::fromUtf8(sorvik1::chanceName(chosenChance())), zero));
    const HeldSpins held = trainer_.heldSpins();
    const bool loaded = held.source == HeldSpins::Source::Permanence && held.count() > 0;
    permanenceSource->setEnabled(loaded);
    permanenceSource->setText(
        loaded ? QStringLiteral("ge&ladene Permanenz (%1)")
                     .arg(germannumbers::counted(held.count(), QStringLiteral("Wurf"),
                                                 QStringLiteral("Würfe")))
               : QStringLiteral("ge&ladene Permanenz (keine geladen)"));
    if (!loaded && permanenceSource->isChecked()) {
        randomSource->setChecked(true);
    }
}

void StrategyWindow::showPlanControls() {
    const auto kind = static_cast<sorvik1::StakePlanKind>(plan->currentIndex());
    paroliStages->setEnabled(kind == sorvik1::StakePlanKind::Paroli);
    series->setEnabled(kind == sorvik1::StakePlanKind::Reihe);
}

void StrategyWindow::showSourceControls() {
    const bool random = randomSource->isChecked();
    const bool files = filesSource->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(sessionCount), static_cast<QWidget*>(lengthCount),
          static_cast<QWidget*>(lengthUnit), static_cast<QWidget*>(seed)}) {
        control->setEnabled(random);
    }
    filesAs->setEnabled(files);
}

StrategyFields StrategyWindow::fields() const {
    StrategyFields f;
    f.plan = static_cast<sorvik1::StakePlanKind>(plan->currentIndex());
    f.base = base->text();
    f.series = series->text();
    f.paroliStages = paroliStages->value();
    f.capital = capital->text();
    f.minimum = minimum->text();
    f.maximum = maximum->text();
    f.target = target->text();
    f.against = againstFigure->isChecked();
    f.zero = zeroHalved->isChecked() ? sorvik1::ZeroPayout::Halved : sorvik1::ZeroPayout::Loses;
    return f;
}

void StrategyWindow::refuse(const QString& message) {
    status->setText(message);
    messages_->show(this, message, msgstyle::information, title);
}

std::optional<sorvik1::StrategyTrialRequest> StrategyWindow::request() {
    const sorvik1::Figure figure = trainer_.activeFigure();
    if (figure.empty()) {
        refuse(QStringLiteral("Es ist keine Figur aktiv. Zeichnen Sie im Trainer eine Figur und "
                              "übernehmen Sie sie, dann kann der Strategietest beginnen."));
        return std::nullopt;
    }
    auto settings = readStrategyFields(fields());
    if (const QString* refusal = std::get_if<QString>(&settings)) {
        refuse(*refusal);
        return std::nullopt;
    }
    sorvik1::StrategyTrialRequest r;
    r.figure = figure;
    r.chance = chosenChance();
    r.settings = std::get<sorvik1::StrategySettings>(settings);
    r.threads = std::max(static_cast<int>(std::thread::hardware_concurrency()), 1);
    const QString seedText = seed->text().trimmed();
    if (seedText.isEmpty()) {
        const auto trainerSeed = trainer_.seed();
        r.seed = trainerSeed ? *trainerSeed : sorvik1::seedFromClock();
    } else {
        bool ok = false;
        r.seed = seedText.toULongLong(&ok);
        if (!ok) {
            refuse(QStringLiteral("Der Startwert muss eine ganze Zahl ab 0 sein, nicht „%1“.")
                       .arg(seedText));
            return std::nullopt;
        }
    }
    if (randomSource->isChecked()) {
        r.source = sorvik1::StrategyTrialRequest::Source::Random;
        r.sessions = sessionCount->value();
        r.length = {lengthCount->value(), lengthUnit->currentIndex() == 1};
    } else if (permanenceSource->isChecked()) {
        r.source = sorvik1::StrategyTrialRequest::Source::Permanence;
        const HeldSpins held = trainer_.heldSpins();
        for (std::size_t i = 1; i < held.numbers.size(); ++i) {
            const auto number = static_cast<std::size_t>(held.numbers[i]);
            r.permanence.push_back(number <= 36 ? sorvik1::sideTable(r.chance)[number]
                                                : sorvik1::noColour);
        }
    } else {
        if (chosenFiles_.isEmpty() && chosenFolders_.isEmpty()) {
            refuse(QStringLiteral("Es sind keine Dateien gewählt. Wählen Sie Dateien oder einen "
                                  "Ordner."));
            return std::nullopt;
        }
        r.source = sorvik1::StrategyTrialRequest::Source::Files;
        for (const QString& file : chosenFiles_) {
            r.files.push_back(file.toStdString());
        }
        for (const QString& folder : chosenFolders_) {
            r.folders.push_back(folder.toStdString());
        }
        r.filesAsOne = filesAs->currentIndex() == 1;
    }
    return r;
}

void StrategyWindow::start() {
    if (busy()) {
        return;
    }
    showTrainerState();
    auto r = request();
    if (!r) {
        return;
    }
    saveSettings();
    shown_ = *r;
    shown_->permanence.clear();
    job_.start(std::move(*r));
    status->setText(QStringLiteral("Der Test läuft …"));
    setBusy(true);
}

void StrategyWindow::stop() {
    job_.stop();
}

void StrategyWindow::setBusy(bool running) {
    startButton->setEnabled(!running);
    cancelButton->setEnabled(running);
    for (QPushButton* b : {saveSessionsButton, copyButton, saveJournalButton}) {
        b->setEnabled(!running && result_ != nullptr && !result_->sessions.empty());
    }
    if (running) {
        progress->setRange(0, 0);
        progress->setFormat(QString());
    }
}

void StrategyWindow::showProgress(qint64 done, qint64 total) {
    if (total <= 0) {
        return;
    }
    // The bar counts in thousandths, so a million sessions fit its range.
    progress->setRange(0, 1000);
    progress->setValue(static_cast<int>(1000 * std::min(done, total) / total));
    progress->setFormat(
        QStringLiteral("%1 von %2").arg(germannumbers::whole(done), germannumbers::whole(total)));
}

QString StrategyWindow::sessionName(std::size_t index) const {
    using Source = sorvik1::StrategyTrialRequest::Source;
    const std::string& path = result_->names[index];
    if (!path.empty()) {
        return fileName(path);
    }
    switch (shown_->source) {
    case Source::Permanence:
        return QStringLiteral("geladene Permanenz");
    case Source::Files:
        return QStringLiteral("alle Dateien nacheinander");
    default:
        return QStringLiteral("Sitzung %1")
            .arg(germannumbers::whole(static_cast<std::int64_t>(index) + 1));
    }
}

void StrategyWindow::showResult(std::shared_ptr<const sorvik1::StrategyTrialResult> result) {
    setBusy(false);
    progress->setRange(0, 1);
    progress->setValue(result ? 1 : 0);
    if (!result) {
        status->setText(QStringLiteral("Der Test brach ab: der Speicher reichte nicht."));
        return;
    }
    result_ = std::move(result);
    QStringList names;
    for (std::size_t i = 0; i < result_->sessions.size(); ++i) {
        names << sessionName(i);
    }
    sessions_->setSessions(names, result_->sessions);
    sessionTable->resizeColumnsToContents();
    const bool withTarget = shown_->settings.target.has_value();
    QStringList lines;
    lines << QStringLiteral("<b>Zufall allein</b> (derselbe Plan, Sitzungen gleicher Länge):");
    lines << QStringLiteral("Ruin: %1").arg(strategytext::ruin(*result_, shown_->seed));
    if (withTarget) {
        lines << QStringLiteral("Ziel erreicht: %1")
                     .arg(strategytext::target(*result_, shown_->seed));
    }
    lines << QStringLiteral("Mittleres Ergebnis: %1")
                 .arg(strategytext::meanNet(*result_, shown_->seed));
    lines << QStringLiteral("Beobachtet: %1").arg(strategytext::observed(*result_, withTarget));
    lawLabel->setText(lines.join(QStringLiteral("<br>")));
    houseShare->setText(strategytext::houseShare(shown_->settings.zero));
    charts->showDistribution(result_->sessions, result_->exact, shown_->settings.capital);
    QString done = result_->cancelled ? QStringLiteral("Abgebrochen: %1 gespielt.")
                                      : QStringLiteral("Fertig: %1.");
    done = done.arg(germannumbers::counted(static_cast<std::int64_t>(result_->sessions.size()),
                                           QStringLiteral("Sitzung"), QStringLiteral("Sitzungen")));
    if (!result_->refused.empty()) {
        done += QStringLiteral(" Nicht gelesen: %1.")
                    .arg(QString::fromStdString(result_->refused.front()));
        if (result_->refused.size() > 1) {
            done += QStringLiteral(" (und %1 weitere)")
                        .arg(germannumbers::whole(
                            static_cast<std::int64_t>(result_->refused.size()) - 1));
        }
    }
    status->setText(done);
    setBusy(false);
    if (!result_->sessions.empty()) {
        sessionTable->setCurrentIndex(proxy_->mapFromSource(sessions_->index(0, 0)));
        showSession(0);
    } else {
        journal_->setJournal({});
        charts->showCurve({}, QString());
    }
}

void StrategyWindow::showSession(int row) {
    if (!result_ || sessions_->isTotal(row) || row < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(row);
    sorvik1::SessionResult session = result_->sessions[index];
    if (shown_->source == sorvik1::StrategyTrialRequest::Source::Random) {
        // Random sessions are played again, the same spins from the same seed.
        session = sorvik1::playRandomSession(shown_->figure, shown_->settings, shown_->seed, row,
                                             shown_->length, true);
    }
    charts->showCurve(
        sorvik1::capitalCurve(session, shown_->settings.capital, shown_->settings.zero),
        sessions_->name(row));
    journal_->setJournal(std::move(session.journal));
}

StrategyWindow* openStrategy(TrainerView& trainer) {
    auto* window =
        trainer.trainerWindow().findChild<StrategyWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new StrategyWindow(trainer);
    }
    window->showAndRaise();
    return window;
}
