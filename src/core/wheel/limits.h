#pragma once

#include <cstddef>

namespace sorvik1 {

// The largest run the trainer accepts, typed or loaded from a file. The grid
// keeps one row per spin, so the bound keeps a run within memory.
inline constexpr std::size_t maxSpins = 10'000'000;

// A figure spans at most this many consecutive spins.
inline constexpr int maxFigureSpan = 20;

} // namespace sorvik1
