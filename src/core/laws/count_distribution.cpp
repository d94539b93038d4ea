#include "core/laws/count_law.h"

#include <algorithm>
#include <map>

namespace sorvik1 {

namespace {

// The saturated law of the count in one sequence of n spins: the chance of
// every (count, state) pair stepped spin by spin, counts at `cap` or above
// kept together.
std::vector<double> oneSequence(const OccurrenceAutomaton& automaton, std::int64_t n,
                                std::int64_t cap) {
    const std::size_t states = automaton.stateCount();
    const auto counts = static_cast<std::size_t>(cap) + 1;
    std::vector<double> cells(counts * states);
    std::vector<double> following(cells.size());
    cells[0] = 1.0;
    std::size_t reached = 0; // highest count with any chance yet
    for (std::int64_t spin = 0; spin < n; ++spin) {
        const std::size_t highest = std::min(reached + 1, counts - 1);
        std::fill(following.begin(),
                  following.begin() + static_cast<std::ptrdiff_t>((highest + 1) * states), 0.0);
        for (std::size_t c = 0; c <= reached; ++c) {
            const std::size_t up = std::min(c + 1, counts - 1);
            for (std::size_t s = 0; s < states; ++s) {
                const double here = cells[c * states + s];
                if (here == 0.0) {
                    continue;
                }
                for (std::size_t o = 0; o < OccurrenceAutomaton::outcomeCount; ++o) {
                    const double chance = automaton.chance(o);
                    if (chance == 0.0) {
                        continue;
                    }
                    const std::uint32_t to = automaton.next(s, o);
                    if (to == states) {
                        following[up * states + automaton.afterCompletion(s, o)] += here * chance;
                    } else {
                        following[c * states + to] += here * chance;
                    }
                }
            }
        }
        cells.swap(following);
        reached = highest;
    }
    std::vector<double> law(counts);
    for (std::size_t c = 0; c < counts; ++c) {
        for (std::size_t s = 0; s < states; ++s) {
            law[c] += cells[c * states + s];
        }
    }
    return law;
}

// The saturated law of the sum of two independent saturated counts.
std::vector<double> convolved(const std::vector<double>& a, const std::vector<double>& b) {
    const std::size_t cap = a.size() - 1;
    std::vector<double> sum(a.size());
    for (std::size_t i = 0; i <= cap; ++i) {
        if (a[i] == 0.0) {
            continue;
        }
        for (std::size_t j = 0; j <= cap; ++j) {
            sum[std::min(i + j, cap)] += a[i] * b[j];
        }
    }
    return sum;
}

} // namespace

std::vector<double> countDistribution(const OccurrenceAutomaton& automaton,
                                      std::span<const std::int64_t> lengths, std::int64_t cap) {
    std::map<std::int64_t, int> sequencesOf;
    for (const std::int64_t n : lengths) {
        ++sequencesOf[n];
    }
    std::vector<double> total(static_cast<std::size_t>(cap) + 1);
    total[0] = 1.0;
    for (const auto& [n, count] : sequencesOf) {
        const std::vector<double> one = oneSequence(automaton, n, cap);
        for (int i = 0; i < count; ++i) {
            total = convolved(total, one);
        }
    }
    return total;
}

} // namespace sorvik1
