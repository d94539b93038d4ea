#include "ui/background_job.h"

#include <chrono>

namespace {

constexpr std::chrono::nanoseconds progressInterval = std::chrono::milliseconds(50);

} // namespace

void BackgroundJob::Worker::progress() const {
    const std::int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::int64_t last = lastProgress_.load();
    if (now - last < progressInterval.count() ||
        !lastProgress_.compare_exchange_strong(last, now)) {
        return;
    }
    post([job = job_] { emit job->progressed(); });
}

void BackgroundJob::Worker::post(Delivery delivery) const {
    QMetaObject::invokeMethod(
        job_,
        [job = job_, request = request_, delivery = std::move(delivery)] {
            if (job->isNewest(request)) {
                delivery();
            }
        },
        Qt::QueuedConnection);
}

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
    worker_.request_stop();
}

void BackgroundJob::request(Work work) {
    waiting_ = std::move(work);
    waitingRequest_ = ++newest_;
    busy_ = true;
    if (worker_.joinable()) {
        // The waiting request starts once the running work has ended.
        worker_.request_stop();
        return;
    }
    startWaiting();
}

void BackgroundJob::stop() {
    worker_.request_stop();
}

void BackgroundJob::cancel() {
    ++newest_;
    busy_ = false;
    waiting_ = nullptr;
    worker_.request_stop();
}

// The work owns its copies, so nothing it reads goes while it runs.
void BackgroundJob::startWaiting() {
    Work work = std::move(waiting_);
    waiting_ = nullptr;
    const std::uint64_t request = waitingRequest_;
    worker_ = std::jthread([this, work = std::move(work), request](std::stop_token stop) {
        Delivery delivery;
        try {
            const Worker worker(this, request, std::move(stop));
            delivery = work(worker);
        } catch (...) {
            delivery = [this, failure = std::current_exception()] { emit failed(failure); };
        }
        QMetaObject::invokeMethod(
            this,
            [this, request, delivery = std::move(delivery)] { workerEnded(request, delivery); },
            Qt::QueuedConnection);
    });
}

void BackgroundJob::workerEnded(std::uint64_t request, const Delivery& delivery) {
    worker_.join(); // it has posted its last word
    if (isNewest(request)) {
        busy_ = false;
        if (delivery) {
            delivery();
        }
    }
    if (waiting_) {
        startWaiting();
    }
}
