#include "core/laws/count_law.h"

#include "core/laws/automaton_moves.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>

namespace sorvik1 {

namespace {

// K(t) = log E[e^(t X)] of the count with its first two derivatives.
struct Cumulants {
    double value = 0;
    double slope = 0;
    double curvature = 0;

    Cumulants operator-(const Cumulants& o) const {
        return {value - o.value, slope - o.slope, curvature - o.curvature};
    }
    Cumulants scaled(double f) const { return {value * f, slope * f, curvature * f}; }
    Cumulants& operator+=(const Cumulants& o) {
        value += o.value;
        slope += o.slope;
        curvature += o.curvature;
        return *this;
    }
};

// A step's increment has settled when it changed by less than this, in
// units of the quantity's scale, over the longest sequence; or, where that
// is below what rounding lets a step tell apart, by less than a few units
// of rounding of the sum so far. K itself needs no more than an absolute
// 1e-10 (it moves p by that share), K' that much of a standard deviation,
// K'' that share.
constexpr double settledShare = 1e-10;
constexpr double roundingShare = 1e-14;

bool settled(double step, double before, double sum, double scale, double steps) {
    return std::abs(step - before) <=
           std::max(settledShare / steps * scale, roundingShare * (std::abs(sum) + scale));
}

// A state's share of u0 M(t)^k 1 with its first two derivatives in t.
struct Share {
    double v = 0;
    double dv = 0;
    double d2v = 0;
};

// Steps u0 M(t)^k 1 and its derivatives in t, M(t) the automaton's matrix
// with e^t on every completion, kept divided by its own sum. Once a step's
// increments of K, K' and K'' have settled (the distribution over the states
// has become the eigenvector's), every later step adds the same: the longer
// sequences are extrapolated. Nothing settles before twice the span: until
// then the first completions are still to come. The increments must hold
// for a whole span of steps: a figure whose offsets share a factor d moves
// in blocks of d equal steps.
Cumulants cumulants(const AutomatonMoves& moves, const std::map<std::int64_t, int>& sequencesOf,
                    int span, double t) {
    std::vector<Share> shares(moves.states);
    std::vector<Share> next(moves.states);
    shares[0].v = 1.0;
    const double weight = std::exp(t);
    Cumulants total;
    Cumulants now;
    Cumulants step;
    Cumulants before;
    int calm = 0;
    auto following = sequencesOf.begin();
    const std::int64_t longest = sequencesOf.empty() ? 0 : sequencesOf.rbegin()->first;
    const auto steps = static_cast<double>(longest);
    for (std::int64_t spin = 1; spin <= longest; ++spin) {
        for (const AutomatonMove& move : moves.plain) {
            const Share& from = shares[move.from];
            Share& to = next[move.to];
            to.v += move.chance * from.v;
            to.dv += move.chance * from.dv;
            to.d2v += move.chance * from.d2v;
        }
        for (const AutomatonMove& move : moves.completing) {
            const Share& from = shares[move.from];
            Share& to = next[move.to];
            const double w = move.chance * weight;
            to.v += w * from.v;
            to.dv += w * (from.dv + from.v);
            to.d2v += w * (from.d2v + 2.0 * from.dv + from.v);
        }
        double sum = 0, dsum = 0, d2sum = 0;
        for (const Share& share : next) {
            sum += share.v;
            dsum += share.dv;
            d2sum += share.d2v;
        }
        // Emptied on the way for the next step.
        const double scale = 1.0 / sum;
        for (std::size_t s = 0; s < moves.states; ++s) {
            shares[s] = {next[s].v * scale, next[s].dv * scale, next[s].d2v * scale};
            next[s] = {};
        }
        const double slope = dsum / sum;
        const Cumulants after{now.value + std::log(sum), slope, d2sum / sum - slope * slope};
        before = step;
        step = after - now;
        now = after;
        for (; following != sequencesOf.end() && following->first <= spin; ++following) {
            if (following->first == spin) {
                total += now.scaled(following->second);
            }
        }
        const double curvature = std::abs(now.curvature) + steps * std::abs(step.curvature);
        const bool still =
            settled(step.value, before.value, now.value, 1.0, steps) &&
            settled(step.slope, before.slope, now.slope, 1.0 + std::sqrt(curvature), steps) &&
            settled(step.curvature, before.curvature, now.curvature, curvature, steps);
        calm = still && spin >= 2 * span ? calm + 1 : 0;
        if (calm > span) {
            for (; following != sequencesOf.end(); ++following) {
                Cumulants at = now;
                at += step.scaled(static_cast<double>(following->first - spin));
                total += at.scaled(following->second);
            }
            break;
        }
    }
    return total;
}

// Closer to the middle the tail is above 0.3, and the correction term is
// left out; its share there is of the order of the skew.
constexpr double nearMiddle = 0.5;

// Q(w) / phi(w), the normal tail over the density, for w >= 0.
double millsRatio(double w) {
    if (w < 30.0) {
        return 0.5 * std::erfc(w / std::numbers::sqrt2) /
               (std::exp(-0.5 * w * w) / std::sqrt(2.0 * std::numbers::pi));
    }
    const double r = 1.0 / (w * w);
    return (1.0 - r * (1.0 - 3.0 * r * (1.0 - 5.0 * r))) / w;
}

// P(X >= x), or with `lower` P(X <= x): the saddlepoint t solves
// K'(t) = x -+ 1/2, and
//   P = Q(w) + phi(w) (1/u - 1/w),  w = sign(t) sqrt(2 (t y - K(t))),
//   u = 2 sinh(t / 2) sqrt(K''(t)),
// taken with the signs of w and u flipped for the lower tail; in logs, so
// that a tail far below the smallest double reads 0 and none above it does.
double tail(const AutomatonMoves& moves, const std::map<std::int64_t, int>& sequencesOf, int span,
            const CountMoments& moments, std::int64_t x, bool lower) {
    const double y = static_cast<double>(x) + (lower ? 0.5 : -0.5);
    double t = std::clamp((y - moments.expected) / std::max(moments.variance, 1e-300), -30.0, 30.0);
    double below = -std::numeric_limits<double>::infinity();
    double above = std::numeric_limits<double>::infinity();
    Cumulants k;
    for (int iteration = 0; iteration < 100; ++iteration) {
        k = cumulants(moves, sequencesOf, span, t);
        const double miss = k.slope - y;
        if (std::abs(miss) <= 1e-6 * std::sqrt(k.curvature) || k.curvature <= 0.0) {
            break;
        }
        (miss > 0 ? above : below) = t;
        double next = t - miss / k.curvature;
        if (!(next > below && next < above)) {
            next = std::isfinite(below) && std::isfinite(above) ? (below + above) / 2
                   : miss > 0                                   ? t - 1.0
                                                                : t + 1.0;
        }
        // Where the count nears its bounds K'' is small and a full step
        // overshoots far.
        next = std::clamp(next, t - 1.0, t + 1.0);
        if (std::abs(next) > 60.0) {
            // Beyond every count the figure can reach.
            return lower == (next < 0) ? 0.0 : 1.0;
        }
        t = next;
    }
    const double sign = lower ? -1.0 : 1.0;
    const double w = sign * std::copysign(std::sqrt(std::max(0.0, 2.0 * (t * y - k.value))), t);
    const double u = sign * 2.0 * std::sinh(t / 2.0) * std::sqrt(k.curvature);
    const double logDensity = -0.5 * w * w - 0.5 * std::log(2.0 * std::numbers::pi);
    if (std::abs(w) < nearMiddle) {
        // 1/u - 1/w cancels to nothing there, but in rounding errors.
        return 0.5 * std::erfc(w / std::numbers::sqrt2);
    }
    if (w < 0.0) {
        return std::clamp(1.0 - 0.5 * std::erfc(-w / std::numbers::sqrt2) +
                              std::exp(logDensity) * (1.0 / u - 1.0 / w),
                          0.0, 1.0);
    }
    const double rest = millsRatio(w) + 1.0 / u - 1.0 / w;
    return rest <= 0.0 ? 0.0 : std::min(1.0, std::exp(logDensity + std::log(rest)));
}

} // namespace

double saddlepointTail(const OccurrenceAutomaton& automaton, int span,
                       std::span<const std::int64_t> lengths, const CountMoments& moments,
                       std::int64_t x, bool lower) {
    std::map<std::int64_t, int> sequencesOf;
    for (const std::int64_t n : lengths) {
        if (n > 0) {
            ++sequencesOf[n];
        }
    }
    if (lower ? x < 0 : x <= 0) {
        return lower ? 0.0 : 1.0;
    }
    return tail(automatonMoves(automaton), sequencesOf, span, moments, x, lower);
}

} // namespace sorvik1
