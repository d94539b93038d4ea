#include "core/trainer/practice.h"

#include "core/wheel/colour.h"

#include <algorithm>

namespace sorvik1 {

namespace {

double share(std::int64_t part, std::int64_t whole) {
    return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

} // namespace

double PracticeScore::hitRate() const {
    return share(hits, signalCount);
}
double PracticeScore::missRate() const {
    return share(missed, signalCount);
}
double PracticeScore::wrongColourRate() const {
    return share(wrongColour, signalCount);
}
double PracticeScore::falseCallRate() const {
    return share(falseCalls, settled - signalCount);
}

std::optional<std::int64_t> PracticeScore::medianReactionMs() const {
    if (reactionsMs.empty()) {
        return std::nullopt;
    }
    std::vector<std::int64_t> sorted = reactionsMs;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    // Of an even count the mean of the middle two, rounded down.
    return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double stakeResult(Farbcode colour, int number, bool halfOnZero, Chance chance) {
    const Farbcode came = number >= 0 && number <= 36
                              ? sideTable(chance)[static_cast<std::size_t>(number)]
                              : noColour;
    if (came == noColour) {
        return halfOnZero ? -0.5 : -1.0;
    }
    return came == colour ? 1.0 : -1.0;
}

PracticeJudge::PracticeJudge(const Figure& figure, bool halfOnZero, Chance chance)
    : figure_(figure), halfOnZero_(halfOnZero), chance_(chance), signalRule_(figure) {}

std::optional<Verdict> PracticeJudge::call(const Call& call) {
    if (call_ || score_.spins == 0 || (call.colour != red && call.colour != black)) {
        return std::nullopt;
    }
    call_ = call;
    if (!signal_) {
        return Verdict::FalseCall;
    }
    return call.colour == figureColour() ? Verdict::Hit : Verdict::WrongColour;
}

std::optional<Settled> PracticeJudge::show(int number) {
    number = number >= 0 && number <= 36 ? number : 0;
    std::optional<Settled> settled;
    if (score_.spins > 0) {
        Settled s;
        s.decidingNumber = number;
        s.call = call_;
        if (signal_) {
            ++score_.signalCount;
            s.perfectUnits = stakeResult(figureColour(), number, halfOnZero_, chance_);
            s.verdict = !call_                            ? Verdict::Missed
                        : call_->colour == figureColour() ? Verdict::Hit
                                                          : Verdict::WrongColour;
        } else {
            s.verdict = call_ ? Verdict::FalseCall : Verdict::Quiet;
        }
        if (call_) {
            s.units = stakeResult(call_->colour, number, halfOnZero_, chance_);
            score_.reactionsMs.push_back(call_->reactionMs);
        }
        ++score_.settled;
        score_.hits += s.verdict == Verdict::Hit;
        score_.wrongColour += s.verdict == Verdict::WrongColour;
        score_.missed += s.verdict == Verdict::Missed;
        score_.falseCalls += s.verdict == Verdict::FalseCall;
        score_.units += s.units;
        score_.perfectUnits += s.perfectUnits;
        settled = s;
    }
    ++score_.spins;
    call_.reset();
    signalRule_.push(sideTable(chance_)[static_cast<std::size_t>(number)]);
    signal_ = signalRule_.signal();
    return settled;
}

} // namespace sorvik1
