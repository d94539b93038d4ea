#pragma once

#include "core/trainer/practice.h"
#include "core/wheel/random.h"
#include "uebung/practice_record.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <vector>

namespace sorvik1 {
class Clock;
}

// How a practice is set up when it starts.
struct PracticeSettings {
    enum class Tempo { AtTable, Fast, OnKey };
    enum class Limit { Spins, Signals };

    sorvik1::Figure figure;
    QString figureName;
    Tempo tempo = Tempo::AtTable;
    double secondsPerSpin = 4; // "wie am Tisch"
    int spinsPerSecond = 10;   // "schnell"
    Limit limit = Limit::Spins;
    int limitCount = 200;
    bool halfOnZero = false;
    // The figure's red and black stand for this chance's two sides.
    sorvik1::Chance chance = sorvik1::Chance::RotSchwarz;
    // The spins of a loaded permanence, in order; empty for a random run.
    std::vector<int> permanence;
    // The random run: practice n of a window draws from stream n of the seed.
    std::uint64_t seed = 0;
    std::uint64_t stream = 0;
};

inline constexpr int fastestSpinsPerSecond = 20;

// Why a practice ended.
enum class PracticeEnd { Limit, PermanenceEnded, Stopped };

// One practice under way: shows spin after spin at its tempo, takes the
// player's calls with their reaction time and judges them. The window shows
// what it reports; tests drive it through advance() without waiting.
class PracticeSession : public QObject {
    Q_OBJECT

  public:
    PracticeSession(PracticeSettings settings, const sorvik1::Clock& clock,
                    QObject* parent = nullptr);

    const PracticeSettings& settings() const { return settings_; }
    const sorvik1::PracticeJudge& judge() const { return judge_; }
    bool running() const { return running_; }
    bool paused() const { return paused_; }
    QDateTime started() const { return started_; }
    // The spins shown so far with the calls made after them, oldest first.
    const std::vector<SpinRecord>& spins() const { return spins_; }

    // Shows the first spin and, at a timed tempo, starts the clock.
    void start();
    // Shows the next spin, or ends the practice when it has no more.
    void advance();
    // The player's call for the next spin; ignored once called, while
    // paused and when not running.
    void call(sorvik1::Farbcode colour);
    // "Setzen" with the figure's own last colour.
    void callFigureColour() { call(judge_.figureColour()); }
    void togglePause();
    void stop() { finish(PracticeEnd::Stopped); }

  signals:
    void spinShown(int number, const std::optional<sorvik1::Settled>& settled);
    void called(sorvik1::Verdict verdict, sorvik1::Farbcode colour, std::int64_t reactionMs);
    void pausedChanged(bool paused);
    void finished(PracticeEnd why);

  private:
    std::optional<int> nextNumber();
    bool limitReached() const;
    void finish(PracticeEnd why);

    PracticeSettings settings_;
    const sorvik1::Clock& clock_;
    sorvik1::PracticeJudge judge_;
    sorvik1::Random random_;
    QTimer timer_;
    QDateTime started_;
    QDateTime spinAppeared_;
    std::vector<SpinRecord> spins_;
    bool running_ = false;
    bool paused_ = false;
};
