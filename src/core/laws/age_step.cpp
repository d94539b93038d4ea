#include "core/laws/age_step.h"

#include <algorithm>
#include <array>
#include <bit>

namespace sorvik1 {

namespace {

// The sets stepped together: their sums stay in the nearest cache.
constexpr int chunkBits = 9;
// Below this share of the sets reachable, stepping every set costs more
// than the table of moves it saves.
constexpr double reachableShare = 0.5;

using Lanes = std::array<double, 4>;

// Sums side by side: one alone would make every add wait for the one before.
// Held apart from `lanes` while adding, the sums stay in registers.
void addInLanes(Lanes& lanes, const double* values, std::size_t count) {
    Lanes sums = lanes;
    std::size_t i = 0;
    for (; i + sums.size() <= count; i += sums.size()) {
        for (std::size_t lane = 0; lane < sums.size(); ++lane) {
            sums[lane] += values[i + lane];
        }
    }
    for (; i < count; ++i) {
        sums[0] += values[i];
    }
    lanes = sums;
}

double sumOf(const Lanes& lanes) {
    return (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
}

} // namespace

std::optional<AgeStep> AgeStep::of(const OccurrenceAutomaton& automaton) {
    const int span = automaton.span();
    if (span < 3 || static_cast<double>(automaton.stateCount()) <
                        reachableShare * static_cast<double>(std::size_t{1} << (span - 1))) {
        return std::nullopt;
    }
    AgeStep step;
    step.half_ = std::uint32_t{1} << (span - 2);
    const std::uint32_t below = step.half_ - 1;
    int chunk = std::min(chunkBits, span - 2);
    std::array<std::uint32_t, OccurrenceAutomaton::outcomeCount> masks{};
    for (std::size_t outcome = 0; outcome < OccurrenceAutomaton::outcomeCount; ++outcome) {
        const double chance = automaton.chance(outcome);
        if (chance == 0.0) {
            continue;
        }
        const std::uint32_t accepts = automaton.accepts(outcome);
        // Set x goes to ((2 x + 1) & accepts), complete once the highest
        // offset is passed.
        const auto same = std::find(masks.begin(), masks.begin() + step.groups_.size(), accepts);
        if (same != masks.begin() + step.groups_.size()) {
            step.groups_[static_cast<std::size_t>(same - masks.begin())].chance += chance;
            continue;
        }
        masks[step.groups_.size()] = accepts;
        Group group{
            chance, (accepts >> 1) & below, accepts & 1U, ((accepts >> (span - 1)) & 1U) != 0, {}};
        const std::uint32_t dropped = below & ~group.keep;
        std::uint32_t combination = 0;
        do {
            group.dropped.push_back(combination);
            combination = (combination - dropped) & dropped;
        } while (combination != 0);
        chunk = std::min(chunk, std::countr_one(group.keep));
        step.groups_.push_back(std::move(group));
    }
    step.chunk_ = std::uint32_t{1} << chunk;
    return step;
}

std::vector<double> AgeStep::spread(const OccurrenceAutomaton& automaton,
                                    const std::vector<double>& chances) const {
    std::vector<double> spread(sets());
    for (std::size_t state = 0; state < chances.size(); ++state) {
        spread[automaton.ages(state) >> 1] = chances[state];
    }
    return spread;
}

AgeStep::Sums AgeStep::operator()(const std::vector<double>& u, std::vector<double>& following,
                                  double total) const {
    constexpr std::size_t most = std::size_t{1} << chunkBits;
    Lanes alive{};
    Lanes highest{};
    std::array<std::array<double, most>, 2> next;
    static constexpr std::array<double, most> zeros{};
    // Sets without the highest age, and each one's twin with it.
    const double* low = u.data();
    const double* high = u.data() + half_;
    for (std::uint32_t first = 0; first < half_; first += chunk_) {
        // next[b][i]: the set 2 (first + i) + b; reached[b]: it holds a sum.
        std::array<bool, 2> reached{};
        for (const Group& group : groups_) {
            // The chunk is no longer than the run of kept low bits, so its
            // sets are all reached by the group, or none.
            if ((first & ~group.keep) != 0) {
                continue;
            }
            double* into = next[group.started].data();
            const double chance = group.chance / total;
            for (const std::uint32_t dropped : group.dropped) {
                const double* fromLow = low + first + dropped;
                const double* fromHigh = high + first + dropped;
                const double* before = reached[group.started] ? into : zeros.data();
                if (group.completes) {
                    for (std::uint32_t i = 0; i < chunk_; ++i) {
                        into[i] = before[i] + fromLow[i] * chance;
                    }
                } else {
                    for (std::uint32_t i = 0; i < chunk_; ++i) {
                        into[i] = before[i] + (fromLow[i] + fromHigh[i]) * chance;
                    }
                }
                reached[group.started] = true;
            }
        }
        for (std::size_t b = 0; b < reached.size(); ++b) {
            if (!reached[b]) {
                std::fill_n(next[b].begin(), chunk_, 0.0);
            }
        }
        double* out = following.data() + 2 * std::size_t{first};
        for (std::uint32_t i = 0; i < chunk_; ++i) {
            out[2 * i] = next[0][i];
            out[2 * i + 1] = next[1][i];
        }
        addInLanes(alive, next[0].data(), chunk_);
        addInLanes(alive, next[1].data(), chunk_);
        addInLanes(highest, high + first, chunk_);
    }
    double completingChance = 0;
    for (const Group& group : groups_) {
        if (group.completes) {
            completingChance += group.chance / total;
        }
    }
    return {sumOf(highest) * completingChance, sumOf(alive)};
}

} // namespace sorvik1
