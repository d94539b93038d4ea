#pragma once

#include "strategie/strategy_trial.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <thread>

// Runs one strategy test on a worker thread. Progress and the result reach
// the window through its event loop; a newer start or a cancel makes the
// older run's result go unheard. Nothing here touches a widget.
class StrategyJob : public QObject {
    Q_OBJECT

  public:
    explicit StrategyJob(QObject* parent = nullptr);
    ~StrategyJob() override;

    void start(sorvik1::StrategyTrialRequest request);
    // Stops the run; its result, with what finished, still arrives.
    void cancel();
    bool running() const { return running_; }

  signals:
    void progressed(qint64 done, qint64 total);
    // Null when the memory ran out.
    void finished(std::shared_ptr<const sorvik1::StrategyTrialResult> result);

  private:
    struct Run;

    std::shared_ptr<Run> run_;
    QTimer poll_;
    bool running_ = false;
    std::jthread worker_;
};
