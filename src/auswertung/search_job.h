#pragma once

#include "core/batch/figure_search.h"
#include "ui/background_job.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

// Runs one figure search away from the window's thread: walks the chosen
// folders, reads the chosen files and those found, then counts and judges
// every figure. progressed() says when to look at the progress; the result
// arrives through the event loop. Nothing here touches a widget.
class SearchJob : public QObject {
    Q_OBJECT

  public:
    struct Request {
        QStringList files;
        QStringList folders; // searched with their sub-folders for "*.txt"
        // The chances searched together, each figure in its own.
        std::vector<sorvik1::Chance> chances{sorvik1::Chance::RotSchwarz};
        // Spins copied from the trainer before the start, per chance its
        // sides, one sequence each.
        std::vector<std::vector<std::vector<sorvik1::SpinWord>>> held;
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

    // Starts once a running search has stopped.
    void start(Request request);
    // Ends the search early; its result still arrives.
    void cancel();
    bool running() const { return running_; }
    // Share done, 0 .. 1.
    double progress() const { return progress_; }

    // Valid after finished(), until the next start.
    const Outcome& outcome() const { return outcome_; }

  signals:
    void progressed();
    void finished();

  private:
    bool running_ = false;
    Outcome outcome_;
    std::atomic<double> progress_{0.0};
    // Last, so that its worker is joined before anything it uses goes.
    BackgroundJob background_;
};
