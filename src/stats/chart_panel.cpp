#include "stats/chart_panel.h"

#include "core/laws/statistics.h"
#include "stats/chart_view.h"
#include "ui/german_numbers.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

using namespace germannumbers;

QChart* newChart() {
    auto* chart = new QChart;
    chart->setLocale(germannumbers::locale());
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

QValueAxis* newAxis(QChart* chart, const QString& title, const char* format, Qt::Alignment side) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QString::fromLatin1(format));
    chart->addAxis(axis, side);
    return axis;
}

template <typename T> T* addSeries(QChart* chart, T* series, const QString& name) {
    series->setName(name);
    chart->addSeries(series);
    for (QAbstractAxis* axis : chart->axes()) {
        series->attachAxis(axis);
    }
    return series;
}

QLineSeries* newLine(QChart* chart, const QString& name, const QPen& pen) {
    auto* series = new QLineSeries;
    series->setPen(pen);
    return addSeries(chart, series, name);
}

// A second line of a pair shares the first one's legend entry.
void hideFromLegend(QChart* chart, QLineSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) {
        marker->setVisible(false);
    }
}

// A range that never collapses, so no axis divides by zero.
void setRange(QValueAxis* axis, double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0;
        high = 1;
    }
    if (high - low < 1e-9) {
        high = low + 1;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}

QList<QPointF> pointsOf(const std::vector<sorvik1::CoursePoint>& points, double factor) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points) {
        list.append(QPointF(static_cast<double>(p.x), factor * p.y));
    }
    return list;
}

template <typename T> T* seriesNamed(QChart* chart, const QString& name) {
    for (QAbstractSeries* series : chart->series()) {
        if (series->objectName() == name) {
            return static_cast<T*>(series);
        }
    }
    return nullptr;
}

QValueAxis* axisOf(QChart* chart, Qt::Orientation orientation) {
    return qobject_cast<QValueAxis*>(chart->axes(orientation).value(0));
}

ChartView* describedView(QChart* chart, const QString& stem, const QString& name,
                         std::shared_ptr<ImageFileDialog>* dialog) {
    auto* view = new ChartView(chart, stem, dialog);
    view->setObjectName(stem);
    view->setAccessibleName(name);
    view->setMinimumSize(400, 240);
    return view;
}

} // namespace

ChartPanel::ChartPanel(QWidget* parent) : QTabWidget(parent), dialog_(systemImageFileDialog()) {
    setObjectName(QStringLiteral("diagramme"));
    addTab(buildCourse(), QStringLiteral("&Verlauf"));
    addTab(buildGaps(), QStringLiteral("A&bstände"));
    addTab(buildAbsence(), QStringLiteral("A&usbleiber"));
    connect(&job_, &ChartJob::observedReady, this, &ChartPanel::showObserved);
    connect(&job_, &ChartJob::expectedReady, this, &ChartPanel::showExpected);
}

QWidget* ChartPanel::buildCourse() {
    QChart* chart = newChart();
    newAxis(chart, QStringLiteral("Würfe"), "%.0f", Qt::AlignBottom);
    newAxis(chart, QStringLiteral("Gefunden minus erwartet"), "%.0f", Qt::AlignLeft);
    // The band of two standard deviations is filled, drawn first so that the
    // lines lie on it. Its edges hold its points; the band owns them.
    auto* twoMinus = new QLineSeries;
    auto* twoPlus = new QLineSeries;
    twoMinus->setObjectName(QStringLiteral("zweiMinus"));
    twoPlus->setObjectName(QStringLiteral("zweiPlus"));
    auto* band = new QAreaSeries(twoPlus, twoMinus);
    twoMinus->setParent(band);
    twoPlus->setParent(band);
    band->setObjectName(QStringLiteral("zweiBand"));
    band->setBrush(QColor(0x9b, 0x9b, 0x9b, 0x50));
    band->setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    addSeries(chart, band, QStringLiteral("±2 σ"));
    const QPen one(QColor(0x4a, 0x90, 0xd9), 1, Qt::DashLine);
    const struct {
        const char* name;
        QString label;
        QPen pen;
    } lines[] = {
        {"einsMinus", QStringLiteral("±1 σ (Standardabweichung)"), one},
        {"einsPlus", {}, one},
        {"abweichung", QStringLiteral("Gefunden minus erwartet"),
         QPen(QColor(0xc0, 0x1c, 0x28), 2)},
    };
    for (const auto& line : lines) {
        QLineSeries* series = newLine(chart, line.label, line.pen);
        series->setObjectName(QString::fromLatin1(line.name));
        if (line.label.isEmpty()) {
            hideFromLegend(chart, series);
        }
    }
    course_ = describedView(chart, QStringLiteral("verlauf"),
                            QStringLiteral("Verlauf: gefunden minus erwartet"), &dialog_);
    return course_;
}

