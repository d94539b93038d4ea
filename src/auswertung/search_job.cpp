#include "auswertung/search_job.h"

#include "auswertung/job_failure.h"
#include "core/batch/evaluation_folder.h"
#include "core/batch/search_input.h"

#include <QFile>

namespace {

QString localName(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

SearchJob::SearchJob(QObject* parent) : QObject(parent) {
    connect(&background_, &BackgroundJob::progressed, this, &SearchJob::progressed);
}

SearchJob::~SearchJob() = default;

void SearchJob::start(Request request) {
    running_ = true;
    progress_ = 0.0;
    outcome_ = {};
    background_.request(
        [this, request = std::move(request)](
            const BackgroundJob::Worker& worker) mutable -> BackgroundJob::Delivery {
            const std::stop_token stop = worker.stopToken();
            auto outcome = std::make_shared<Outcome>();
            auto sequences = std::move(request.held);
            sequences.resize(request.chances.size());
            try {
                std::vector<std::string> paths;
                for (const QString& file : std::as_const(request.files)) {
                    paths.push_back(QFile::encodeName(file).toStdString());
                }
                // The folders are walked as the evaluation walks them, so both
                // read the same files and name the same ones they leave out.
                for (const QString& folder : std::as_const(request.folders)) {
                    auto listing =
                        sorvik1::permanenceFilesIn(QFile::encodeName(folder).toStdString(), stop);
                    paths.insert(paths.end(), listing.files.begin(), listing.files.end());
                    for (const auto& refusal : listing.refused) {
                        outcome->refused.push_back(
                            {localName(refusal.path), QString::fromStdString(refusal.reason)});
                    }
                }
                // Reading the files is the first tenth of the way.
                const auto files = static_cast<double>(paths.size());
                for (std::size_t i = 0; i < paths.size() && !stop.stop_requested(); ++i) {
                    auto read = sorvik1::readSearchFile(paths[i], request.chances);
                    if (!read.error.empty()) {
                        outcome->refused.push_back(
                            {localName(paths[i]), QString::fromStdString(read.error)});
                    }
                    for (std::size_t c = 0; c < read.sides.size(); ++c) {
                        sequences[c].push_back(std::move(read.sides[c]));
                    }
                    progress_ = 0.1 * static_cast<double>(i + 1) / files;
                    worker.progress();
                }
                outcome->result =
                    sorvik1::searchChances(sequences, request.chances, request.settings, stop,
                                           [this, &worker](double share) {
                                               progress_ = 0.1 + 0.9 * share;
                                               worker.progress();
                                           });
            } catch (...) {
                outcome->failure = jobFailureText(std::current_exception());
            }
            return [this, outcome] {
                running_ = false;
                outcome_ = std::move(*outcome);
                emit finished();
            };
        });
}

void SearchJob::cancel() {
    background_.stop();
}
