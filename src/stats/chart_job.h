#pragma once

#include "core/laws/absence_law.h"
#include "core/laws/gap_distribution.h"
#include "core/laws/start_law.h"
#include "core/scan/occurrence_scan.h"
#include "core/trainer/course.h"
#include "ui/background_job.h"
#include "ui/trainer_view.h"

#include <QObject>

#include <memory>
#include <mutex>
#include <stop_token>
#include <vector>

// What the run shows, ready to be drawn: quick to work out even for ten
// million spins.
struct ChartObserved {
    sorvik1::Figure figure;
    sorvik1::Stretch stretch;
    sorvik1::Course course;
    sorvik1::Absence longest;
    std::shared_ptr<const std::vector<std::int64_t>> starts; // spin numbers, ascending
};

// What chance predicts for the same spins; for a figure with many free
// positions this can take seconds.
struct ChartExpected {
    sorvik1::Figure figure;
    bool settled = false;
    bool stopped = false; // the figure changed while its law was worked out
    sorvik1::GapHistogram gaps;
    sorvik1::ExpectedLongest expectedLongest;
    sorvik1::AbsenceChance longestChance;
    std::vector<sorvik1::AbsencePoint> distribution;
    std::shared_ptr<const sorvik1::StartLaw> law;
};

// Works out both away from the window's thread, on the copies it is given.
// Only the latest request matters: one that arrives while work is running
// waits for it and replaces any other waiting request. The law of a figure
// is worked out to the end while the figure stays, and kept for the next
// requests; a new figure stops it.
class ChartJob : public QObject {
    Q_OBJECT

  public:
    explicit ChartJob(QObject* parent = nullptr);
    ~ChartJob() override;

    void request(ChartInput input);

    // For the latest request, or none yet.
    const ChartObserved* observed() const;
    const ChartExpected* expected() const;

  signals:
    void observedReady();
    void expectedReady();

  private:
    // The last law worked out to the end, shared with the workers.
    struct KeptLaw {
        std::mutex lock;
        sorvik1::Figure figure;
        std::shared_ptr<const sorvik1::StartLaw> law;
    };

    void showObserved(std::uint64_t request, ChartObserved observed);
    void requestExpected();

    std::uint64_t wanted_ = 0; // numbers the requests
    std::uint64_t observedFor_ = 0;
    ChartObserved observed_;
    std::uint64_t expectedFor_ = 0;
    ChartExpected expected_;
    std::stop_source figureStop_;
    std::shared_ptr<KeptLaw> kept_ = std::make_shared<KeptLaw>();
    // Last, so that their workers are joined before anything they use goes.
    BackgroundJob observedJob_;
    BackgroundJob expectedJob_;
};
