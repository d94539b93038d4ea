#include "core/laws/absence_chain.h"

#include "core/laws/automaton_moves.h"

#include <algorithm>

namespace sorvik1 {

namespace {

// target = source times the moves' matrix.
void times(const std::vector<AutomatonMove>& steps, const double* source, double* target) {
    for (const AutomatonMove& step : steps) {
        target[step.to] += source[step.from] * step.chance;
    }
}

} // namespace

double absenceChainWork(std::size_t states, const Stretch& stretch, std::int64_t from,
                        std::int64_t to) {
    if (to < from) {
        return 0.0;
    }
    const auto s = static_cast<double>(states);
    const auto lengths = static_cast<double>(to - from + 1);
    const auto positions = static_cast<double>(std::max<std::int64_t>(stretch.startable, 0));
    return lengths * positions * s * (s + 9.0) + static_cast<double>(to) * s * s * 3.0;
}

std::vector<double> absenceChain(const OccurrenceAutomaton& automaton, int span,
                                 const Stretch& stretch, std::int64_t from, std::int64_t to) {
    from = std::max<std::int64_t>(from, 1);
    std::vector<double> atLeast;
    if (to < from) {
        return atLeast;
    }
    const std::size_t states = automaton.stateCount();
    // Q: the moves without a start; R: those that complete the figure.
    const AutomatonMoves moves = automatonMoves(automaton);
    const std::int64_t m = std::max<std::int64_t>(stretch.startable, 0);
    const std::int64_t cannot = stretch.positions - m; // positions that cannot start

    // Where the first span - 1 spins leave the automaton: too few to
    // complete anything.
    std::vector<double> first(states);
    first[0] = 1.0;
    for (int spin = 1; spin < span; ++spin) {
        std::vector<double> next(states);
        times(moves.plain, first.data(), next.data());
        first.swap(next);
    }
    // r_c = Q^c 1: the chance of no start in the next c positions, by state.
    std::vector<std::vector<double>> noStart{std::vector<double>(states, 1.0)};
    for (std::int64_t c = 1; c <= to; ++c) {
        std::vector<double> r(states);
        for (const AutomatonMove& step : moves.plain) {
            r[step.from] += step.chance * noStart.back()[step.to];
        }
        noStart.push_back(std::move(r));
    }
    // Q^L, row by row, raised one length at a time.
    std::vector<double> power(states * states);
    std::vector<double> raised(states * states);
    for (std::size_t s = 0; s < states; ++s) {
        power[s * states + s] = 1.0;
    }
    const auto raise = [&] {
        std::fill(raised.begin(), raised.end(), 0.0);
        for (std::size_t row = 0; row < states; ++row) {
            times(moves.plain, &power[row * states], &raised[row * states]);
        }
        power.swap(raised);
    };
    for (std::int64_t l = 0; l < from; ++l) {
        raise();
    }

    std::vector<double> alive(states);
    std::vector<double> next(states);
    std::vector<double> started(states);
    std::vector<double> reaching(states);
    for (std::int64_t length = from; length <= to; ++length, raise()) {
        // a_t for t = -1 .. m - 1 in a ring of length + 1; a_-1, the start
        // before the first position, is where the first spins leave.
        const auto ring = static_cast<std::size_t>(length) + 1;
        std::vector<double> starts(ring * states);
        const auto slot = [&](std::int64_t t) {
            return &starts[static_cast<std::size_t>(t + 1) % ring * states];
        };
        std::copy(first.begin(), first.end(), slot(-1));
        alive = first;
        double reached = 0.0;
        for (std::int64_t t = 0; t < m; ++t) {
            std::fill(next.begin(), next.end(), 0.0);
            std::fill(started.begin(), started.end(), 0.0);
            times(moves.plain, alive.data(), next.data());
            times(moves.completing, alive.data(), started.data());
            if (t - length >= -1) {
                const double* old = slot(t - length);
                std::fill(reaching.begin(), reaching.end(), 0.0);
                for (std::size_t s = 0; s < states; ++s) {
                    if (old[s] == 0.0) {
                        continue;
                    }
                    const double* row = &power[s * states];
                    for (std::size_t u = 0; u < states; ++u) {
                        reaching[u] += old[s] * row[u];
                    }
                }
                for (std::size_t s = 0; s < states; ++s) {
                    reached += reaching[s];
                    next[s] -= reaching[s];
                }
            }
            for (std::size_t s = 0; s < states; ++s) {
                // What reached L was part of the vector; rounding must not
                // leave less than nothing.
                alive[s] = std::max(0.0, next[s] + started[s]);
            }
            std::copy(started.begin(), started.end(), slot(t));
        }
        // Alive at the end with a stretch of c >= L - cannot: the positions
        // that cannot start carry it to L.
        for (std::int64_t c = std::max<std::int64_t>(length - cannot, 0);
             c < length && m - 1 - c >= -1; ++c) {
            const double* a = slot(m - 1 - c);
            const std::vector<double>& r = noStart[static_cast<std::size_t>(c)];
            for (std::size_t s = 0; s < states; ++s) {
                reached += a[s] * r[s];
            }
        }
        atLeast.push_back(std::min(reached, 1.0));
    }
    return atLeast;
}

} // namespace sorvik1