QWidget* ChartPanel::buildGaps() {
    QChart* chart = newChart();
    auto* bars = new QBarSeries;
    bars->setObjectName(QStringLiteral("abstaende"));
    auto* observed = new QBarSet(QStringLiteral("Beobachtet"));
    auto* expected = new QBarSet(QStringLiteral("Erwartet"));
    observed->setColor(QColor(0xc0, 0x1c, 0x28));
    expected->setColor(QColor(0x9b, 0x9b, 0x9b));
    bars->append(observed);
    bars->append(expected);
    chart->addSeries(bars);
    auto* distances = new QBarCategoryAxis;
    distances->setTitleText(QStringLiteral("Abstand zwischen zwei Funden (Würfe)"));
    // Twenty distances side by side: small numbers, so none is cut short.
    QFont small = distances->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    distances->setLabelsFont(small);
    // The last one, "≥20", is a little wider than its bar group at the
    // smallest width and may reach into the margin beside it.
    distances->setTruncateLabels(false);
    chart->addAxis(distances, Qt::AlignBottom);
    bars->attachAxis(distances);
    bars->attachAxis(newAxis(chart, QStringLiteral("Anzahl"), "%.0f", Qt::AlignLeft));
    gaps_ = describedView(chart, QStringLiteral("abstaende"),
                          QStringLiteral("Abstände zwischen den Funden"), &dialog_);
    gapsEmpty_ = new QLabel;
    gapsEmpty_->setObjectName(QStringLiteral("abstaendeLeer"));
    gapsEmpty_->setAlignment(Qt::AlignCenter);
    gapsEmpty_->setWordWrap(true);
    gapPages_ = new QStackedWidget;
    gapPages_->setObjectName(QStringLiteral("abstaendeSeiten"));
    gapPages_->addWidget(gapsEmpty_);
    gapPages_->addWidget(gaps_);
    return gapPages_;
}

QWidget* ChartPanel::buildAbsence() {
    QChart* chart = newChart();
    newAxis(chart, QStringLiteral("Längster Ausbleiber (Würfe)"), "%.0f", Qt::AlignBottom);
    newAxis(chart, QStringLiteral("Wahrscheinlichkeit (%)"), "%.0f", Qt::AlignLeft);
    newLine(chart, QStringLiteral("Mindestens so lang, Wahrscheinlichkeit"),
            QPen(QColor(0x4a, 0x90, 0xd9), 2))
        ->setObjectName(QStringLiteral("verteilung"));
    newLine(chart, QStringLiteral("Beobachtet"), QPen(QColor(0xc0, 0x1c, 0x28), 2))
        ->setObjectName(QStringLiteral("beobachtet"));
    absence_ = describedView(chart, QStringLiteral("ausbleiber"),
                             QStringLiteral("Längster Ausbleiber"), &dialog_);
    absenceNote_ = new QLabel;
    absenceNote_->setObjectName(QStringLiteral("ausbleiberText"));
    absenceNote_->setWordWrap(true);
    absenceNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The sentence keeps off the tab's frame as the chart's text does.
    absenceNote_->setContentsMargins(8, 4, 8, 8);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(absence_, 1);
    layout->addWidget(absenceNote_);
    return page;
}

void ChartPanel::follow(ChartInput input) {
    job_.request(std::move(input));
}

void ChartPanel::setImageTitle(const QString& title) {
    for (ChartView* view : {course_, gaps_, absence_}) {
        view->setImageTitle(title);
    }
}

