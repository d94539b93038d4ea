#include "core/laws/occurrence_automaton.h"

#include <algorithm>
#include <utility>

namespace sorvik1 {

OccurrenceAutomaton::OccurrenceAutomaton(const Figure& figure, ZeroRule rule) {
    const SpinChances chances = spinChances(rule);
    chance_ = {chances.zero, chances.colour, chances.colour};
    const int span = figure.span();
    span_ = span;
    for (int offset = 0; offset < span; ++offset) {
        for (std::size_t outcome = 0; outcome < outcomeCount; ++outcome) {
            const Farbcode wanted = figure.at(offset);
            if (wanted == noColour || static_cast<std::size_t>(wanted) == outcome) {
                accepts_[outcome] |= 1U << offset;
            }
        }
    }
    completeBit_ = 1U << (span - 1);
    index(span);
}

// Numbers the reachable states in ascending order of their bits, which keeps
// the successors of neighbouring states close in memory.
void OccurrenceAutomaton::index(int span) {
    std::vector<std::int32_t> indexOf(std::size_t{1} << span, -1);
    std::vector<std::uint32_t> states{0};
    indexOf[0] = 0;
    for (std::size_t i = 0; i < states.size(); ++i) {
        for (std::size_t outcome = 0; outcome < outcomeCount; ++outcome) {
            const std::uint32_t alive = (states[i] | 1U) & accepts_[outcome];
            if (chance_[outcome] > 0.0 && (alive & completeBit_) == 0 && indexOf[alive << 1] < 0) {
                indexOf[alive << 1] = 0;
                states.push_back(alive << 1);
            }
        }
    }
    std::sort(states.begin(), states.end());
    for (std::size_t i = 0; i < states.size(); ++i) {
        indexOf[states[i]] = static_cast<std::int32_t>(i);
    }
    const auto sink = static_cast<std::uint32_t>(states.size());
    next_.resize(states.size());
    afterCompletion_.resize(states.size());
    for (std::size_t i = 0; i < states.size(); ++i) {
        for (std::size_t outcome = 0; outcome < outcomeCount; ++outcome) {
            const std::uint32_t alive = (states[i] | 1U) & accepts_[outcome];
            const bool ends = chance_[outcome] == 0.0 || (alive & completeBit_) != 0;
            next_[i][outcome] = ends ? sink : static_cast<std::uint32_t>(indexOf[alive << 1]);
            const std::int32_t rest = indexOf[(alive & ~completeBit_) << 1];
            afterCompletion_[i][outcome] =
                chance_[outcome] == 0.0 || rest < 0 ? sink : static_cast<std::uint32_t>(rest);
        }
    }
    ages_ = std::move(states);
}

} // namespace sorvik1
