#pragma once

#include "core/batch/window_counter.h"
#include "core/laws/statistics.h"
#include "core/wheel/chance.h"

#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

namespace sorvik1 {

// Counts the windows of `spins` simulated spins of `seed`, one sequence, on
// up to `threads` threads. Each thread takes whole segments of the
// simulation, as a single figure's simulation does, and reads on into the
// next thread's first spins for the windows that start in its own; so the
// counts are those of one thread, whatever the number. Progress (0 .. 1) is
// reported from the calling thread.
WindowCounter countSimulatedWindows(std::uint64_t seed, std::int64_t spins, int span, ZeroRule rule,
                                    int threads, std::stop_token stop = {},
                                    const std::function<void(double)>& progress = {});

// The same for several chances of the same spins: every number is drawn,
// and each chance counts its sides of it. One counter per chance, in order.
std::vector<WindowCounter> countSimulatedSides(std::uint64_t seed, std::int64_t spins, int span,
                                               ZeroRule rule, std::span<const Chance> chances,
                                               int threads, std::stop_token stop = {},
                                               const std::function<void(double)>& progress = {});

} // namespace sorvik1
