#pragma once

#include <optional>

namespace sorvik1 {

// The roulette number that a stored spin value stands for: the value rounded
// to the nearest whole number, halves to even. Nothing when that lies outside
// 0 .. 36 or the value is not finite, so no caller can index the colour table
// with it.
std::optional<int> rouletteNumber(double value);

} // namespace sorvik1
