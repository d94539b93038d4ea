#include "core/laws/absence_law.h"

#include "core/laws/absence_chain.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace sorvik1 {

namespace {

struct Windows {
    double lambda = 0;   // expected number of window events
    double boundary = 0; // of the events at the beginning and the end
};

Windows windowsOf(const StartLaw& law, const Stretch& s, std::int64_t length) {
    const std::int64_t n = s.positions;
    const std::int64_t m = s.startable;
    Windows windows;
    // The window at the beginning.
    windows.boundary = law.noneIn(std::min(length, m));
    // A start at a - 1 and none in a .. a + L - 1, for a = 1 .. last; past
    // the startable positions only those up to the last one count.
    const std::int64_t last = std::min(n - length, m);
    const std::int64_t full = std::max<std::int64_t>(0, std::min(last, m - length));
    for (std::int64_t k = m - last; k <= std::min(m, length) - 1; ++k) {
        windows.boundary += law.startThenNone(k);
    }
    windows.lambda = windows.boundary + static_cast<double>(full) * law.startThenNone(length);
    return windows;
}

// Lengths from `low` up, the first at which `holds` fails; `high` + 1 when
// it holds throughout. `holds` must fail from some length on.
template <typename Holds>
std::int64_t firstFailing(std::int64_t low, std::int64_t high, Holds holds) {
    ++high;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (holds(middle)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

// Past the lengths that are certain or impossible.
AbsenceChance approximateAtLeast(const StartLaw& law, const Stretch& stretch, std::int64_t length) {
    const Windows windows = windowsOf(law, stretch, length);
    const double lambda = windows.lambda;
    if (stretch.positions <= 2 * length) {
        return {std::clamp(lambda, 0.0, 1.0), 0.0};
    }
    const double span = law.span();
    const double neighbours = 2 * (static_cast<double>(length) + span) - 1;
    const double b1 = lambda * (neighbours * law.startThenNone(length) + windows.boundary);
    const double b2 = 4 * lambda * (span - 1) * law.noneIn(length - law.span() + 1);
    const double bound = std::min(1.0, 1.0 / lambda) * (b1 + b2);
    // Markov's inequality caps the chance at lambda; disjoint blocks of L
    // positions, span - 1 spins apart, are independent, and each misses
    // every start with the chance of none in L.
    const double blocks = std::floor(static_cast<double>(stretch.positions + law.span() - 1) /
                                     static_cast<double>(length + law.span() - 1));
    const double low = std::max(-std::expm1(blocks * std::log1p(-law.noneIn(length))),
                                -std::expm1(-lambda) - bound);
    const double high = std::min({1.0, lambda, -std::expm1(-lambda) + bound});
    const double chance = std::clamp(-std::expm1(-lambda), low, high);
    return {chance, std::max(chance - low, high - chance)};
}

// The chances no chain is needed for.
std::optional<AbsenceChance> certainOrImpossible(const StartLaw& law, const Stretch& stretch,
                                                 std::int64_t length) {
    if (length <= 0) {
        return AbsenceChance{1.0, 0.0};
    }
    if (length > stretch.positions) {
        return AbsenceChance{0.0, 0.0};
    }
    if (stretch.startable <= 0 || law.span() == 0 ||
        length <= stretch.positions - stretch.startable) {
        return AbsenceChance{1.0, 0.0};
    }
    return std::nullopt;
}

// The whole law where the chain fits the budget: the chances of the lengths
// from the first that is not certain up to the last that the window count
// does not give exactly (2L < n), cut where even the expected number of
// windows falls below 1e-17.
class AbsenceTable {
  public:
    AbsenceTable(const StartLaw& law, const Stretch& stretch, double budget)
        : law_(law), stretch_(stretch) {
        const OccurrenceAutomaton* automaton = law.automaton();
        if (automaton == nullptr || stretch.startable <= 0) {
            return;
        }
        from_ = std::max<std::int64_t>(stretch.positions - stretch.startable + 1, 1);
        const std::int64_t last = (stretch.positions - 1) / 2;
        const std::int64_t to =
            firstFailing(from_, last,
                         [&](std::int64_t l) {
                             return windowsOf(law, stretch, l).lambda > negligibleWindows;
                         }) -
            1;
        if (absenceChainWork(automaton->stateCount(), stretch, from_, to) <= budget) {
            exact_ = true;
            atLeast_ = absenceChain(*automaton, law.span(), stretch, from_, to);
        }
    }

    bool exact() const { return exact_; }

    AbsenceChance at(std::int64_t length) const {
        if (const auto known = certainOrImpossible(law_, stretch_, length)) {
            return *known;
        }
        if (length >= from_ && length - from_ < static_cast<std::int64_t>(atLeast_.size())) {
            return {atLeast_[static_cast<std::size_t>(length - from_)], 0.0};
        }
        return approximateAtLeast(law_, stretch_, length);
    }

  private:
    static constexpr double negligibleWindows = 1e-17;

    const StartLaw& law_;
    Stretch stretch_;
    bool exact_ = false;
    std::int64_t from_ = 1;
    std::vector<double> atLeast_;
};

} // namespace

Stretch shownStretch(int span, std::int64_t shown, std::int64_t runSpins) {
    const std::int64_t positions = std::max<std::int64_t>(shown, 0);
    return {positions, std::clamp<std::int64_t>(runSpins - span + 1, 0, positions)};
}

AbsenceChance longestAtLeast(const StartLaw& law, const Stretch& stretch, std::int64_t length,
                             double budget) {
    if (const auto known = certainOrImpossible(law, stretch, length)) {
        return *known;
    }
    const OccurrenceAutomaton* automaton = law.automaton();
    if (automaton != nullptr && 2 * length < stretch.positions &&
        absenceChainWork(automaton->stateCount(), stretch, length, length) <= budget) {
        return {absenceChain(*automaton, law.span(), stretch, length, length).front(), 0.0};
    }
    return approximateAtLeast(law, stretch, length);
}

ExpectedLongest expectedLongest(const StartLaw& law, const Stretch& stretch, double budget) {
    const std::int64_t n = stretch.positions;
    if (n <= 0) {
        return {};
    }
    const AbsenceTable table(law, stretch, budget);
    const auto chance = [&](std::int64_t length) { return table.at(length); };
    // Below `sure` every length is reached for certain, from `never` on none
    // (what is left there, below 1e-18 each, is bounded too).
    const std::int64_t sure =
        firstFailing(1, n, [&](std::int64_t l) { return chance(l).probability >= 1.0; });
    const std::int64_t never =
        firstFailing(sure, n, [&](std::int64_t l) { return chance(l).probability > 1e-18; });
    ExpectedLongest expected{static_cast<double>(sure - 1),
                             1e-18 * static_cast<double>(n - never + 1)};
    constexpr std::int64_t mostTerms = 200'000;
    if (never - sure <= mostTerms) {
        for (std::int64_t l = sure; l < never; ++l) {
            const AbsenceChance here = chance(l);
            expected.length += here.probability;
            expected.errorBound += here.errorBound;
        }
        return expected;
    }
    // Over a long range the chance changes slowly from one length to the
    // next: the trapezoid rule on evenly spread lengths. For a falling
    // chance it misses at most half the fall over each interval.
    const double width = static_cast<double>(never - sure) / mostTerms;
    AbsenceChance previous = chance(sure);
    for (std::int64_t i = 1; i <= mostTerms; ++i) {
        const AbsenceChance here =
            chance(sure + static_cast<std::int64_t>(std::llround(width * static_cast<double>(i))));
        expected.length += width * (previous.probability + here.probability) / 2;
        expected.errorBound += width * (previous.errorBound + here.errorBound) / 2 +
                               width * std::abs(previous.probability - here.probability) / 2;
        previous = here;
    }
    return expected;
}

std::vector<AbsencePoint> absenceDistribution(const StartLaw& law, const Stretch& stretch,
                                              std::int64_t marked, int points, double budget) {
    const std::int64_t n = stretch.positions;
    std::vector<AbsencePoint> distribution;
    if (n <= 0 || points < 2) {
        return distribution;
    }
    const AbsenceTable table(law, stretch, budget);
    const auto chance = [&](std::int64_t length) { return table.at(length).probability; };
    std::int64_t low = firstFailing(1, n, [&](std::int64_t l) { return chance(l) >= 1 - 1e-4; });
    std::int64_t high = firstFailing(low, n, [&](std::int64_t l) { return chance(l) >= 1e-5; });
    low = std::clamp<std::int64_t>(std::min(low - 1, marked - 1), 1, n);
    high = std::clamp<std::int64_t>(std::max(high, marked + 1), low, n);
    const double width = static_cast<double>(high - low) / (points - 1);
    for (int i = 0; i < points; ++i) {
        const std::int64_t length = low + static_cast<std::int64_t>(std::llround(width * i));
        if (!distribution.empty() && distribution.back().length >= length) {
            continue;
        }
        const double atLeast = chance(length);
        distribution.push_back({length, std::max(0.0, atLeast - chance(length + 1)), atLeast});
    }
    return distribution;
}

} // namespace sorvik1
