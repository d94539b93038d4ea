#pragma once

#include "core/scan/spin_word.h"
#include "core/wheel/chance.h"

#include <span>
#include <string>
#include <vector>

namespace sorvik1 {

// The sides of one permanence file's spins for the figure search, one list
// of words per chance asked for, or why the file cannot be searched
// (German; empty when it can).
struct SearchFile {
    std::vector<std::vector<SpinWord>> sides;
    std::string error;
};

// Reads and parses a whole permanence file once with the trainer's rules,
// and packs the sides of every chance in `chances`.
SearchFile readSearchFile(const std::string& path, std::span<const Chance> chances);

} // namespace sorvik1
