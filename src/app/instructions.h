#pragma once

#include <QString>

#include <array>

// The three lines shown while the import frame is open.
extern const std::array<QString, 3> importInstruction;
