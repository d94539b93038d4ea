#include "strategie/strategy_job.h"

#include <condition_variable>
#include <mutex>
#include <new>

namespace {

// The trial counts its sessions as it plays them; this tells the window
// now and then, until the trial ends.
void reportWhileRunning(const BackgroundJob::Worker& worker, std::stop_token done) {
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    while (!done.stop_requested()) {
        wake.wait_for(lock, done, std::chrono::milliseconds(50), [] { return false; });
        worker.progress();
    }
}

} // namespace

StrategyJob::StrategyJob(QObject* parent) : QObject(parent) {
    connect(&job_, &BackgroundJob::progressed, this, [this] {
        if (progress_) {
            emit progressed(progress_->done.load(), progress_->total.load());
        }
    });
    connect(&job_, &BackgroundJob::failed, this, [this](const std::exception_ptr& failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::bad_alloc&) {
            emit failed(QStringLiteral("Der Test brach ab: der Speicher reichte nicht."));
        } catch (...) {
            emit failed(QStringLiteral("Der Test brach wegen eines unerwarteten Fehlers ab."));
        }
    });
}

void StrategyJob::start(sorvik1::StrategyTrialRequest request) {
    auto progress = std::make_shared<sorvik1::StrategyTrialProgress>();
    progress_ = progress;
    job_.request([this, progress, request = std::move(request)](
                     const BackgroundJob::Worker& worker) -> BackgroundJob::Delivery {
        std::jthread reporter(
            [&worker](std::stop_token done) { reportWhileRunning(worker, done); });
        auto result = std::make_shared<const sorvik1::StrategyTrialResult>(
            sorvik1::runStrategyTrial(request, worker.stopToken(), *progress));
        reporter.request_stop();
        reporter.join();
        return [this, progress, result] {
            emit progressed(progress->done.load(), progress->total.load());
            emit finished(result);
        };
    });
}
