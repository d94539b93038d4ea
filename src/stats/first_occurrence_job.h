#pragma once

#include "core/laws/first_occurrence.h"
#include "core/wheel/figure.h"
#include "ui/background_job.h"

#include <QObject>

#include <cstdint>
#include <optional>

// Works out the first-occurrence figures away from the window's thread: for
// a figure with many free positions they can take seconds, and the window
// must not freeze meanwhile. Only the latest request matters.
class FirstOccurrenceJob : public QObject {
    Q_OBJECT

  public:
    explicit FirstOccurrenceJob(QObject* parent = nullptr);

    // The figures of `figure` over `spins` spins (a zero breaks the figure).
    void request(const sorvik1::Figure& figure, std::int64_t spins);

    // The latest figures worked out for the requested figure, or none yet.
    // The expected wait does not depend on the spins, so it is current even
    // while the chance for new spins is still being worked out.
    const sorvik1::FirstOccurrence* forFigure() const;
    // Whether forFigure() also holds the chance for the requested spins.
    bool current() const;

  signals:
    void ready();

  private:
    struct Key {
        sorvik1::Figure figure;
        std::int64_t spins = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

    Key wanted_;
    std::optional<Key> doneKey_;
    sorvik1::FirstOccurrence done_;
    // Last, so that its worker is joined before anything it uses goes.
    BackgroundJob job_;
};
