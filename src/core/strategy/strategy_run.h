#pragma once

#include "core/scan/spin_word.h"
#include "core/strategy/strategy_plan.h"
#include "core/trainer/course.h"
#include "core/wheel/colour.h"
#include "core/wheel/figure.h"
#include "core/wheel/figure_signal.h"

#include <cstdint>
#include <span>
#include <vector>

namespace sorvik1 {

enum class SessionEnd { SpinsOver, BetsOver, Ruined, TargetReached, Cancelled };

// "Würfe zu Ende", "Kapital erschöpft", ...
const char* sessionEndText(SessionEnd end);

// One bet of a session, for its journal.
struct BetRecord {
    std::int64_t spin = 0; // the deciding spin, counted from 1 in the session
    HalfUnits stake = 0;   // placed
    HalfUnits outcome = 0; // won (positive) or lost
    HalfUnits capital = 0; // after the bet
};

// What chance alone predicts of the bets' sum, per unit staked: each loses
// on average 1/37 of its stake (1/74 with Teilung), with this variance.
double expectedPerUnit(ZeroPayout zero);
double variancePerUnit(ZeroPayout zero);

// What a stake plan did to the capital over one session.
struct SessionResult {
    std::int64_t spins = 0; // read
    std::int64_t bets = 0;
    std::int64_t wins = 0;
    std::int64_t losses = 0; // every bet that lost something, zeros included
    std::int64_t zeros = 0;  // of the losses, those on a zero
    HalfUnits staked = 0;
    HalfUnits net = 0;
    HalfUnits capital = 0; // at the end
    std::int64_t longestLosingSeries = 0;
    HalfUnits maxDrawdown = 0; // the largest fall from a previous high, the start included
    HalfUnits highestStake = 0;
    SessionEnd end = SessionEnd::SpinsOver;
    std::int64_t endSpin = 0; // the last spin read, and the bets placed until then
    // Chance's view along the observed bets, in units: the expected net
    // result and its variance, once the session has ended.
    double expected = 0;
    double variance = 0;
    std::vector<BetRecord> journal; // every bet, when kept

    double perUnitStaked() const;
    // (net - expected) / standard deviation; NaN without a bet.
    double z() const;
};

// Several sessions together: counts and amounts added, the worst series,
// fall and stake of any one, and how many ended ruined or at the target.
struct SessionsTotal {
    SessionResult sum;
    std::int64_t ruined = 0;
    std::int64_t targetReached = 0;
};
SessionsTotal totalOf(std::span<const SessionResult> sessions);

// Plays a stake plan on a figure's signal, one spin after the other. The
// session ends by itself after a bet that takes the capital below the
// table's minimum or up to the target; otherwise the caller ends it.
class StrategySession {
  public:
    StrategySession(const Figure& figure, const StrategySettings& settings, bool keepJournal);

    // Shows the next spins, 1 .. 64 of them. False once the session has
    // ended; then the spins after its last bet are not read.
    bool spins(const SpinWord& word);

    // Ends the session after its `bets`-th bet ("Wetten zu Ende").
    void limitBets(std::int64_t bets) { betLimit_ = bets; }
    // Ends a session that did not end by itself.
    void finish(SessionEnd why);
    bool over() const { return over_; }
    const SessionResult& result() const { return result_; }
    SessionResult take() { return std::move(result_); }

  private:
    void settle(Farbcode colour);

    FigureSignal signal_;
    StakePlan plan_;
    Farbcode betColour_;
    HalfUnits base_;
    HalfUnits limit_; // the table's maximum, or no limit
    HalfUnits minimum_;
    HalfUnits targetCapital_;
    bool halfOnZero_;
    bool keepJournal_;
    std::int64_t largestNominal_; // beyond it the stake means "no limit"
    double expectedPerUnit_;
    double variancePerUnit_;
    std::int64_t betLimit_ = -1; // none
    int state_ = StakePlan::startState;
    HalfUnits high_;
    double stakeSquares_ = 0; // half units squared
    std::int64_t losingSeries_ = 0;
    bool over_ = false;
    SessionResult result_;
};

// A session over given colours, ending when they do.
SessionResult playColours(const Figure& figure, const StrategySettings& settings,
                          const std::vector<Farbcode>& colours, bool keepJournal);

// The capital after each bet of a journal with chance's expectation and
// standard deviation for it, thinned like the run's course.
struct CapitalCurve {
    std::vector<CoursePoint> capital;  // in units, x the bet
    std::vector<CoursePoint> expected; // start plus the expected result so far
    std::vector<CoursePoint> standardDeviation;
};

CapitalCurve capitalCurve(const SessionResult& session, std::int64_t startCapital, ZeroPayout zero,
                          std::int64_t most = 2000);

} // namespace sorvik1
