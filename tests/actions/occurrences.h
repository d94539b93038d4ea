#pragma once

#include <cstdint>
#include <vector>

class Form1;

// The spins at which the active figure starts, counted afresh: every spin
// s <= wurf whose figure lies wholly within the run's spins. `shown` holds
// the numbers of spins 1 .. wurf as the grid shows them; later spins are
// read from the run's store, as the look-ahead reads them.
std::vector<std::int64_t> figureStarts(const Form1& form, const std::vector<int>& shown);

// The number of spin n (1 .. anzahl) in the run's store: the drawn numbers or
// the loaded permanence; -1 for a value that is no roulette number.
int storedNumber(const Form1& form, std::int64_t n);
