#pragma once

#include "core/strategy/strategy_law.h"
#include "core/strategy/strategy_run.h"

#include <QWidget>

#include <optional>
#include <vector>

class QChartView;

// The strategy test in two charts: the capital of the selected session bet
// by bet, with the capital chance alone expects and the band of two
// standard deviations around it; and how the final results of all sessions
// spread, beside the exact law of the final result when there is one.
class StrategyCharts : public QWidget {
    Q_OBJECT

  public:
    explicit StrategyCharts(QWidget* parent = nullptr);

    void showCurve(const sorvik1::CapitalCurve& curve, const QString& session);
    void showDistribution(const std::vector<sorvik1::SessionResult>& sessions,
                          const std::optional<sorvik1::ExactLaw>& exact, std::int64_t startCapital);
    void clear();

  private:
    QChartView* curveView_;
    QChartView* distributionView_;
};
