#pragma once

#include "core/chance.h"
#include "core/occurrence_scan.h"

#include <string>
#include <vector>

namespace sorvik1 {

// The colours of one permanence file for the figure search, or why the file
// cannot be searched (German; empty when it can).
struct SearchFile {
    std::vector<SpinWord> words;
    std::string error;
};

// Reads and parses a whole permanence file with the trainer's rules; the
// words hold the sides of `chance`.
SearchFile readSearchFile(const std::string& path, Chance chance = Chance::RotSchwarz);

} // namespace sorvik1
