#include "strategie/strategy_charts.h"

#include "ui/german_numbers.h"
#include "ui/window_parts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr double band = 2.0;
// Bars of the final results: enough to show the shape, few enough to read.
constexpr int distributionBins = 40;

QValueAxis* axis(const QString& title, const char* format) {
    auto* created = new QValueAxis();
    created->setTitleText(title);
    created->setLabelFormat(QString::fromLatin1(format));
    return created;
}

} // namespace

StrategyCharts::StrategyCharts(QWidget* parent)
    : QWidget(parent),
      curveView_(chartView("kapitalverlauf", QStringLiteral("Kapitalverlauf"),
                           QStringLiteral("Das Kapital der gewählten Sitzung nach jeder Wette, "
                                          "das erwartete Kapital und das Band von zwei "
                                          "Standardabweichungen."),
                           220, this)),
      distributionView_(chartView("verteilung", QStringLiteral("Verteilung der Endergebnisse"),
                                  QStringLiteral("Wie sich die Endergebnisse der Sitzungen "
                                                 "verteilen, neben dem exakten Gesetz."),
                                  220, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(curveView_, 1);
    layout->addWidget(distributionView_, 1);
    clear();
}

void StrategyCharts::clear() {
    clearedChart(curveView_, QStringLiteral("Kapitalverlauf"));
    clearedChart(distributionView_, QStringLiteral("Endergebnisse"));
}

void StrategyCharts::showCurve(const sorvik1::CapitalCurve& curve, const QString& session) {
    QChart* chart = clearedChart(curveView_, QStringLiteral("Kapitalverlauf: %1").arg(session));
    if (curve.capital.empty()) {
        chart->setTitle(QStringLiteral("Kapitalverlauf: %1 – keine Wette").arg(session));
        return;
    }
    auto* upper = new QLineSeries();
    auto* lower = new QLineSeries();
    auto* expected = new QLineSeries();
    auto* capital = new QLineSeries();
    double low = curve.capital.front().y;
    double high = low;
    for (std::size_t i = 0; i < curve.capital.size(); ++i) {
        const auto x = static_cast<double>(curve.capital[i].x);
        const double mean = curve.expected[i].y;
        const double spread = band * curve.standardDeviation[i].y;
        capital->append(x, curve.capital[i].y);
        expected->append(x, mean);
        upper->append(x, mean + spread);
        lower->append(x, mean - spread);
        low = std::min({low, curve.capital[i].y, mean - spread});
        high = std::max({high, curve.capital[i].y, mean + spread});
    }
    auto* area = new QAreaSeries(upper, lower);
    // The area does not own its bounds; as its children they go with it
    // when the chart is cleared for the next session.
    upper->setParent(area);
    lower->setParent(area);
    area->setName(QStringLiteral("±2 Standardabweichungen"));
    area->setColor(QColor(150, 150, 220, 70));
    area->setBorderColor(QColor(150, 150, 220));
    expected->setName(QStringLiteral("erwartet"));
    expected->setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    capital->setName(QStringLiteral("Kapital"));
    capital->setPen(QPen(QColor(170, 20, 20), 2));
    auto* x = axis(QStringLiteral("Wette"), "%.0f");
    auto* y = axis(QStringLiteral("Kapital"), "%.0f");
    x->setRange(0, static_cast<double>(curve.capital.back().x));
    y->setRange(std::floor(low), std::ceil(high) + (high == low ? 1 : 0));
    x->applyNiceNumbers();
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attachSeries(chart, area, x, y);
    attachSeries(chart, expected, x, y);
    attachSeries(chart, capital, x, y);
}

void StrategyCharts::showDistribution(const std::vector<sorvik1::SessionResult>& sessions,
                                      const std::optional<sorvik1::ExactLaw>& exact,
                                      std::int64_t startCapital) {
    QChart* chart = clearedChart(distributionView_,
                                 exact ? QStringLiteral("Endergebnisse neben dem exakten Gesetz")
                                       : QStringLiteral("Endergebnisse der Sitzungen"));
    if (sessions.empty()) {
        return;
    }
    // Results in units; the exact law gives final capitals in half units.
    double low = sorvik1::inUnits(sessions.front().net);
    double high = low;
    for (const auto& s : sessions) {
        low = std::min(low, sorvik1::inUnits(s.net));
        high = std::max(high, sorvik1::inUnits(s.net));
    }
    const auto lawNet = [&](const sorvik1::FinalCapital& end) {
        return sorvik1::inUnits(end.capital) - static_cast<double>(startCapital);
    };
    if (exact) {
        for (const auto& end : exact->finalCapital) {
            if (end.chance > 0) {
                low = std::min(low, lawNet(end));
                high = std::max(high, lawNet(end));
            }
        }
    }
    const double width = std::max((high - low) / distributionBins, 0.5);
    const int bins = static_cast<int>(std::floor((high - low) / width)) + 1;
    const auto bin = [&](double net) {
        return std::clamp(static_cast<int>(std::floor((net - low) / width)), 0, bins - 1);
    };
    std::vector<double> seen(static_cast<std::size_t>(bins));
    for (const auto& s : sessions) {
        seen[static_cast<std::size_t>(bin(sorvik1::inUnits(s.net)))] +=
            1.0 / static_cast<double>(sessions.size());
    }
    auto* x = axis(QStringLiteral("Endergebnis"), "%.0f");
    auto* y = axis(QStringLiteral("Anteil"), "%.2f");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    double most = 0;
    const auto steps = [&](const std::vector<double>& shares, const QString& name,
                           const QPen& pen) {
        auto* line = new QLineSeries();
        line->setName(name);
        line->setPen(pen);
        for (int b = 0; b < bins; ++b) {
            const double share = shares[static_cast<std::size_t>(b)];
            line->append(low + b * width, share);
            line->append(low + (b + 1) * width, share);
            most = std::max(most, share);
        }
        attachSeries(chart, line, x, y);
    };
    steps(seen, QStringLiteral("Sitzungen"), QPen(QColor(170, 20, 20), 2));
    if (exact) {
        std::vector<double> law(static_cast<std::size_t>(bins));
        for (const auto& end : exact->finalCapital) {
            law[static_cast<std::size_t>(bin(lawNet(end)))] += end.chance;
        }
        steps(law, QStringLiteral("exaktes Gesetz"), QPen(Qt::darkBlue, 1, Qt::DashLine));
    }
    x->setRange(low, low + bins * width);
    y->setRange(0, most > 0 ? most * 1.05 : 1);
    x->applyNiceNumbers();
    y->applyNiceNumbers();
}
