#include "uebung/history_view.h"

#include "stats/german_numbers.h"
#include "uebung/practice_store.h"
#include "uebung/practice_texts.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

const QString allFigures = QStringLiteral("alle Figuren");

QValueAxis* axis(const QString& title, double max, const char* format) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setRange(0, max);
    a->setLabelFormat(QString::fromLatin1(format));
    return a;
}

QString when(const PracticeRecord& r) {
    return QLocale(QLocale::German, QLocale::Germany)
        .toString(r.started, QStringLiteral("dd.MM.yyyy HH:mm"));
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

    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    auto* hitRate = new QLineSeries;
    hitRate->setName(QStringLiteral("Trefferquote (%)"));
    auto* reaction = new QLineSeries;
    reaction->setName(QStringLiteral("Reaktionszeit, Median (s)"));
    double slowest = 1;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const auto& r = shown_[i];
        const double x = static_cast<double>(i + 1);
        hitRate->append(x, r.hitRate() * 100);
        if (r.medianReactionMs) {
            const double s = static_cast<double>(*r.medianReactionMs) / 1000.0;
            reaction->append(x, s);
            slowest = std::max(slowest, s);
        }
    }
    hitRate->setPointsVisible(true);
    reaction->setPointsVisible(true);
    chart->addSeries(hitRate);
    chart->addSeries(reaction);
    auto* practices = axis(QStringLiteral("Übung"),
                           std::max<double>(2, static_cast<double>(shown_.size())), "%.0f");
    practices->setMin(1);
    practices->setTickType(QValueAxis::TicksDynamic);
    practices->setTickInterval(std::max(1.0, std::ceil(static_cast<double>(shown_.size()) / 10)));
    auto* rate = axis(QStringLiteral("Trefferquote (%)"), 100, "%.0f");
    auto* seconds = axis(QStringLiteral("Reaktionszeit (s)"), std::ceil(slowest), "%.1f");
    chart->addAxis(practices, Qt::AlignBottom);
    chart->addAxis(rate, Qt::AlignLeft);
    chart->addAxis(seconds, Qt::AlignRight);
    hitRate->attachAxis(practices);
    hitRate->attachAxis(rate);
    reaction->attachAxis(practices);
    reaction->attachAxis(seconds);
    chart->legend()->setAlignment(Qt::AlignBottom);
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
