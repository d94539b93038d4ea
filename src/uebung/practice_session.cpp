#include "uebung/practice_session.h"

#include "ui/clock.h"

#include <algorithm>
#include <cmath>

PracticeSession::PracticeSession(PracticeSettings settings, const sorvik1::Clock& clock,
                                 QObject* parent)
    : QObject(parent), settings_(std::move(settings)), clock_(clock),
      judge_(settings_.figure, settings_.halfOnZero, settings_.chance),
      random_(settings_.seed, settings_.stream) {
    using Tempo = PracticeSettings::Tempo;
    const double seconds =
        settings_.tempo == Tempo::Fast
            ? 1.0 / std::clamp(settings_.spinsPerSecond, 1, fastestSpinsPerSecond)
            : settings_.secondsPerSpin;
    timer_.setInterval(static_cast<int>(std::lround(seconds * 1000)));
    connect(&timer_, &QTimer::timeout, this, &PracticeSession::advance);
}

void PracticeSession::start() {
    running_ = true;
    started_ = clock_.now();
    advance();
    if (running_ && settings_.tempo != PracticeSettings::Tempo::OnKey) {
        timer_.start();
    }
}

std::optional<int> PracticeSession::nextNumber() {
    if (settings_.permanence.empty()) {
        return random_.number();
    }
    if (spins_.size() < settings_.permanence.size()) {
        return settings_.permanence[spins_.size()];
    }
    return std::nullopt;
}

void PracticeSession::advance() {
    if (!running_ || paused_) {
        return;
    }
    const std::optional<int> number = nextNumber();
    if (!number) {
        finish(PracticeEnd::PermanenceEnded);
        return;
    }
    const auto settled = judge_.show(*number);
    if (settled && settled->call) {
        spins_.back().call = settled->call->colour;
        spins_.back().reactionMs = settled->call->reactionMs;
    }
    spins_.push_back({*number, sorvik1::noColour, std::nullopt});
    spinAppeared_ = clock_.now();
    emit spinShown(*number, settled);
    if (limitReached()) {
        finish(PracticeEnd::Limit);
    }
}

bool PracticeSession::limitReached() const {
    const auto& score = judge_.score();
    return settings_.limit == PracticeSettings::Limit::Spins
               ? score.spins >= settings_.limitCount
               : score.signalCount >= settings_.limitCount;
}

void PracticeSession::call(sorvik1::Farbcode colour) {
    if (!running_ || paused_) {
        return;
    }
    const std::int64_t reaction = std::max<std::int64_t>(0, spinAppeared_.msecsTo(clock_.now()));
    if (const auto verdict = judge_.call({colour, reaction})) {
        emit called(*verdict, colour, reaction);
    }
}

void PracticeSession::togglePause() {
    if (!running_ || settings_.tempo == PracticeSettings::Tempo::OnKey) {
        return;
    }
    paused_ = !paused_;
    if (paused_) {
        timer_.stop();
    } else {
        // The spin on show gets its full time again, and the pause counts
        // into no reaction.
        spinAppeared_ = clock_.now();
        timer_.start();
    }
    emit pausedChanged(paused_);
}

void PracticeSession::finish(PracticeEnd why) {
    if (!running_) {
        return;
    }
    running_ = false;
    paused_ = false;
    timer_.stop();
    emit finished(why);
}
