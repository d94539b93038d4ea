#include "stats/first_occurrence_job.h"

FirstOccurrenceJob::FirstOccurrenceJob(QObject* parent) : QObject(parent) {}

void FirstOccurrenceJob::request(const sorvik1::Figure& figure, std::int64_t spins) {
    const Key key{figure, spins};
    if (key == wanted_ && (job_.busy() || doneKey_ == key)) {
        return;
    }
    wanted_ = key;
    if (doneKey_ == wanted_) {
        job_.cancel(); // what is at hand needs no work
        return;
    }
    job_.request([this, key](const BackgroundJob::Worker&) -> BackgroundJob::Delivery {
        const auto figures =
            sorvik1::firstOccurrence(key.figure, key.spins, sorvik1::ZeroRule::Breaks);
        return [this, key, figures] {
            doneKey_ = key;
            done_ = figures;
            emit ready();
        };
    });
}

const sorvik1::FirstOccurrence* FirstOccurrenceJob::forFigure() const {
    return doneKey_ && doneKey_->figure == wanted_.figure ? &done_ : nullptr;
}

bool FirstOccurrenceJob::current() const {
    return doneKey_ == wanted_;
}
