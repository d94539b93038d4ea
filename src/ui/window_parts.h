#pragma once

// Small pieces the windows beside the trainer build alike.

#include <QString>

class QAbstractAxis;
class QAbstractSeries;
class QChart;
class QChartView;
class QPushButton;
class QWidget;

// A button that never takes Enter for itself, described for the tooltip
// and for screen readers alike.
QPushButton* describedButton(const QString& text, const char* name, const QString& description,
                             QWidget* parent);

// An empty chart, antialiased, with German numbers, its legend below and
// reachable by the keyboard; named and described for screen readers.
QChartView* chartView(const char* name, const QString& accessibleName, const QString& description,
                      int minimumHeight, QWidget* parent);
// The view's chart without its series and axes, under a new title.
QChart* clearedChart(QChartView* view, const QString& title);
// Adds a series to the chart on the given axes.
void attachSeries(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y);
