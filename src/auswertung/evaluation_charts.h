#pragma once

#include "core/batch/evaluation.h"

#include <QWidget>

#include <vector>

class QChartView;
class QLabel;

// The evaluation as two charts: the z-value of every file in the table's
// order, with the band of ±2 that chance rarely leaves, each point named by
// a tool tip and, for a few files, on the axis; and found minus expected,
// added up over the files in the order of their dates, one point a date.
class EvaluationCharts : public QWidget {
    Q_OBJECT

  public:
    explicit EvaluationCharts(QWidget* parent = nullptr);

    // The files in the order the table shows them.
    void showFiles(const std::vector<const sorvik1::FileEvaluation*>& inTableOrder);

  private:
    void showZ(const std::vector<const sorvik1::FileEvaluation*>& inTableOrder);
    void showDeviation(const std::vector<const sorvik1::FileEvaluation*>& inTableOrder);

    QChartView* zView_;
    QChartView* deviationView_;
};
