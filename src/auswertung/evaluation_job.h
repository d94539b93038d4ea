#pragma once

#include "core/batch/evaluation.h"
#include "ui/background_job.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// Runs one evaluation away from the window's thread: first the folders are
// searched for permanence files, then every file is evaluated on all cores.
// progressed() says when to look at the progress and the files finished; the
// result arrives through the event loop. Nothing here touches a widget.
class EvaluationJob : public QObject {
    Q_OBJECT

  public:
    struct Request {
        QStringList files;
        QStringList folders; // searched with their sub-folders for "*.txt"
        sorvik1::Figure figure;
        sorvik1::ZeroRule rule = sorvik1::ZeroRule::Breaks;
        int threads = 0; // 0: one per core
        sorvik1::Chance chance = sorvik1::Chance::RotSchwarz;
    };

    struct Progress {
        bool searching = false; // still looking for files in the folders
        std::int64_t filesDone = 0;
        std::int64_t filesTotal = 0;
        std::int64_t spinsDone = 0;
    };

    explicit EvaluationJob(QObject* parent = nullptr);
    ~EvaluationJob() override;

    // Starts; a running evaluation is cancelled first.
    void start(const Request& request);
    // Ends the evaluation at once with the files finished so far; the
    // workers drop the files they are still reading.
    void cancel();
    bool running() const { return running_; }
    Progress progress() const;
    // The files finished since the last call, while the evaluation runs,
    // in the order they finished.
    std::vector<sorvik1::FileEvaluation> takeFinished();

    // Valid after finished(), until the next start.
    const sorvik1::Evaluation& result() const { return result_; }
    // Hands over the files of the result without copying them: a hundred
    // thousand rows would hold the window for a noticeable moment.
    std::vector<sorvik1::FileEvaluation> takeFiles() { return std::move(result_.files); }
    // How many files the folders and the chosen files gave.
    std::int64_t filesFound() const { return filesFound_; }
    // Why the run ended early, such as too little memory; empty when it
    // did not fail. The result then holds the files finished before.
    const QString& failure() const { return failure_; }

  signals:
    void progressed();
    void finished();

  private:
    struct Run;

    void deliver(sorvik1::Evaluation evaluation, std::int64_t found);

    bool running_ = false;
    sorvik1::Evaluation result_;
    QString failure_;
    std::int64_t filesFound_ = 0;
    std::shared_ptr<Run> run_;
    std::size_t taken_ = 0;
    // Last, so that its worker is joined before anything it uses goes.
    BackgroundJob background_;
};
