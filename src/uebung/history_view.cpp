#include "uebung/history_view.h"

#include "uebung/practice_store.h"
#include "uebung/practice_texts.h"
#include "ui/german_numbers.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QString allFigures = QStringLiteral("alle Figuren");

// A step of 1, 2 or 5 times a power of ten that cuts `span` into at most
// `steps` pieces, so that an axis reads round numbers.
double roundStep(double span, int steps) {
    const double raw = std::max(span, 1e-9) / steps;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

// Ticks at the multiples of `step` from `low` to `high`, the range padded on
// both sides so that no point sits on the plot's border.
QValueAxis* axis(const QString& title, double low, double high, double step, double pad) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setRange(low - pad, high + pad);
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(0);
    a->setTickInterval(step);
    a->setLabelFormat(step >= 1     ? QStringLiteral("%.0f")
                      : step >= 0.1 ? QStringLiteral("%.1f")
                                    : QStringLiteral("%.2f"));
    return a;
}

QString when(const PracticeRecord& r) {
    return germannumbers::locale().toString(r.started, QStringLiteral("dd.MM.yyyy HH:mm"));
}

// Hit rate and median reaction of each practice, numbered in the order shown;
// each figure's practices form lines of their own, in a colour of their own.
QChart* historyChart(const std::vector<PracticeRecord>& shown) {
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(germannumbers::locale());
    chart->legend()->setAlignment(Qt::AlignBottom);
    struct Lines {
        QString figure;
        QLineSeries* hitRate;
        QLineSeries* reaction;
    };
    std::vector<Lines> figures;
    double slowest = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto& r = shown[i];
        auto lines = std::find_if(figures.begin(), figures.end(),
                                  [&](const Lines& l) { return l.figure == r.figure; });
        if (lines == figures.end()) {
            figures.push_back({r.figure, new QLineSeries, new QLineSeries});
            lines = figures.end() - 1;
        }
        const double x = static_cast<double>(i + 1);
        lines->hitRate->append(x, r.hitRate() * 100);
        if (r.medianReactionMs) {
            const double s = static_cast<double>(*r.medianReactionMs) / 1000.0;
            lines->reaction->append(x, s);
            slowest = std::max(slowest, s);
        }
    }
    const double last = static_cast<double>(std::max<std::size_t>(shown.size(), 1));
    auto* practices =
        axis(QStringLiteral("Übung"), 1, last, std::max(1.0, roundStep(last - 1, 10)), 0.5);
    auto* rate = axis(QStringLiteral("Trefferquote in % (Linie mit Punkten)"), 0, 100, 20, 5);
    const double longest = std::max(slowest, 1.0);
    const double step = roundStep(longest, 5);
    auto* seconds = axis(QStringLiteral("Reaktionszeit, Median, in s (gestrichelt)"), 0,
                         std::ceil(longest / step) * step, step, step / 4);
    seconds->setGridLineVisible(false);
    chart->addAxis(practices, Qt::AlignBottom);
    chart->addAxis(rate, Qt::AlignLeft);
    chart->addAxis(seconds, Qt::AlignRight);
    for (const Lines& lines : figures) {
        lines.hitRate->setName(lines.figure);
        lines.hitRate->setPointsVisible(true);
        chart->addSeries(lines.hitRate);
        lines.hitRate->attachAxis(practices);
        lines.hitRate->attachAxis(rate);
        chart->addSeries(lines.reaction);
        QPen dashed = lines.reaction->pen();
        dashed.setColor(lines.hitRate->color());
        dashed.setStyle(Qt::DashLine);
        lines.reaction->setPen(dashed);
        lines.reaction->setPointsVisible(true);
        lines.reaction->attachAxis(practices);
        lines.reaction->attachAxis(seconds);
        for (QLegendMarker* marker : chart->legend()->markers(lines.reaction)) {
            marker->setVisible(false);
        }
    }
    return chart;
}

} // namespace