void ChartPanel::showObserved() {
    const ChartObserved& observed = *job_.observed();
    QChart* chart = course_->chart();
    const auto& course = observed.course;
    seriesNamed<QLineSeries>(chart, QStringLiteral("abweichung"))
        ->replace(pointsOf(course.deviation, 1));
    double low = -1;
    double high = 1;
    for (const auto& p : course.deviation) {
        low = std::min(low, p.y);
        high = std::max(high, p.y);
    }
    auto* band = seriesNamed<QAreaSeries>(chart, QStringLiteral("zweiBand"));
    band->lowerSeries()->replace(pointsOf(course.standardDeviation, -2));
    band->upperSeries()->replace(pointsOf(course.standardDeviation, 2));
    for (const auto& [name, factor] : {std::pair{"einsMinus", -1.0}, std::pair{"einsPlus", 1.0}}) {
        seriesNamed<QLineSeries>(chart, QString::fromLatin1(name))
            ->replace(pointsOf(course.standardDeviation, factor));
    }
    for (const auto& p : course.standardDeviation) {
        low = std::min(low, -2 * p.y);
        high = std::max(high, 2 * p.y);
    }
    setRange(axisOf(chart, Qt::Horizontal), 0, static_cast<double>(observed.stretch.positions));
    setRange(axisOf(chart, Qt::Vertical), low * 1.05, high * 1.05);
    const double last = course.deviation.empty() ? 0.0 : course.deviation.back().y;
    const double deviation =
        course.standardDeviation.empty() ? 0.0 : course.standardDeviation.back().y;
    course_->setAccessibleDescription(
        QStringLiteral("Linie über die Würfe 1 bis %1: gefundene minus erwartete Figuren nach "
                       "jedem Wurf, zwischen Bändern für eine und zwei Standardabweichungen. Am "
                       "Ende %2, die Standardabweichung beträgt %3.")
            .arg(whole(observed.stretch.positions), decimal(last, 2), decimal(deviation, 2)));

    if (observed.starts->size() < 2) {
        gapsEmpty_->setText(
            observed.starts->empty()
                ? QStringLiteral("Die Figur wurde noch nicht gefunden. Abstände gibt es ab dem "
                                 "zweiten Fund.")
                : QStringLiteral("Die Figur wurde erst einmal gefunden. Abstände gibt es ab dem "
                                 "zweiten Fund."));
        gapPages_->setCurrentWidget(gapsEmpty_);
    } else {
        gapsEmpty_->setText(QStringLiteral("Die erwarteten Abstände werden berechnet …"));
        gapPages_->setCurrentWidget(gapsEmpty_);
    }
    seriesNamed<QLineSeries>(absence_->chart(), QStringLiteral("verteilung"))->clear();
    seriesNamed<QLineSeries>(absence_->chart(), QStringLiteral("beobachtet"))->clear();
    showAbsenceNote(observed, nullptr);
}

void ChartPanel::showExpected() {
    const ChartObserved& observed = *job_.observed();
    const ChartExpected& expected = *job_.expected();
    if (observed.starts->size() >= 2) {
        showGaps(expected);
    }
    showAbsenceLaw(observed, expected);
    showAbsenceNote(observed, &expected);
    emit completed();
}

