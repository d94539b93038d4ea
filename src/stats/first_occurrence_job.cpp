#include "stats/first_occurrence_job.h"

#include <QtConcurrent/QtConcurrentRun>

FirstOccurrenceJob::FirstOccurrenceJob(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<sorvik1::FirstOccurrence>::finished, this,
            &FirstOccurrenceJob::finished);
}

void FirstOccurrenceJob::request(const sorvik1::Figure& figure, std::int64_t spins) {
    wanted_ = {figure, spins};
    if (!running_ && doneKey_ != wanted_) {
        start(wanted_);
    }
}

const sorvik1::FirstOccurrence* FirstOccurrenceJob::forFigure() const {
    return doneKey_ && doneKey_->figure == wanted_.figure ? &done_ : nullptr;
}

bool FirstOccurrenceJob::current() const {
    return doneKey_ == wanted_;
}

// The task gets its own copy of the figure, so it may outlive this job.
void FirstOccurrenceJob::start(const Key& key) {
    running_ = key;
    watcher_.setFuture(QtConcurrent::run([key] {
        return sorvik1::firstOccurrence(key.figure, key.spins, sorvik1::ZeroRule::Breaks);
    }));
}

void FirstOccurrenceJob::finished() {
    doneKey_ = running_;
    done_ = watcher_.result();
    running_.reset();
    if (doneKey_ != wanted_) {
        start(wanted_);
    }
    emit ready();
}
