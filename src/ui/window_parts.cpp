#include "ui/window_parts.h"

#include "ui/german_numbers.h"

#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QPushButton>

QPushButton* describedButton(const QString& text, const char* name, const QString& description,
                             QWidget* parent) {
    auto* created = new QPushButton(text, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setAutoDefault(false);
    created->setToolTip(description);
    created->setAccessibleDescription(description);
    return created;
}

QChartView* chartView(const char* name, const QString& accessibleName, const QString& description,
                      int minimumHeight, QWidget* parent) {
    auto* view = new QChartView(new QChart(), parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(accessibleName);
    view->setAccessibleDescription(description);
    view->setFocusPolicy(Qt::StrongFocus);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->chart()->layout()->setContentsMargins(0, 0, 0, 0);
    view->chart()->setLocalizeNumbers(true);
    view->chart()->setLocale(germannumbers::locale());
    view->setMinimumSize(320, minimumHeight);
    return view;
}

QChart* clearedChart(QChartView* view, const QString& title) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(title);
    return chart;
}

void attachSeries(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}
