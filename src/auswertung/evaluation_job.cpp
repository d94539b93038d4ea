#include "auswertung/evaluation_job.h"

#include "auswertung/job_failure.h"
#include "core/batch/evaluation_folder.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <utility>

// What one run shares between its workers and the window: the progress,
// and every file finished so far, so that a cancel can end the run at once.
struct EvaluationJob::Run {
    std::atomic<bool> searching{true};
    std::atomic<std::int64_t> filesDone{0};
    std::atomic<std::int64_t> filesTotal{0};
    std::atomic<std::int64_t> spinsDone{0};
    std::mutex lock;
    std::vector<std::string> paths;
    std::vector<sorvik1::FileRefusal> folders;
    std::vector<std::pair<std::size_t, sorvik1::FileEvaluation>> files;
    std::vector<std::pair<std::size_t, std::string>> refused;

    // The files finished so far, in the order of their paths.
    sorvik1::Evaluation finished() {
        const std::lock_guard guard(lock);
        sorvik1::Evaluation evaluation;
        evaluation.cancelled = true;
        evaluation.refused = folders;
        std::sort(files.begin(), files.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        std::sort(refused.begin(), refused.end());
        for (const auto& [index, file] : files) {
            evaluation.files.push_back(file);
        }
        for (const auto& [index, reason] : refused) {
            evaluation.refused.push_back({paths[index], reason});
        }
        evaluation.total = sorvik1::totalOf(evaluation.files);
        return evaluation;
    }
};

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

EvaluationJob::EvaluationJob(QObject* parent) : QObject(parent) {
    connect(&background_, &BackgroundJob::progressed, this, &EvaluationJob::progressed);
}

EvaluationJob::~EvaluationJob() = default;

void EvaluationJob::start(const Request& request) {
    cancel();
    running_ = true;
    result_ = {};
    failure_.clear();
    run_ = std::make_shared<Run>();
    taken_ = 0;
    background_.request([this, request, run = run_](
                            const BackgroundJob::Worker& worker) -> BackgroundJob::Delivery {
        const std::stop_token stop = worker.stopToken();
        std::vector<std::string> paths;
        for (const QString& file : request.files) {
            paths.push_back(localPath(file));
        }
        bool searchCut = false;
        for (const QString& folder : request.folders) {
            auto listing = sorvik1::permanenceFilesIn(localPath(folder), stop);
            paths.insert(paths.end(), listing.files.begin(), listing.files.end());
            const std::lock_guard guard(run->lock);
            run->folders.insert(run->folders.end(), listing.refused.begin(), listing.refused.end());
            searchCut = searchCut || listing.cancelled;
        }
        {
            const std::lock_guard guard(run->lock);
            run->paths = paths;
        }
        run->filesTotal = static_cast<std::int64_t>(paths.size());
        run->searching = false;
        worker.progress();
        sorvik1::Evaluation evaluation;
        try {
            evaluation = sorvik1::evaluateFiles(
                paths, request.figure, request.rule, stop,
                [&run, &worker](const sorvik1::EvaluationProgress& progress) {
                    run->filesDone = progress.filesDone;
                    run->spinsDone = progress.spinsDone;
                    const std::lock_guard guard(run->lock);
                    if (progress.file != nullptr) {
                        run->files.emplace_back(progress.index, *progress.file);
                    } else if (progress.refusal != nullptr) {
                        run->refused.emplace_back(progress.index, *progress.refusal);
                    }
                    worker.progress();
                },
                request.threads, request.chance);
        } catch (...) {
            // What finished before the failure is kept, as a cancel keeps it.
            return [this, run, failure = jobFailureText(std::current_exception())] {
                failure_ = failure;
                deliver(run->finished(), run->filesTotal);
            };
        }
        if (stop.stop_requested()) {
            return {}; // cancel() has delivered what was finished
        }
        evaluation.cancelled = evaluation.cancelled || searchCut;
        evaluation.refused.insert(evaluation.refused.begin(), run->folders.begin(),
                                  run->folders.end());
        const auto found = static_cast<std::int64_t>(paths.size());
        return [this, found, evaluation = std::move(evaluation)]() mutable {
            deliver(std::move(evaluation), found);
        };
    });
}

void EvaluationJob::cancel() {
    if (!running_) {
        return;
    }
    background_.cancel();
    deliver(run_->finished(), run_->filesTotal);
}

EvaluationJob::Progress EvaluationJob::progress() const {
    if (!run_) {
        return {};
    }
    return {run_->searching, run_->filesDone, run_->filesTotal, run_->spinsDone};
}

std::vector<sorvik1::FileEvaluation> EvaluationJob::takeFinished() {
    std::vector<sorvik1::FileEvaluation> fresh;
    if (!running_) {
        return fresh;
    }
    const std::lock_guard guard(run_->lock);
    for (; taken_ < run_->files.size(); ++taken_) {
        fresh.push_back(run_->files[taken_].second);
    }
    return fresh;
}

void EvaluationJob::deliver(sorvik1::Evaluation evaluation, std::int64_t found) {
    result_ = std::move(evaluation);
    filesFound_ = found;
    running_ = false;
    emit finished();
}
