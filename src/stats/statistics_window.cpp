#include "stats/statistics_window.h"

#include "app/form1.h"
#include "auswertung/open_evaluation.h"
#include "core/figure_text.h"
#include "core/run_statistics.h"
#include "stats/german_numbers.h"
#include "stats/placement.h"
#include "stats/statistics_view.h"

#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int refreshMilliseconds = 250;

const QString pending = QStringLiteral("wird berechnet …");
// For a figure whose exact figures would take too long to work out.
const QString unknown = QStringLiteral("nicht genau berechenbar");

QString exactOr(const std::optional<double>& value, QString (*text)(double)) {
    return value ? text(*value) : unknown;
}

} // namespace

StatisticsWindow::StatisticsWindow(Form1& trainer)
    : QDialog(&trainer, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      trainer_(trainer), view_(new StatisticsView(this)) {
    setObjectName(QStringLiteral("statistik"));
    setWindowTitle(QStringLiteral("Statistik – Sorvik1"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(view_);
    auto* evaluate = new QPushButton(QStringLiteral("Permanenzen &auswerten …"), this);
    evaluate->setObjectName(QStringLiteral("auswerten"));
    evaluate->setAutoDefault(false);
    connect(evaluate, &QPushButton::clicked, this, [this] { openEvaluation(trainer_); });
    layout->addWidget(evaluate, 0, Qt::AlignRight);
    timer_.setInterval(refreshMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &StatisticsWindow::refresh);
    connect(&job_, &FirstOccurrenceJob::ready, this, &StatisticsWindow::showFirstOccurrence);
}

void StatisticsWindow::showBeside() {
    if (!isVisible()) {
        // Its size is final only once the style has seen every child.
        ensurePolished();
        adjustSize();
        move(besideWindow(trainer_.frameGeometry(), size() + frameMargins(),
                          trainer_.screen()->availableGeometry()));
    }
    show();
    raise();
    activateWindow();
}

// The window system adds the frame only when the window is first shown;
// until then it is taken to be as thick as the trainer's.
QSize StatisticsWindow::frameMargins() const {
    const QSize own = frameGeometry().size() - size();
    return own.isNull() ? trainer_.frameGeometry().size() - trainer_.size() : own;
}

void StatisticsWindow::refresh() {
    const RunSnapshot snapshot = snapshotOf(trainer_);
    if (snapshot == shown_) {
        return;
    }
    shown_ = snapshot;
    view_->showFigure(!snapshot.figure.empty());
    if (!snapshot.figure.empty()) {
        showCount(snapshot);
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
    timer_.stop();
    QDialog::hideEvent(event);
}
