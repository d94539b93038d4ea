#pragma once

#include "ui/trainer_view.h"

#include <QString>

// What a saved chart shows, in one line: the figure, the zero rule and where
// the spins come from (random spins with their number, or the file).
QString chartTitleOf(const ChartInput& input);
