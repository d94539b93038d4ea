#pragma once

#include "core/wheel/chance.h"
#include "core/wheel/colour.h"
#include "core/wheel/figure.h"
#include "core/wheel/figure_signal.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sorvik1 {

// What became of the player's decision after one spin.
enum class Verdict {
    Quiet,       // no signal and no call: letting the spin pass was right
    Hit,         // a signal, called with the figure's last colour
    WrongColour, // a signal, called with the other colour
    Missed,      // a signal the player let pass
    FalseCall,   // a call where the spins gave no signal
};

// A call's colour and the milliseconds from the spin's appearance to it.
struct Call {
    Farbcode colour = noColour;
    std::int64_t reactionMs = 0;
};

// A decision settled by the spin that followed it.
struct Settled {
    Verdict verdict = Verdict::Quiet;
    std::optional<Call> call;
    int decidingNumber = 0;
    // What the call won or lost in units (0 without a call), and what
    // calling the signal with the figure's colour would have (0 without one).
    double units = 0;
    double perfectUnits = 0;
};

// The score of a practice so far.
struct PracticeScore {
    std::int64_t spins = 0;   // spins shown
    std::int64_t settled = 0; // decisions settled by a following spin
    std::int64_t signalCount = 0;
    std::int64_t hits = 0;
    std::int64_t wrongColour = 0;
    std::int64_t missed = 0;
    std::int64_t falseCalls = 0;
    double units = 0;
    double perfectUnits = 0;
    std::vector<std::int64_t> reactionsMs; // of every settled call, in order

    // Shares of the signals, and false calls among the spins without one;
    // 0 where there was nothing to share.
    double hitRate() const;
    double missRate() const;
    double wrongColourRate() const;
    double falseCallRate() const;
    std::optional<std::int64_t> medianReactionMs() const;
};

// One unit staked on `colour` and decided by `number`: +1 when the colour
// comes, -1 when the other comes, and a zero loses the whole unit or, with
// "Teilung bei Null", half of it.
// On another chance than Rot/Schwarz, `colour` names its side as its
// red or black code.
double stakeResult(Farbcode colour, int number, bool halfOnZero,
                   Chance chance = Chance::RotSchwarz);

// Judges a practice spin by spin. After each spin the spins so far either
// complete every occupied position of the figure but its last, so that the
// next spin decides (a signal), or not; the player calls a colour or lets
// the spin pass, and the next spin settles the decision. Only spins of the
// practice count: nothing before its first spin fills a position.
class PracticeJudge {
  public:
    // The figure's and the calls' red and black stand for the first and the
    // second side of `chance`.
    PracticeJudge(const Figure& figure, bool halfOnZero, Chance chance = Chance::RotSchwarz);

    const Figure& figure() const { return figure_; }
    // Does the next spin decide?
    bool signal() const { return signal_; }
    // The colour the figure calls for on the deciding spin.
    Farbcode figureColour() const { return signalRule_.colour(); }

    // Records the player's call for the next spin, once per spin; later
    // calls and calls before the first spin are ignored. Returns the verdict
    // known at once (Hit, WrongColour or FalseCall), or nothing when ignored.
    std::optional<Verdict> call(const Call& call);
    bool called() const { return call_.has_value(); }

    // Shows the next spin (0 .. 36); settles the decision after the spin
    // before, unless this is the first.
    std::optional<Settled> show(int number);

    const PracticeScore& score() const { return score_; }

  private:
    Figure figure_;
    bool halfOnZero_;
    Chance chance_;
    FigureSignal signalRule_;
    bool signal_ = false;
    std::optional<Call> call_;
    PracticeScore score_;
};

} // namespace sorvik1
