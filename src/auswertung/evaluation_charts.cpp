#include "auswertung/evaluation_charts.h"

#include "auswertung/chart_data.h"
#include "stats/german_numbers.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// A chart with a few thousand points still draws in a blink.
constexpr std::size_t mostPoints = 2000;
constexpr double band = 2.0;

QChartView* chartView(const char* name, const QString& accessibleName, const QString& description,
                      QWidget* parent) {
    auto* view = new QChartView(new QChart(), parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(accessibleName);
    view->setAccessibleDescription(description);
    view->setFocusPolicy(Qt::StrongFocus);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->chart()->layout()->setContentsMargins(0, 0, 0, 0);
    view->setMinimumSize(320, 240);
    view->chart()->setLocalizeNumbers(true);
    view->chart()->setLocale(QLocale(QLocale::German, QLocale::Germany));
    return view;
}

QChart* cleared(QChartView* view, const QString& title) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(title);
    return chart;
}

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

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// Noon of the day in milliseconds since 1970 (UTC), worked out directly: the
// time-zone rules QDateTime consults take a moment per date, which a hundred
// thousand files add up to seconds.
double noonMs(const QDate& date) {
    constexpr qint64 dayMs = 24LL * 3600 * 1000;
    const qint64 days = date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    return static_cast<double>(days * dayMs + dayMs / 2);
}

} // namespace

EvaluationCharts::EvaluationCharts(QWidget* parent)
    : QWidget(parent),
      zView_(chartView("zDiagramm", QStringLiteral("z-Werte je Datei"),
                       QStringLiteral("Der z-Wert jeder Datei in der Reihenfolge der Tabelle, "
                                      "mit dem Band von minus 2 bis plus 2."),
                       this)),
      deviationView_(chartView("abweichungDiagramm", QStringLiteral("Abweichung über die Zeit"),
                               QStringLiteral("Gefunden minus erwartet, über die Dateien in der "
                                              "Reihenfolge ihrer Daten aufsummiert."),
                               this)) {
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
    QChart* chart = cleared(zView_, QStringLiteral("z-Wert je Datei (Reihenfolge der Tabelle)"));
    std::vector<QPointF> points;
    double highest = band;
    for (std::size_t i = 0; i < inTableOrder.size(); ++i) {
        const double z = inTableOrder[i]->z;
        if (std::isfinite(z)) {
            points.emplace_back(static_cast<double>(i + 1), z);
            highest = std::max(highest, std::abs(z));
        }
    }
    auto* x = new QValueAxis();
    x->setTitleText(QStringLiteral("Datei"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, std::max<double>(1, static_cast<double>(inTableOrder.size()) + 1));
    auto* y = new QValueAxis();
    y->setTitleText(QStringLiteral("z-Wert"));
    y->setRange(-std::ceil(highest + 0.5), std::ceil(highest + 0.5));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const double last = x->max();
    attach(chart, bandLine(band, last, QStringLiteral("±2")), x, y);
    attach(chart, bandLine(-band, last, QString()), x, y);
    chart->legend()->markers(chart->series().back()).front()->setVisible(false);
    auto* files = new QScatterSeries();
    files->setName(QStringLiteral("z-Wert"));
    files->setMarkerSize(7);
    for (const QPointF& point : thinned(points, mostPoints)) {
        files->append(point);
    }
    attach(chart, files, x, y);
}

void EvaluationCharts::showDeviation(
    const std::vector<const sorvik1::FileEvaluation*>& inTableOrder) {
    const DatedDeviation dated = cumulativeDeviation(inTableOrder);
    QString title = QStringLiteral("Gefunden minus erwartet, aufsummiert nach Datum");
    if (dated.undated > 0) {
        title += QStringLiteral(" (%1 Dateien ohne lesbares Datum fehlen)")
                     .arg(germannumbers::whole(dated.undated));
    }
    QChart* chart = cleared(deviationView_, title);
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
    attach(chart, line, x, y);
    const double room = std::max(1.0, (high - low) * 0.05);
    y->setRange(low - room, high + room);
    const qint64 day = 24LL * 3600 * 1000;
    x->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(points.front().x()) - day),
                QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(points.back().x()) + day));
}
