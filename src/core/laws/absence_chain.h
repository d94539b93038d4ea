#pragma once

#include "core/laws/absence_law.h"
#include "core/laws/occurrence_automaton.h"

#include <cstdint>
#include <vector>

namespace sorvik1 {

// The work of absenceChain for the lengths from .. to: for every length,
// every startable position moves the chain's vector over the states and
// takes one vector times a matrix of the states; the matrix is raised to
// the length once.
double absenceChainWork(std::size_t states, const Stretch& stretch, std::int64_t from,
                        std::int64_t to);

// P(longest >= L) for L = from .. to, exact up to rounding, by a chain over
// the automaton's state and the length of the current stretch without a
// start. The spins are read one by one; from the span-th on each decides
// whether the position span - 1 spins back starts an occurrence. For one
// length L the alive part of the chain, W_t (a vector over the states),
// holds the stretches below L; the one that reaches L is a_(t-L) Q^L, with
// a_t the mass that starts at t and Q the steps without a start, so
//   W_t = W_(t-1) Q + a_t - a_(t-L) Q^L,   a_t = W_(t-1) R,
// R the steps that complete the figure. The chance is the sum of what
// reached L, and what is alive at the end with a stretch that the positions
// that cannot start make long enough: a sum of positive terms, so that a
// small chance keeps its digits.
std::vector<double> absenceChain(const OccurrenceAutomaton& automaton, int span,
                                 const Stretch& stretch, std::int64_t from, std::int64_t to);

} // namespace sorvik1
