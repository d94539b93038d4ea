#include "uebung/practice_window.h"

#include "core/wheel/figure_text.h"
#include "core/wheel/roulette_number.h"
#include "uebung/history_view.h"
#include "uebung/practice_texts.h"
#include "uebung/spin_strip.h"
#include "ui/chance_choice.h"
#include "ui/german_numbers.h"
#include "ui/message_box.h"
#include "ui/placement.h"
#include "ui/trainer_view.h"

#include <QApplication>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

const QString title = QStringLiteral("Übung – Sorvik1");

// Assistive tools read what the label shows as its name, so no name of its
// own hides the text.
QLabel* wrappingLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Takes the width the layout gives and wraps in it.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

// The caption above a value; assistive tools find it through the buddy, as
// the label of the value.
QLabel* captionOf(QLabel* value, const QString& text, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setBuddy(value);
    caption->setForegroundRole(QPalette::PlaceholderText);
    return caption;
}

QPushButton* plainButton(const QString& text, const QString& description, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter belongs to the practice, never to a default button.
    button->setAutoDefault(false);
    button->setAccessibleDescription(description);
    return button;
}

} // namespace

PracticeWindow::PracticeWindow(TrainerView& trainer)
    : QDialog(&trainer.trainerWindow(), Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      trainer_(trainer), messageBox_(std::make_unique<QtMessageBox>()),
      databasePath_(PracticeStore::defaultPath()) {
    setObjectName(QStringLiteral("uebung"));
    setWindowTitle(title);
    tabs = new QTabWidget(this);
    tabs->addTab(buildPractice(), QStringLiteral("&Üben"));
    history = new HistoryView(this);
    history->setConfirmClear([this] {
        return message(QStringLiteral("Den ganzen Verlauf aller Übungen löschen? Das lässt sich "
                                      "nicht rückgängig machen."),
                       msgstyle::yesNoAsk) == answer::yes;
    });
    history->setClearFailed([this](PracticeStore::Problem problem) {
        message(causeText(problem, databasePath_) +
                    QStringLiteral(" Der Verlauf wurde nicht gelöscht."),
                msgstyle::critical);
    });
    tabs->addTab(history, QStringLiteral("&Verlauf"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    loadSettings();
    showTempoChoice();
    qApp->installEventFilter(this);
}

// A practice under way when the trainer closes is kept like one ended.
PracticeWindow::~PracticeWindow() {
    endPractice();
    saveBeforeEnd();
}

void PracticeWindow::setMessageBox(std::unique_ptr<MessageBox> box) {
    messageBox_ = std::move(box);
}

void PracticeWindow::useDatabase(const QString& path) {
    databasePath_ = path;
    history->setStore(nullptr, {});
    store_.reset();
    if (isVisible()) {
        openStore();
    }
}

QGroupBox* PracticeWindow::buildSettings() {
    auto* group = new QGroupBox(QStringLiteral("Einstellungen"));
    auto* form = new QFormLayout(group);
    source = new QComboBox(group);
    source->addItems({QStringLiteral("Zufallswürfen"), QStringLiteral("geladener Permanenz")});
    form->addRow(QStringLiteral("Wü&rfe aus:"), source);
    tempo = new QComboBox(group);
    tempo->addItems({QStringLiteral("wie am Tisch"), QStringLiteral("schnell"),
                     QStringLiteral("auf Tastendruck")});
    tempo->setAccessibleDescription(
        QStringLiteral("Bei „auf Tastendruck“ zeigt Pfeil rechts oder Enter den nächsten Wurf."));
    form->addRow(QStringLiteral("&Tempo:"), tempo);
    secondsPerSpin = new QDoubleSpinBox(group);
    secondsPerSpin->setLocale(germannumbers::locale());
    secondsPerSpin->setRange(1, 60);
    secondsPerSpin->setSingleStep(0.5);
    secondsPerSpin->setDecimals(1);
    secondsPerSpin->setValue(4);
    secondsPerSpin->setSuffix(QStringLiteral(" s"));
    form->addRow(QStringLiteral("&Sekunden je Wurf:"), secondsPerSpin);
    spinsPerSecond = new QSpinBox(group);
    spinsPerSecond->setRange(1, fastestSpinsPerSecond);
    spinsPerSecond->setValue(10);
    form->addRow(QStringLiteral("Würfe je Se&kunde:"), spinsPerSecond);
    auto* limitRow = new QHBoxLayout;
    limitCount = new QSpinBox(group);
    limitCount->setLocale(germannumbers::locale());
    limitCount->setGroupSeparatorShown(true);
    limitCount->setRange(1, 1'000'000);
    limitCount->setValue(200);
    limitCount->setAccessibleName(QStringLiteral("Ende nach"));
    limitKind = new QComboBox(group);
    limitKind->addItems({QStringLiteral("Würfen"), QStringLiteral("Signalen")});
    limitKind->setAccessibleName(QStringLiteral("Ende nach Würfen oder Signalen"));
    limitRow->addWidget(limitCount);
    limitRow->addWidget(limitKind);
    auto* limitLabel = new QLabel(QStringLiteral("&Ende nach:"), group);
    limitLabel->setBuddy(limitCount);
    form->addRow(limitLabel, limitRow);
    halfOnZero = new QCheckBox(QStringLiteral("Teilung bei &Null"), group);
    halfOnZero->setAccessibleDescription(
        QStringLiteral("Eine Zero kostet nur den halben Einsatz."));
    form->addRow(halfOnZero);
    chance = chanceChoice(group);
    form->addRow(QStringLiteral("&Chance:"), chance);
    connect(chance, &QComboBox::currentIndexChanged, this, [this] {
        keyHelp->setText(keyHelpText());
        showTrainerState();
    });
    connect(tempo, &QComboBox::currentIndexChanged, this, &PracticeWindow::showTempoChoice);
    return group;
}

QWidget* PracticeWindow::buildPractice() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    figureLabel = wrappingLabel(page);
    figureLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    layout->addWidget(figureLabel);
    settingsGroup_ = buildSettings();
    layout->addWidget(settingsGroup_);

    auto* buttons = new QHBoxLayout;
    startButton = plainButton(QStringLiteral("&Start"),
                              QStringLiteral("Beginnt eine Übung mit der aktiven Figur."), page);
    pauseButton =
        plainButton(QStringLiteral("&Pause"), QStringLiteral("Hält die Übung an (Taste P)."), page);
    endButton = plainButton(QStringLiteral("&Beenden"),
                            QStringLiteral("Beendet die Übung und zeigt die Auswertung."), page);
    for (QPushButton* button : {startButton, pauseButton, endButton}) {
        buttons->addWidget(button);
    }
    pauseButton->setEnabled(false);
    endButton->setEnabled(false);
    layout->addLayout(buttons);

    auto* play = new QHBoxLayout;
    strip = new SpinStrip(page);
    play->addWidget(strip);
    auto* said = new QVBoxLayout;
    // The verdict keeps off the spin strip.
    said->setContentsMargins(12, 0, 0, 0);
    judgement = wrappingLabel(page);
    QFont big = judgement->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    big.setBold(true);
    judgement->setFont(big);
    judgement->setMinimumWidth(360);
    judgement->setMinimumHeight(QFontMetrics(big).lineSpacing() * 3);
    judgement->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scoreLine = wrappingLabel(page);
    keyHelp = wrappingLabel(page);
    keyHelp->setText(keyHelpText());
    said->addWidget(captionOf(judgement, QStringLiteral("Urteil"), page));
    said->addWidget(judgement);
    said->addWidget(captionOf(scoreLine, QStringLiteral("Stand"), page));
    said->addWidget(scoreLine);
    said->addStretch();
    said->addWidget(keyHelp);
    play->addLayout(said, 1);
    layout->addLayout(play);
    summary = wrappingLabel(page);
    summary->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // The sum keeps off the spin strip above it and the page's edge.
    summary->setContentsMargins(8, 12, 8, 0);
    summary->hide();
    layout->addWidget(summary);
    auto* unsavedRow = new QHBoxLayout;
    storeNote = wrappingLabel(page);
    storeNote->hide();
    saveAgainButton = plainButton(QStringLiteral("Erneut s&peichern"),
                                  QStringLiteral("Speichert die noch nicht gespeicherten Übungen "
                                                 "im Verlauf."),
                                  page);
    saveAgainButton->hide();
    unsavedRow->addWidget(storeNote, 1);
    unsavedRow->addWidget(saveAgainButton);
    layout->addLayout(unsavedRow);

    connect(startButton, &QPushButton::clicked, this, &PracticeWindow::startPractice);
    connect(endButton, &QPushButton::clicked, this, &PracticeWindow::endPractice);
    connect(saveAgainButton, &QPushButton::clicked, this, &PracticeWindow::saveUnsaved);
    connect(pauseButton, &QPushButton::clicked, this, [this] {
        if (session_) {
            session_->togglePause();
        }
    });
    return page;
}

void PracticeWindow::showTempoChoice() {
    secondsPerSpin->setEnabled(tempo->currentIndex() == 0);
    spinsPerSecond->setEnabled(tempo->currentIndex() == 1);
}

void PracticeWindow::showBeside() {
    if (!isVisible()) {
        ensurePolished();
        adjustSize();
        const QWidget& trainer = trainer_.trainerWindow();
        const QSize frame = trainer.frameGeometry().size() - trainer.size();
        move(besideWindow(trainer.frameGeometry(), size() + frame,
                          trainer.screen()->availableGeometry()));
    }
    show();
    raise();
    activateWindow();
}

void PracticeWindow::showTrainerState() {
    if (session_ && session_->running()) {
        return;
    }
    const auto figure = trainer_.activeFigure();
    figureLabel->setText(
        figure.empty()
            ? QStringLiteral("Keine Figur aktiv – zeichnen Sie im Trainer eine Figur und "
                             "übernehmen Sie sie, dann kann die Übung beginnen.")
            : QStringLiteral("Figur: %1 auf %2")
                  .arg(QString::fromStdString(sorvik1::figureText(figure, chosenChance())),
                       QString::fromUtf8(sorvik1::chanceName(chosenChance()))));
    const HeldSpins held = trainer_.heldSpins();
    const std::int64_t spins = held.count();
    const bool loaded = held.source == HeldSpins::Source::Permanence && spins > 0;
    auto* model = qobject_cast<QStandardItemModel*>(source->model());
    model->item(1)->setEnabled(loaded);
    source->setItemText(
        1, loaded
               ? QStringLiteral("geladener Permanenz (%1 Würfe)").arg(germannumbers::whole(spins))
               : QStringLiteral("geladener Permanenz (keine geladen)"));
    if (!loaded) {
        source->setCurrentIndex(0);
    }
}

sorvik1::Chance PracticeWindow::chosenChance() const {
    return chosenChanceOf(chance);
}

QString PracticeWindow::keyHelpText() const {
    const sorvik1::Chance chosen = chosenChance();
    const auto letters = sorvik1::sideLetters(chosen);
    const auto name = [&](sorvik1::Farbcode side) {
        return QString::fromUtf8(sorvik1::sideName(chosen, side));
    };
    return QStringLiteral("Wenn die Figur bis auf ihre letzte Stelle komplett ist: %1 setzt auf "
                          "%2, %3 auf %4, die Leertaste auf die %5 der Figur. Sonst den Wurf "
                          "vorbeigehen lassen.\nP hält an. Bei „auf Tastendruck“ zeigen Pfeil "
                          "rechts oder Enter den nächsten Wurf.")
        .arg(QChar::fromLatin1(letters[0]).toUpper(), name(sorvik1::red),
             QChar::fromLatin1(letters[1]).toUpper(), name(sorvik1::black),
             chosen == sorvik1::Chance::RotSchwarz ? QStringLiteral("Farbe")
                                                   : QStringLiteral("Seite"));
}

void PracticeWindow::startPractice() {
    if (session_ && session_->running()) {
        return;
    }
    showTrainerState();
    retryLockedStore(PracticeStore::shortBusyMs);
    PracticeSettings settings;
    settings.figure = trainer_.activeFigure();
    if (settings.figure.empty()) {
        message(QStringLiteral("Es ist keine Figur aktiv. Zeichnen Sie im Trainer eine Figur und "
                               "übernehmen Sie sie, dann kann die Übung beginnen."),
                msgstyle::information);
        return;
    }
    settings.chance = chosenChance();
    settings.figureName =
        QString::fromStdString(sorvik1::figureText(settings.figure, settings.chance));
    settings.tempo = static_cast<PracticeSettings::Tempo>(tempo->currentIndex());
    settings.secondsPerSpin = secondsPerSpin->value();
    settings.spinsPerSecond = spinsPerSecond->value();
    settings.limit = static_cast<PracticeSettings::Limit>(limitKind->currentIndex());
    settings.limitCount = limitCount->value();
    settings.halfOnZero = halfOnZero->isChecked();
    if (source->currentIndex() == 1) {
        const HeldSpins held = trainer_.heldSpins();
        if (held.count() > 0) {
            settings.permanence.assign(held.numbers.begin() + 1, held.numbers.end());
        }
    }
    const auto seed = trainer_.seed();
    settings.seed = seed ? *seed : sorvik1::seedFromClock();
    settings.stream = practices_++;

    delete session_;
    session_ = new PracticeSession(std::move(settings), trainer_.clock(), this);
    connect(session_, &PracticeSession::spinShown, this, &PracticeWindow::spinShown);
    connect(session_, &PracticeSession::called, this,
            [this](sorvik1::Verdict verdict, sorvik1::Farbcode colour, std::int64_t reactionMs) {
                judgement->setText(practicetext::called(verdict, colour,
                                                        session_->judge().figureColour(),
                                                        reactionMs, session_->settings().chance));
            });
    connect(session_, &PracticeSession::pausedChanged, this, [this](bool paused) {
        pauseButton->setText(paused ? QStringLiteral("&Weiter") : QStringLiteral("&Pause"));
        judgement->setText(paused ? QStringLiteral("Pause – P oder „Weiter“ setzt fort.")
                                  : QString());
    });
    connect(session_, &PracticeSession::finished, this, &PracticeWindow::finished);

    figureLabel->setText(
        QStringLiteral("Figur dieser Übung: %1").arg(session_->settings().figureName));
    strip->clear();
    strip->setChance(session_->settings().chance);
    judgement->clear();
    summary->hide();
    settingsGroup_->setEnabled(false);
    startButton->setEnabled(false);
    pauseButton->setEnabled(session_->settings().tempo != PracticeSettings::Tempo::OnKey);
    pauseButton->setText(QStringLiteral("&Pause"));
    endButton->setEnabled(true);
    endButton->setFocus();
    session_->start();
}

void PracticeWindow::endPractice() {
    if (session_) {
        session_->stop();
    }
}

void PracticeWindow::spinShown(int number, const std::optional<sorvik1::Settled>& settled) {
    strip->add(number);
    judgement->setText(settled ? practicetext::settled(*settled, session_->judge().figureColour(),
                                                       session_->settings().chance)
                               : QString());
    scoreLine->setText(practicetext::scoreLine(session_->judge().score()));
}

void PracticeWindow::finished(PracticeEnd why) {
    const auto& score = session_->judge().score();
    summary->setText(practicetext::summary(score, why));
    summary->show();
    growToShowWrappedText();
    settingsGroup_->setEnabled(true);
    startButton->setEnabled(true);
    pauseButton->setEnabled(false);
    pauseButton->setText(QStringLiteral("&Pause"));
    endButton->setEnabled(false);
    startButton->setFocus();
    if (score.spins > 0) {
        PracticeRecord record = recordOf(score, session_->spins());
        record.started = session_->started();
        record.figure = session_->settings().figureName;
        record.tempo = tempo->itemText(static_cast<int>(session_->settings().tempo));
        record.fromPermanence = !session_->settings().permanence.empty();
        keep(std::move(record));
    }
}

// A window does not grow by itself for text that wraps onto more lines than
// its minimum size foresaw; without this the summary would slide under the
// spin strip.
void PracticeWindow::growToShowWrappedText() {
    layout()->activate();
    if (layout()->hasHeightForWidth()) {
        const int needed = layout()->totalHeightForWidth(width());
        if (needed > height()) {
            resize(width(), needed);
        }
    }
}

void PracticeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showTrainerState();
    if (!store_) {
        openStore();
    }
}

void PracticeWindow::hideEvent(QHideEvent* event) {
    endPractice();
    saveSettings();
    QDialog::hideEvent(event);
}

void PracticeWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showTrainerState();
    }
}

int PracticeWindow::message(const QString& prompt, int style) {
    return messageBox_->show(this, prompt, style, title);
}

void openPractice(TrainerView& trainer) {
    auto* window = trainer.trainerWindow().findChild<PracticeWindow*>();
    if (!window) {
        window = new PracticeWindow(trainer);
    }
    window->showBeside();
}
