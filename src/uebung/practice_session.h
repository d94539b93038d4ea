#pragma once

#include "core/practice.h"
#include "core/random.h"

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
    // The spins of a loaded permanence, in order; empty for a random run.
    std::vector<int> permanence;
    std::uint64_t seed = 0; // of the random run
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
    // The numbers shown so far, oldest first.
    const std::vector<int>& shown() const { return shown_; }

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
    void called(sorvik1::Verdict verdict, std::int64_t reactionMs);
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
    std::vector<int> shown_;
    bool running_ = false;
    bool paused_ = false;
};
