#pragma once

#include "core/figure_search.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Runs one figure search away from the window's thread: walks the chosen
// folders, reads the chosen files and those found, then counts and judges every figure. The tab
// asks for the progress whenever it likes; the result arrives through the event loop. Nothing here
// touches a widget.
class SearchJob : public QObject {
    Q_OBJECT

  public:
    struct Request {
        QStringList files;
        QStringList folders; // searched with their sub-folders for "*.txt"
        // Spins copied from the trainer before the start, one sequence each.
        std::vector<std::vector<sorvik1::SpinWord>> held;
        sorvik1::SearchSettings settings;
    };

    struct Refused {
        QString file;
        QString reason;
    };

    struct Outcome {
        sorvik1::SearchResult result;
        std::vector<Refused> refused;
        QString failure; // why the search ended without a result, such as too little memory
    };

    explicit SearchJob(QObject* parent = nullptr);
    ~SearchJob() override;

    // Starts; a running search is stopped first.
    void start(Request request);
    void cancel();
    bool running() const { return running_; }
    // Share done, 0 .. 1.
    double progress() const { return progress_; }

    // Valid after finished(), until the next start.
    const Outcome& outcome() const { return outcome_; }

  signals:
    void finished();

  private:
    bool running_ = false;
    int generation_ = 0; // tells the latest start's result from one it replaced
    Outcome outcome_;
    std::atomic<double> progress_{0.0};
    // Last, so that it is joined before anything it uses goes.
    std::jthread worker_;
};
