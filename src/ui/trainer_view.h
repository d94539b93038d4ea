#pragma once

#include "core/trainer/run_statistics.h"
#include "core/wheel/colour.h"
#include "core/wheel/figure.h"
#include "core/wheel/zero_rule.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QWidget;
namespace sorvik1 {
class Clock;
}

// The active figure and the run's count, as the trainer shows them now.
struct RunSnapshot {
    sorvik1::Figure figure; // empty while no figure is active
    sorvik1::RunCount count;

    friend bool operator==(const RunSnapshot&, const RunSnapshot&) = default;
};

// What the charts are drawn from: copies of the active figure and of the
// spins the trainer's count covers, so that work on them may run on another
// thread while the trainer goes on.
struct ChartInput {
    sorvik1::Figure figure;
    std::int64_t shown = 0;
    std::int64_t runSpins = 0;
    sorvik1::ColourTable colours{};
    // Roulette numbers by spin, 1 .. the last spin the count reads; entry 0
    // and any number that is none read as 0.
    std::vector<std::int16_t> numbers;
    // The loaded permanence's file; empty for random spins.
    QString permanenceFile;
};

// The spins the trainer holds, copied: a loaded permanence's spins, or the
// spins a random run has shown so far.
struct HeldSpins {
    enum class Source { RandomRun, Permanence };
    Source source = Source::RandomRun;
    sorvik1::ColourTable colours{};
    // Roulette numbers by spin, 1 .. count; entry 0 and any number that is
    // none read as 0.
    std::vector<std::int16_t> numbers;

    std::int64_t count() const {
        return numbers.empty() ? 0 : static_cast<std::int64_t>(numbers.size()) - 1;
    }
};

// What the windows beside the trainer see of it. They read it through copies
// and change it only by drawing a figure, which goes through the trainer's
// own handlers as the user's clicks would. The trainer implements it; tests
// of the side windows pass a small fake.
class TrainerView {
  public:
    virtual ~TrainerView() = default;

    // The trainer's window: the side windows' parent, and what they open beside.
    virtual QWidget& trainerWindow() = 0;

    virtual sorvik1::Figure activeFigure() const = 0;
    // How a zero counts for the active figure in the trainer's run.
    virtual sorvik1::ZeroRule zeroRule() const = 0;
    // Cheap enough to be taken several times a second.
    virtual RunSnapshot runSnapshot() const = 0;
    virtual ChartInput chartInput() const = 0;
    virtual HeldSpins heldSpins() const = 0;

    // Whether the trainer's figure section takes drawing: no figure active.
    virtual bool figureGridOpen() const = 0;
    // Draws the figure into the trainer's figure grid from position 1 on, as
    // the user would. Does nothing and returns false unless the grid is open
    // for drawing.
    virtual bool drawFigure(const sorvik1::Figure& figure) = 0;

    virtual const sorvik1::Clock& clock() const = 0;
    // Set when random work is to be reproducible.
    virtual std::optional<std::uint64_t> seed() const = 0;

  protected:
    TrainerView() = default;
    TrainerView(const TrainerView&) = default;
    TrainerView& operator=(const TrainerView&) = default;
};
