#include "strategie/strategy_job.h"

#include <QMetaObject>
#include <QPointer>

#include <new>

struct StrategyJob::Run {
    sorvik1::StrategyTrialProgress progress;
};

StrategyJob::StrategyJob(QObject* parent) : QObject(parent) {
    poll_.setInterval(100);
    connect(&poll_, &QTimer::timeout, this, [this] {
        if (run_) {
            emit progressed(run_->progress.done.load(), run_->progress.total.load());
        }
    });
}

StrategyJob::~StrategyJob() {
    worker_.request_stop();
}

void StrategyJob::start(sorvik1::StrategyTrialRequest request) {
    worker_.request_stop();
    if (worker_.joinable()) {
        worker_.join();
    }
    auto run = std::make_shared<Run>();
    run_ = run;
    running_ = true;
    poll_.start();
    QPointer<StrategyJob> self(this);
    worker_ = std::jthread([self, run, request = std::move(request)](std::stop_token stop) {
        std::shared_ptr<const sorvik1::StrategyTrialResult> result;
        try {
            result = std::make_shared<const sorvik1::StrategyTrialResult>(
                sorvik1::runStrategyTrial(request, stop, run->progress));
        } catch (const std::bad_alloc&) {
            // An empty result tells the window the memory ran out.
        }
        QMetaObject::invokeMethod(
            self.data(),
            [self, run, result] {
                if (!self || self->run_ != run) {
                    return;
                }
                self->running_ = false;
                self->poll_.stop();
                emit self->progressed(run->progress.done.load(), run->progress.total.load());
                emit self->finished(result);
            },
            Qt::QueuedConnection);
    });
}

void StrategyJob::cancel() {
    worker_.request_stop();
}
