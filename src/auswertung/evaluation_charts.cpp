#include "auswertung/evaluation_charts.h"

#include "auswertung/chart_data.h"
#include "ui/german_numbers.h"
#include "ui/window_parts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// A chart with a few thousand points still draws in a blink.
constexpr std::size_t mostPoints = 2000;
constexpr double band = 2.0;
// Up to this many files each has its name on the axis; more would overlap.
constexpr std::size_t mostNames = 30;
// The date axis keeps its labels apart with this many ticks at most.
constexpr qint64 mostDateTicks = 6;

QLineSeries* bandLine(double z, double last, const QString& name) {
    auto* line = new QLineSeries();
    line->setName(name);
    line->append(0, z);
    line->append(last, z);
    QPen pen(Qt::gray);
    pen.setStyle(Qt::DashLine);
    line->setPen(pen);
    return line;
}

// A range on round numbers, with labels that show no more decimals than the
// steps between the ticks have.
void roundRange(QValueAxis* axis, double low, double high) {
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    const double step = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

// An axis that names each file at its point. The axis needs a label of its
// own for each file; the same name from two folders is told apart by
// invisible zero-width spaces.
QCategoryAxis* fileNameAxis(const QStringList& names) {
    auto* axis = new QCategoryAxis();
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setLabelsAngle(-60);
    axis->setRange(0, static_cast<double>(names.size()) + 1);
    QStringList given;
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString label = names[i];
        while (given.contains(label)) {
            label += QChar(0x200B);
        }
        given << label;
        axis->append(label, static_cast<double>(i + 1));
    }
    return axis;
}

// Noon of the day in milliseconds since 1970 (UTC), worked out directly: the
// time-zone rules QDateTime consults take a moment per date, which a hundred
// thousand files add up to seconds.
double noonMs(const QDate& date) {
    constexpr qint64 dayMs = 24LL * 3600 * 1000;
    const qint64 days = date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    return static_cast<double>(days * dayMs + dayMs / 2);
}

// A day of room either side of the dates, and ticks a whole number of days
// apart, so that no label repeats a date or falls between two.
void wholeDays(QDateTimeAxis* axis, const QDate& first, const QDate& last) {
    const QDate start = first.addDays(-1);
    const qint64 span = start.daysTo(last) + 1;
    const qint64 step = std::max<qint64>(1, (span + mostDateTicks - 2) / (mostDateTicks - 1));
    const qint64 ticks = (span + step - 1) / step;
    axis->setRange(
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(noonMs(start))),
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(noonMs(start.addDays(ticks * step)))));
    axis->setTickCount(static_cast<int>(ticks) + 1);
}

} // namespace

EvaluationCharts::EvaluationCharts(QWidget* parent)
    : QWidget(parent),
      zView_(chartView("zDiagramm", QStringLiteral("z-Werte je Datei"),
                       QStringLiteral("Der z-Wert jeder Datei in der Reihenfolge der Tabelle, "
                                      "mit dem Band von minus 2 bis plus 2."),
                       240, this)),
      deviationView_(chartView("abweichungDiagramm", QStringLiteral("Abweichung über die Zeit"),
                               QStringLiteral("Gefunden minus erwartet, über die Dateien in der "
                                              "Reihenfolge ihrer Daten aufsummiert."),
                               240, this)) {
    // Side by side: the window is wider than it is high.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(zView_);
    layout->addWidget(deviationView_);
    showFiles({});
}

void EvaluationCharts::showFiles(const std::vector<const sorvik1::FileEvaluation*>& inTableOrder) {
    showZ(inTableOrder);
    showDeviation(inTableOrder);
}

void EvaluationCharts::showZ(const std::vector<const sorvik1::FileEvaluation*>& inTableOrder) {
    QChart* chart =
        clearedChart(zView_, QStringLiteral("z-Wert je Datei (Reihenfolge der Tabelle)"));
    std::vector<QPointF> points;
    QStringList paths;
    QStringList names;
    QList<double> zs;
    double highest = band;
    for (std::size_t i = 0; i < inTableOrder.size(); ++i) {
        paths << QString::fromStdString(inTableOrder[i]->path);
        names << QFileInfo(paths.back()).fileName();
        const double z = inTableOrder[i]->z;
        zs << z;
        if (std::isfinite(z)) {
            points.emplace_back(static_cast<double>(i + 1), z);
            highest = std::max(highest, std::abs(z));
        }
    }
    QAbstractAxis* x = nullptr;
    if (names.size() <= static_cast<qsizetype>(mostNames)) {
        x = fileNameAxis(names);
    } else {
        auto* numbered = new QValueAxis();
        roundRange(numbered, 0, static_cast<double>(names.size()) + 1);
        x = numbered;
    }
    x->setTitleText(QStringLiteral("Datei"));
    auto* y = new QValueAxis();
    y->setTitleText(QStringLiteral("z-Wert"));
    roundRange(y, -std::ceil(highest + 0.5), std::ceil(highest + 0.5));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const double last = static_cast<double>(names.size()) + 1;
    attachSeries(chart, bandLine(band, last, QStringLiteral("±2")), x, y);
    attachSeries(chart, bandLine(-band, last, QString()), x, y);
    chart->legend()->markers(chart->series().back()).front()->setVisible(false);
    auto* files = new QScatterSeries();
    files->setName(QStringLiteral("z-Wert"));
    files->setMarkerSize(7);
    for (const QPointF& point : thinned(points, mostPoints)) {
        files->append(point);
    }
    attachSeries(chart, files, x, y);
    // Each point names its file when the pointer rests on it.
    connect(files, &QScatterSeries::hovered, files, [paths, zs](QPointF point, bool on) {
        const qsizetype at = std::llround(point.x()) - 1;
        if (!on || at < 0 || at >= paths.size()) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(
            QCursor::pos(),
            QStringLiteral("%1\nz-Wert %2").arg(paths[at], germannumbers::decimal(zs[at], 2)));
    });
}

void EvaluationCharts::showDeviation(
    const std::vector<const sorvik1::FileEvaluation*>& inTableOrder) {
    const DatedDeviation dated = cumulativeDeviation(inTableOrder);
    QString title = QStringLiteral("Gefunden minus erwartet, aufsummiert nach Datum");
    if (dated.undated > 0) {
        title += QStringLiteral(" (%1 Dateien ohne lesbares Datum fehlen)")
                     .arg(germannumbers::whole(dated.undated));
    }
    QChart* chart = clearedChart(deviationView_, title);
    if (dated.points.empty()) {
        return;
    }
    std::vector<QPointF> points;
    for (const auto& [date, sum] : dated.points) {
        points.emplace_back(noonMs(date), sum);
    }
    auto* x = new QDateTimeAxis();
    x->setFormat(QStringLiteral("dd.MM.yyyy"));
    x->setTitleText(QStringLiteral("Datum"));
    wholeDays(x, dated.points.front().first, dated.points.back().first);
    auto* y = new QValueAxis();
    y->setTitleText(QStringLiteral("Gefunden − erwartet"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto* line = new QLineSeries();
    line->setName(QStringLiteral("Abweichung, aufsummiert"));
    line->setPointsVisible(dated.points.size() < 200);
    double low = 0;
    double high = 0;
    for (const QPointF& point : thinned(points, mostPoints)) {
        line->append(point);
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    attachSeries(chart, line, x, y);
    const double room = std::max(1.0, (high - low) * 0.05);
    roundRange(y, low - room, high + room);
}
