#include "stats/statistics_window.h"

#include "core/trainer/run_statistics.h"
#include "core/wheel/figure_text.h"
#include "stats/chart_input.h"
#include "stats/chart_panel.h"
#include "stats/statistics_view.h"
#include "ui/german_numbers.h"
#include "ui/placement.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace {

constexpr int refreshMilliseconds = 250;
const QString sizeKey = QStringLiteral("statistik/groesse");
const QString positionKey = QStringLiteral("statistik/position");

const QString pending = QStringLiteral("wird berechnet …");
QString exactOr(const std::optional<double>& value, QString (*text)(double)) {
    // Every figure has both values; only the empty one has none, and the
    // window shows no values for it.
    return value ? text(*value) : germannumbers::none;
}

} // namespace

StatisticsWindow::StatisticsWindow(TrainerView& trainer)
    : QDialog(&trainer.trainerWindow(), Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      trainer_(trainer), view_(new StatisticsView(this)), charts_(new ChartPanel(this)) {
    setObjectName(QStringLiteral("statistik"));
    setWindowTitle(QStringLiteral("Statistik – Sorvik1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(charts_, 1);
    auto* evaluate = new QPushButton(QStringLiteral("Permanenzen &auswerten …"), this);
    evaluate->setObjectName(QStringLiteral("auswerten"));
    evaluate->setAutoDefault(false);
    connect(evaluate, &QPushButton::clicked, this, &StatisticsWindow::evaluationWanted);
    layout->addWidget(evaluate, 0, Qt::AlignRight);
    timer_.setInterval(refreshMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &StatisticsWindow::refresh);
    connect(&job_, &FirstOccurrenceJob::ready, this, &StatisticsWindow::showFirstOccurrence);
}

StatisticsWindow::~StatisticsWindow() {
    // The trainer closes its windows without hiding them first.
    if (isVisible()) {
        rememberPlace();
    }
}

void StatisticsWindow::showBeside() {
    if (!isVisible()) {
        placeOnScreen();
    }
    show();
    raise();
    activateWindow();
}

// Where the user left the window, while that place is still on a screen;
// otherwise beside the trainer at the size its contents ask for.
void StatisticsWindow::placeOnScreen() {
    // Its size hint is final only once the style has seen every child.
    ensurePolished();
    const QSettings settings;
    const QSize saved = settings.value(sizeKey).toSize();
    const QSize frame = frameMargins();
    const QRect available = trainer_.trainerWindow().screen()->availableGeometry();
    resize(fittingSize(saved.isValid() ? saved : sizeHint(), frame, available));
    if (settings.contains(positionKey)) {
        const QRect there(settings.value(positionKey).toPoint(), size() + frame);
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(there)) {
                move(there.topLeft());
                return;
            }
        }
    }
    move(besideWindow(trainer_.trainerWindow().frameGeometry(), size() + frame, available));
}

void StatisticsWindow::rememberPlace() const {
    QSettings settings;
    settings.setValue(sizeKey, size());
    settings.setValue(positionKey, pos());
}

// The window system adds the frame only when the window is first shown;
// until then it is taken to be as thick as the trainer's.
QSize StatisticsWindow::frameMargins() const {
    const QSize own = frameGeometry().size() - size();
    const QWidget& trainer = trainer_.trainerWindow();
    return own.isNull() ? trainer.frameGeometry().size() - trainer.size() : own;
}

void StatisticsWindow::refresh() {
    const RunSnapshot snapshot = trainer_.runSnapshot();
    if (snapshot == shown_) {
        return;
    }
    shown_ = snapshot;
    view_->showFigure(!snapshot.figure.empty());
    charts_->setVisible(!snapshot.figure.empty());
    if (!snapshot.figure.empty()) {
        showCount(snapshot);
        ChartInput input = trainer_.chartInput();
        const QString title = chartTitleOf(input);
        charts_->follow(std::move(input));
        charts_->setImageTitle(title);
    }
}

void StatisticsWindow::showCount(const RunSnapshot& snapshot) {
    using namespace germannumbers;
    const auto& count = snapshot.count;
    const auto statistics = sorvik1::runStatistics(snapshot.figure, count);
    const auto& moments = statistics.moments;
    view_->setValue(StatisticsView::Figure,
                    QString::fromStdString(sorvik1::figureText(snapshot.figure)));
    view_->setValue(StatisticsView::Spins,
                    count.runSpins > 0
                        ? whole(count.shown) + QStringLiteral(" von ") + whole(count.runSpins)
                        : whole(count.shown));
    view_->setValue(StatisticsView::Found, whole(count.occurrences));
    view_->setValue(StatisticsView::Expected, decimal(moments.expected, 2));
    view_->setValue(StatisticsView::Deviation, decimal(moments.standardDeviation, 2));
    view_->setValue(StatisticsView::ZValue, decimal(statistics.zScore, 2));
    view_->setValue(StatisticsView::DistanceObserved,
                    statistics.observedDistance ? spins(*statistics.observedDistance) : none);
    view_->setValue(StatisticsView::DistanceExpected, spins(moments.meanDistance));
    job_.request(snapshot.figure, statistics.coveredSpins);
    showFirstOccurrence();
}

void StatisticsWindow::showFirstOccurrence() {
    // Once the figures for the requested spins are current, they are there
    // for the figure as well.
    const sorvik1::FirstOccurrence* known = job_.forFigure();
    view_->setValue(StatisticsView::Wait,
                    known ? exactOr(known->expectedWait, germannumbers::spins) : pending);
    view_->setValue(StatisticsView::Chance,
                    job_.current() ? exactOr(known->chanceWithin, germannumbers::chance) : pending);
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
    timer_.start();
}

void StatisticsWindow::hideEvent(QHideEvent* event) {
    rememberPlace();
    timer_.stop();
    QDialog::hideEvent(event);
}
