#pragma once

#include "strategie/strategy_trial.h"
#include "ui/background_job.h"

#include <QObject>

#include <memory>

// Runs one strategy test through the windows' background job: progress and
// the result reach the window through its event loop, and only the newest
// test's. Nothing here touches a widget.
class StrategyJob : public QObject {
    Q_OBJECT

  public:
    explicit StrategyJob(QObject* parent = nullptr);

    void start(sorvik1::StrategyTrialRequest request);
    // Ends the test early; its result, with what was played, still arrives.
    void stop() { job_.stop(); }
    // Drops the test: nothing of it arrives any more.
    void cancel() { job_.cancel(); }
    bool running() const { return job_.busy(); }

  signals:
    void progressed(qint64 done, qint64 total);
    void finished(std::shared_ptr<const sorvik1::StrategyTrialResult> result);
    // The test could not end, such as for want of memory; in German.
    void failed(const QString& why);

  private:
    std::shared_ptr<sorvik1::StrategyTrialProgress> progress_;
    // Last, so that its worker is joined before anything it uses goes.
    BackgroundJob job_;
};
