#pragma once

#include "core/laws/occurrence_automaton.h"

#include <cstdint>
#include <vector>

namespace sorvik1 {

// One move of the automaton on an outcome that can happen.
struct AutomatonMove {
    std::uint32_t from;
    std::uint32_t to;
    double chance;
};

// The automaton's moves as lists, for chains that step it many times: the
// moves that complete no occurrence, and those that complete one, going on
// from where counting goes on after it.
struct AutomatonMoves {
    std::size_t states = 0;
    std::vector<AutomatonMove> plain;
    std::vector<AutomatonMove> completing;
};

AutomatonMoves automatonMoves(const OccurrenceAutomaton& automaton);

} // namespace sorvik1
