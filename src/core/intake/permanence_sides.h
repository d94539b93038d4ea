#pragma once

#include "core/wheel/chance.h"

#include <string>
#include <vector>

namespace sorvik1 {

// The sides of `chance` of a permanence file's spins, in order, read with
// the trainer's rules; or why the file cannot be used (German).
struct PermanenceSides {
    std::vector<Farbcode> sides;
    std::string error; // empty when the file was read
};

PermanenceSides readPermanenceSides(const std::string& path, Chance chance);

} // namespace sorvik1