HistoryView::HistoryView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* filterRow = new QHBoxLayout;
    figureFilter = new QComboBox(this);
    figureFilter->setAccessibleName(QStringLiteral("Figur"));
    figureFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* filterLabel = new QLabel(QStringLiteral("&Figur:"), this);
    filterLabel->setBuddy(figureFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(figureFilter);
    filterRow->addStretch();
    layout->addLayout(filterRow);
    chartView = new QChartView(this);
    chartView->setAccessibleName(QStringLiteral("Trefferquote und Reaktionszeit je Übung"));
    chartView->setMinimumSize(480, 260);
    chartView->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(chartView, 1);
    best = new QLabel(this);
    best->setWordWrap(true);
    best->setAccessibleName(QStringLiteral("Beste Ergebnisse"));
    best->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(best);
    clearButton = new QPushButton(QStringLiteral("Verlauf &löschen"), this);
    clearButton->setAutoDefault(false);
    clearButton->setAccessibleDescription(
        QStringLiteral("Löscht alle gespeicherten Übungen, nach Rückfrage."));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(clearButton);
    layout->addLayout(buttonRow);
    connect(figureFilter, &QComboBox::currentIndexChanged, this, &HistoryView::showFiltered);
    connect(clearButton, &QPushButton::clicked, this, &HistoryView::clearHistory);
    setStore(nullptr, {});
}

void HistoryView::setStore(PracticeStore* store, const QString& problem) {
    store_ = store && store->usable() ? store : nullptr;
    reload();
    if (!problem.isEmpty()) {
        best->setText(problem);
    }
}

void HistoryView::reload() {
    all_ = store_ ? store_->list() : std::vector<PracticeRecord>{};
    const QString current = figureFilter->currentText();
    QStringList figures;
    for (const auto& r : all_) {
        figures << r.figure;
    }
    figures.removeDuplicates();
    figures.sort();
    const QSignalBlocker quiet(figureFilter);
    figureFilter->clear();
    figureFilter->addItem(allFigures);
    figureFilter->addItems(figures);
    figureFilter->setCurrentIndex(std::max(0, figureFilter->findText(current)));
    clearButton->setEnabled(!all_.empty());
    showFiltered();
}

void HistoryView::showFiltered() {
    const QString figure =
        figureFilter->currentIndex() > 0 ? figureFilter->currentText() : QString();
    shown_.clear();
    std::copy_if(all_.begin(), all_.end(), std::back_inserter(shown_),
                 [&](const PracticeRecord& r) { return figure.isEmpty() || r.figure == figure; });

    QChart* chart = historyChart(shown_);
    QChart* old = chartView->chart();
    chartView->setChart(chart);
    delete old;
    chartView->setAccessibleDescription(
        QStringLiteral("%1 Übungen")
            .arg(germannumbers::whole(static_cast<std::int64_t>(shown_.size()))));

    if (shown_.empty()) {
        best->setText(QStringLiteral("Noch keine Übung gespeichert."));
        return;
    }
    const auto bestRate =
        std::max_element(shown_.begin(), shown_.end(),
                         [](const auto& a, const auto& b) { return a.hitRate() < b.hitRate(); });
    const auto bestUnits =
        std::max_element(shown_.begin(), shown_.end(),
                         [](const auto& a, const auto& b) { return a.units < b.units; });
    QStringList lines;
    lines << QStringLiteral("Beste Trefferquote: %1 (%2, %3)")
                 .arg(practicetext::percent(bestRate->hitRate()), bestRate->figure,
                      when(*bestRate));
    std::optional<PracticeRecord> fastest;
    for (const auto& r : shown_) {
        if (r.medianReactionMs && (!fastest || *r.medianReactionMs < *fastest->medianReactionMs)) {
            fastest = r;
        }
    }
    if (fastest) {
        lines << QStringLiteral("Schnellste Reaktion (Median): %1 (%2, %3)")
                     .arg(practicetext::seconds(*fastest->medianReactionMs), fastest->figure,
                          when(*fastest));
    }
    lines << QStringLiteral("Bestes Ergebnis: %1 (%2, %3)")
                 .arg(practicetext::units(bestUnits->units), bestUnits->figure, when(*bestUnits));
    best->setText(lines.join(QLatin1Char('\n')));
}

void HistoryView::clearHistory() {
    if (!store_ || (confirmClear_ && !confirmClear_())) {
        return;
    }
    if (!store_->clear() && clearFailed_) {
        clearFailed_(store_->writeProblem());
    }
    reload();
}
