#pragma once

#include "core/colour.h"
#include "core/figure.h"

#include <QString>

#include <cstdint>
#include <vector>

class Form1;

// What the charts are drawn from: copies of the active figure and of the
// spins the trainer's count covers, so that work on them may run on another
// thread while the trainer goes on.
struct ChartInput {
    sorvik1::Figure figure;
    std::int64_t shown = 0;
    std::int64_t runSpins = 0;
    sorvik1::ColourTable colours{};
    // Roulette numbers by spin, 1 .. the last spin the count reads; entry 0
    // and any number that is none read as 0.
    std::vector<std::int16_t> numbers;
};

ChartInput chartInputOf(const Form1& form);

// What a saved chart shows, in one line: the figure, the zero rule and where
// the spins come from (random spins with their number, or the file).
QString chartTitleOf(const Form1& form);
