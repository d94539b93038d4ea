#pragma once

#include "core/evaluation.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

// Runs one evaluation away from the window's thread: first the folders are
// searched for permanence files, then every file is evaluated on all cores.
// The window asks for the progress whenever it likes; the result arrives
// through the event loop. Nothing here touches a widget.
class EvaluationJob : public QObject {
    Q_OBJECT

  public:
    struct Request {
        QStringList files;
        QStringList folders; // searched with their sub-folders for "*.txt"
        sorvik1::Figure figure;
        sorvik1::ZeroRule rule = sorvik1::ZeroRule::Breaks;
        int threads = 0; // 0: one per core
    };

    struct Progress {
        bool searching = false; // still looking for files in the folders
        std::int64_t filesDone = 0;
        std::int64_t filesTotal = 0;
        std::int64_t spinsDone = 0;
    };

    explicit EvaluationJob(QObject* parent = nullptr);
    ~EvaluationJob() override;

    // Starts; a running evaluation is stopped first.
    void start(const Request& request);
    // Asks the workers to stop after the file each is reading.
    void cancel();
    bool running() const { return running_; }
    Progress progress() const;

    // Valid after finished(), until the next start.
    const sorvik1::Evaluation& result() const { return result_; }
    // How many files the folders and the chosen files gave.
    std::int64_t filesFound() const { return filesFound_; }

  signals:
    void finished();

  private:
    void deliver(std::shared_ptr<sorvik1::Evaluation> evaluation, std::int64_t found);

    bool running_ = false;
    // Tells the result of the latest start from one it replaced.
    int generation_ = 0;
    sorvik1::Evaluation result_;
    std::int64_t filesFound_ = 0;
    std::atomic<bool> searching_{false};
    std::atomic<std::int64_t> filesDone_{0};
    std::atomic<std::int64_t> filesTotal_{0};
    std::atomic<std::int64_t> spinsDone_{0};
    // Last, so that it is joined before anything it uses goes.
    std::jthread worker_;
};
