#include "core/laws/automaton_moves.h"

namespace sorvik1 {

AutomatonMoves automatonMoves(const OccurrenceAutomaton& automaton) {
    AutomatonMoves moves;
    moves.states = automaton.stateCount();
    for (std::size_t s = 0; s < moves.states; ++s) {
        for (std::size_t o = 0; o < OccurrenceAutomaton::outcomeCount; ++o) {
            const double chance = automaton.chance(o);
            if (chance == 0.0) {
                continue;
            }
            const auto from = static_cast<std::uint32_t>(s);
            const std::uint32_t to = automaton.next(s, o);
            if (to == moves.states) {
                moves.completing.push_back({from, automaton.afterCompletion(s, o), chance});
            } else {
                moves.plain.push_back({from, to, chance});
            }
        }
    }
    return moves;
}

} // namespace sorvik1
