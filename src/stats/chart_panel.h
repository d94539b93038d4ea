#pragma once

#include "stats/chart_job.h"

#include <QTabWidget>

#include <memory>

class ChartView;
class ImageFileDialog;
class QLabel;
class QStackedWidget;
class QChart;

// The statistics window's charts, in three tabs: the course of the count
// against its expectation, the distances between starts, and the longest
// absence. They follow the copies they are given and fill in the values
// that take longer when those are ready.
class ChartPanel : public QTabWidget {
    Q_OBJECT

  public:
    explicit ChartPanel(QWidget* parent = nullptr);

    void follow(ChartInput input);
    // Heads every saved or copied picture of the charts.
    void setImageTitle(const QString& title);
    void setFileDialog(std::shared_ptr<ImageFileDialog> dialog) { dialog_ = std::move(dialog); }

    // Whether the charts show the latest input's values, expected ones included.
    bool current() const { return job_.expected() != nullptr; }

  signals:
    // The charts show everything for the latest input.
    void completed();

  private:
    QWidget* buildCourse();
    QWidget* buildGaps();
    QWidget* buildAbsence();
    void showObserved();
    void showExpected();
    void showGaps(const ChartExpected& expected);
    void showAbsenceLaw(const ChartObserved& observed, const ChartExpected& expected);
    void showAbsenceNote(const ChartObserved& observed, const ChartExpected* expected);

    ChartJob job_;
    std::shared_ptr<ImageFileDialog> dialog_;
    ChartView* course_;
    QStackedWidget* gapPages_;
    QLabel* gapsEmpty_;
    ChartView* gaps_;
    ChartView* absence_;
    QLabel* absenceNote_;
};
