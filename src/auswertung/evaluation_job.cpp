#include "auswertung/evaluation_job.h"

#include "core/evaluation_folder.h"

#include <QFile>

#include <utility>

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

EvaluationJob::EvaluationJob(QObject* parent) : QObject(parent) {}

EvaluationJob::~EvaluationJob() {
    cancel();
}

void EvaluationJob::start(const Request& request) {
    cancel();
    if (worker_.joinable()) {
        worker_.join();
    }
    running_ = true;
    searching_ = true;
    filesDone_ = 0;
    filesTotal_ = 0;
    spinsDone_ = 0;
    result_ = {};
    const int generation = ++generation_;
    worker_ = std::jthread([this, request, generation](std::stop_token stop) {
        auto evaluation = std::make_shared<sorvik1::Evaluation>();
        std::vector<std::string> paths;
        std::vector<sorvik1::FileRefusal> unreadable;
        bool searchCut = false;
        for (const QString& file : request.files) {
            paths.push_back(localPath(file));
        }
        for (const QString& folder : request.folders) {
            auto listing = sorvik1::permanenceFilesIn(localPath(folder), stop);
            paths.insert(paths.end(), listing.files.begin(), listing.files.end());
            unreadable.insert(unreadable.end(), listing.refused.begin(), listing.refused.end());
            searchCut = searchCut || listing.cancelled;
        }
        filesTotal_ = static_cast<std::int64_t>(paths.size());
        searching_ = false;
        *evaluation = sorvik1::evaluateFiles(
            paths, request.figure, request.rule, stop,
            [this](const sorvik1::EvaluationProgress& progress) {
                filesDone_ = progress.filesDone;
                spinsDone_ = progress.spinsDone;
            },
            request.threads);
        evaluation->cancelled = evaluation->cancelled || searchCut;
        evaluation->refused.insert(evaluation->refused.begin(), unreadable.begin(),
                                   unreadable.end());
        const auto found = static_cast<std::int64_t>(paths.size());
        QMetaObject::invokeMethod(
            this,
            [this, evaluation, found, generation] {
                if (generation == generation_) {
                    deliver(evaluation, found);
                }
            },
            Qt::QueuedConnection);
    });
}

void EvaluationJob::cancel() {
    worker_.request_stop();
}

EvaluationJob::Progress EvaluationJob::progress() const {
    return {searching_, filesDone_, filesTotal_, spinsDone_};
}

void EvaluationJob::deliver(std::shared_ptr<sorvik1::Evaluation> evaluation, std::int64_t found) {
    result_ = std::move(*evaluation);
    filesFound_ = found;
    running_ = false;
    emit finished();
}
