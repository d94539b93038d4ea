#include "auswertung/search_job.h"

#include "auswertung/job_failure.h"
#include "core/evaluation_folder.h"
#include "core/search_input.h"

#include <QFile>

SearchJob::SearchJob(QObject* parent) : QObject(parent) {}

SearchJob::~SearchJob() {
    cancel();
}

void SearchJob::start(Request request) {
    cancel();
    if (worker_.joinable()) {
        worker_.join();
    }
    running_ = true;
    progress_ = 0.0;
    outcome_ = {};
    const int generation = ++generation_;
    worker_ = std::jthread(
        [this, request = std::move(request), generation](std::stop_token stop) mutable {
            auto outcome = std::make_shared<Outcome>();
            std::vector<std::vector<sorvik1::SpinWord>> sequences = std::move(request.held);
            try {
                // Reading the files is the first tenth of the way.
                const auto files = static_cast<double>(request.files.size());
                for (qsizetype i = 0; i < request.files.size() && !stop.stop_requested(); ++i) {
                    const QString& file = request.files[i];
                    auto read = sorvik1::readSearchFile(QFile::encodeName(file).toStdString());
                    if (read.error.empty()) {
                        sequences.push_back(std::move(read.words));
                    } else {
                        outcome->refused.push_back({file, QString::fromStdString(read.error)});
                    }
                    progress_ = 0.1 * static_cast<double>(i + 1) / files;
                }
                outcome->result =
                    sorvik1::searchFigures(sequences, request.settings, stop,
                                           [this](double share) { progress_ = 0.1 + 0.9 * share; });
            } catch (...) {
                outcome->failure = jobFailureText(std::current_exception());
            }
            QMetaObject::invokeMethod(
                this,
                [this, outcome, generation] {
                    if (generation == generation_) {
                        running_ = false;
                        outcome_ = std::move(*outcome);
                        emit finished();
                    }
                },
                Qt::QueuedConnection);
        });
}

void SearchJob::cancel() {
    worker_.request_stop();
}
