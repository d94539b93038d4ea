#include "core/strategy/strategy_run.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace sorvik1 {

namespace {

constexpr HalfUnits noLimit = std::numeric_limits<HalfUnits>::max() / 4;

HalfUnits halfUnits(std::int64_t units) {
    return 2 * units;
}

} // namespace

const char* sessionEndText(SessionEnd end) {
    switch (end) {
    case SessionEnd::SpinsOver:
        return "Würfe zu Ende";
    case SessionEnd::BetsOver:
        return "Wetten zu Ende";
    case SessionEnd::Ruined:
        return "Kapital erschöpft";
    case SessionEnd::TargetReached:
        return "Ziel erreicht";
    case SessionEnd::Cancelled:
        break;
    }
    return "Abgebrochen";
}

double expectedPerUnit(ZeroPayout zero) {
    return zero == ZeroPayout::Halved ? -1.0 / 74.0 : -1.0 / 37.0;
}

double variancePerUnit(ZeroPayout zero) {
    return zero == ZeroPayout::Halved ? 1341.0 / 1369.0 : 1368.0 / 1369.0;
}

double SessionResult::perUnitStaked() const {
    return staked > 0 ? static_cast<double>(net) / static_cast<double>(staked) : 0.0;
}

double SessionResult::z() const {
    if (variance <= 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return (inUnits(net) - expected) / std::sqrt(variance);
}

StrategySession::StrategySession(const Figure& figure, const StrategySettings& settings,
                                 bool keepJournal)
    : signal_(figure), plan_(settings), base_(halfUnits(settings.base)),
      limit_(settings.maximum ? halfUnits(*settings.maximum) : noLimit),
      minimum_(halfUnits(settings.tableMinimum())),
      targetCapital_(settings.target ? halfUnits(settings.capital + *settings.target) : noLimit),
      halfOnZero_(settings.zero == ZeroPayout::Halved), keepJournal_(keepJournal),
      largestNominal_(noLimit / base_), expectedPerUnit_(expectedPerUnit(settings.zero)),
      variancePerUnit_(variancePerUnit(settings.zero)), high_(halfUnits(settings.capital)) {
    betColour_ = settings.against ? (signal_.colour() == red ? black : red) : signal_.colour();
    result_.capital = high_;
}

// Inlined into the loop over the deciding spins: a call per bet cost a
// quarter of a long session.
[[gnu::always_inline]] inline void StrategySession::settle(Farbcode colour) {
    const std::int64_t nominal = plan_.nominal(state_);
    const HalfUnits wanted = nominal > largestNominal_ ? noLimit : nominal * base_;
    // Chips are whole units: half a unit left over after a Teilung stays put.
    const HalfUnits stake = std::min({wanted, limit_, result_.capital & ~HalfUnits{1}});
    const bool won = colour == betColour_;
    const bool zero = colour == noColour;
    const HalfUnits outcome = won ? stake : zero && halfOnZero_ ? -stake / 2 : -stake;
    result_.zeros += zero;
    state_ = plan_.next(state_, won);
    result_.capital += outcome;
    ++result_.bets;
    result_.wins += won;
    result_.losses += !won;
    result_.staked += stake;
    result_.net += outcome;
    result_.highestStake = std::max(result_.highestStake, stake);
    losingSeries_ = won ? 0 : losingSeries_ + 1;
    result_.longestLosingSeries = std::max(result_.longestLosingSeries, losingSeries_);
    high_ = std::max(high_, result_.capital);
    result_.maxDrawdown = std::max(result_.maxDrawdown, high_ - result_.capital);
    stakeSquares_ += static_cast<double>(stake) * static_cast<double>(stake);
    if (keepJournal_) {
        result_.journal.push_back({result_.spins, stake, outcome, result_.capital});
    }
    if (result_.capital < minimum_) {
        finish(SessionEnd::Ruined);
    } else if (result_.capital >= targetCapital_) {
        finish(SessionEnd::TargetReached);
    } else if (result_.bets == betLimit_) {
        finish(SessionEnd::BetsOver);
    }
}

bool StrategySession::spins(const SpinWord& word) {
    if (over_) {
        return false;
    }
    const auto [reds, blacks, count] = word;
    const std::int64_t before = result_.spins;
    for (std::uint64_t deciding = signal_.decidingIn(reds, blacks, count); deciding != 0;
         deciding &= deciding - 1) {
        const int k = std::countr_zero(deciding);
        result_.spins = before + k + 1;
        settle((reds >> k) & 1U ? red : (blacks >> k) & 1U ? black : noColour);
        if (over_) {
            return false;
        }
    }
    result_.spins = before + count;
    return true;
}

void StrategySession::finish(SessionEnd why) {
    if (!over_) {
        over_ = true;
        result_.end = why;
        result_.endSpin = result_.spins;
        result_.expected = expectedPerUnit_ * inUnits(result_.staked);
        result_.variance = variancePerUnit_ * stakeSquares_ / 4;
    }
}

SessionResult playColours(const Figure& figure, const StrategySettings& settings,
                          const std::vector<Farbcode>& colours, bool keepJournal) {
    StrategySession session(figure, settings, keepJournal);
    for (const SpinWord& word : packSides(colours)) {
        if (!session.spins(word)) {
            break;
        }
    }
    session.finish(SessionEnd::SpinsOver);
    return session.take();
}

CapitalCurve capitalCurve(const SessionResult& session, std::int64_t startCapital, ZeroPayout zero,
                          std::int64_t most) {
    const auto& journal = session.journal;
    const auto count = static_cast<std::int64_t>(journal.size());
    std::vector<double> staked(journal.size() + 1);
    std::vector<double> squares(journal.size() + 1);
    for (std::size_t i = 0; i < journal.size(); ++i) {
        const double units = inUnits(journal[i].stake);
        staked[i + 1] = staked[i] + units;
        squares[i + 1] = squares[i] + units * units;
    }
    CapitalCurve curve;
    curve.capital = thinned(count, most, [&](std::int64_t x) {
        return inUnits(journal[static_cast<std::size_t>(x - 1)].capital);
    });
    for (const CoursePoint& point : curve.capital) {
        const auto x = static_cast<std::size_t>(point.x);
        curve.expected.push_back(
            {point.x, static_cast<double>(startCapital) + expectedPerUnit(zero) * staked[x]});
        curve.standardDeviation.push_back({point.x, std::sqrt(variancePerUnit(zero) * squares[x])});
    }
    return curve;
}

SessionsTotal totalOf(std::span<const SessionResult> sessions) {
    SessionsTotal total;
    SessionResult& t = total.sum;
    for (const SessionResult& s : sessions) {
        t.spins += s.spins;
        t.bets += s.bets;
        t.wins += s.wins;
        t.losses += s.losses;
        t.zeros += s.zeros;
        t.staked += s.staked;
        t.net += s.net;
        t.expected += s.expected;
        t.variance += s.variance;
        t.longestLosingSeries = std::max(t.longestLosingSeries, s.longestLosingSeries);
        t.maxDrawdown = std::max(t.maxDrawdown, s.maxDrawdown);
        t.highestStake = std::max(t.highestStake, s.highestStake);
        total.ruined += s.end == SessionEnd::Ruined;
        total.targetReached += s.end == SessionEnd::TargetReached;
    }
    return total;
}

} // namespace sorvik1