void ChartPanel::showGaps(const ChartExpected& expected) {
    QChart* chart = gaps_->chart();
    auto* bars = seriesNamed<QBarSeries>(chart, QStringLiteral("abstaende"));
    const auto& gaps = expected.gaps;
    QList<qreal> observed;
    QList<qreal> predicted;
    QStringList labels;
    double high = 1;
    for (std::size_t i = 0; i < gaps.observed.size(); ++i) {
        observed.append(static_cast<double>(gaps.observed[i]));
        predicted.append(gaps.expected[i]);
        high = std::max({high, observed.back(), predicted.back()});
        const bool last = i + 1 == gaps.observed.size();
        labels.append(last ? QStringLiteral("≥") + whole(gaps.lastDistance)
                           : whole(static_cast<std::int64_t>(i) + 1));
    }
    bars->barSets().at(0)->remove(0, bars->barSets().at(0)->count());
    bars->barSets().at(0)->append(observed);
    bars->barSets().at(1)->remove(0, bars->barSets().at(1)->count());
    bars->barSets().at(1)->append(predicted);
    auto* categories = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    categories->setCategories(labels);
    setRange(axisOf(chart, Qt::Vertical), 0, high * 1.05);
    const auto most = std::max_element(observed.begin(), observed.end()) - observed.begin();
    gaps_->setAccessibleDescription(
        QStringLiteral("Säulen: wie oft zwei aufeinanderfolgende Funde 1 bis %1 und mehr Würfe "
                       "auseinander lagen, neben der Anzahl, die der Zufall erwarten lässt. Am "
                       "häufigsten: Abstand %2 mit %3 Mal, erwartet %4.")
            .arg(whole(gaps.lastDistance), labels.value(most),
                 whole(static_cast<std::int64_t>(observed.value(most))),
                 decimal(predicted.value(most), 1)));
    gapPages_->setCurrentWidget(gaps_);
}

void ChartPanel::showAbsenceLaw(const ChartObserved& observed, const ChartExpected& expected) {
    QChart* chart = absence_->chart();
    QList<QPointF> points;
    // An unsettled law gives no curve to trust.
    for (const auto& p :
         expected.settled ? expected.distribution : std::vector<sorvik1::AbsencePoint>{}) {
        points.append(QPointF(static_cast<double>(p.length), 100 * p.atLeast));
    }
    seriesNamed<QLineSeries>(chart, QStringLiteral("verteilung"))->replace(points);
    const double at = static_cast<double>(observed.longest.length);
    seriesNamed<QLineSeries>(chart, QStringLiteral("beobachtet"))
        ->replace({QPointF(at, 0), QPointF(at, 100)});
    const double first = points.isEmpty() ? at - 1 : std::min(points.front().x(), at);
    const double last = points.isEmpty() ? at + 1 : std::max(points.back().x(), at);
    setRange(axisOf(chart, Qt::Horizontal), first, last);
    setRange(axisOf(chart, Qt::Vertical), 0, 100);
}

void ChartPanel::showAbsenceNote(const ChartObserved& observed, const ChartExpected* expected) {
    const auto& longest = observed.longest;
    if (observed.stretch.positions == 0) {
        absenceNote_->setText(QStringLiteral("Noch ist kein Wurf gezeigt."));
        absence_->setAccessibleDescription(absenceNote_->text());
        return;
    }
    QString text = QStringLiteral("Längster Ausbleiber: %1 Würfe").arg(whole(longest.length));
    if (longest.length > 0) {
        text += QStringLiteral(" (Wurf %1 bis %2)")
                    .arg(whole(longest.firstPosition + 1),
                         whole(longest.firstPosition + longest.length));
    }
    text += QStringLiteral(".");
    if (!expected) {
        text += QStringLiteral(" Erwartet: wird berechnet …");
    } else if (!expected->settled) {
        text += QStringLiteral(" Erwartet: nicht genau berechenbar.");
    } else {
        const auto& chance = expected->longestChance;
        const auto& mean = expected->expectedLongest;
        text += QStringLiteral(" Erwartet: %1 Würfe%2. Wahrscheinlichkeit für einen mindestens so "
                               "langen Ausbleiber: %3")
                    .arg(decimal(mean.length, 2),
                         mean.errorBound < 5e-3
                             ? QString()
                             : QStringLiteral(" (Näherung, Fehler höchstens %1 Würfe)")
                                   .arg(decimal(mean.errorBound, 2)),
                         germannumbers::chance(chance.probability));
        text += chance.errorBound < 5e-5
                    ? QStringLiteral(".")
                    : QStringLiteral(" (Näherung, Fehler höchstens %1 Prozentpunkte).")
                          .arg(decimal(100 * chance.errorBound, 2));
    }
    absenceNote_->setText(text);
    absence_->setAccessibleDescription(
        QStringLiteral("Kurve: Wahrscheinlichkeit in Prozent, dass der längste Ausbleiber in %1 "
                       "Würfen mindestens so lang ist; senkrechte Linie beim beobachteten Wert. ")
            .arg(whole(observed.stretch.positions)) +
        text);
}
