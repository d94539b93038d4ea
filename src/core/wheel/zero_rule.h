#pragma once

namespace sorvik1 {

// What a zero does to a figure: in the trainer it breaks every occurrence
// that needs a colour there; the analysis can also take the zeros out of the
// sequence first and look at the colours alone.
enum class ZeroRule { Breaks, Skipped };

// Chances of one spin as the rule sees it: red and black equally likely,
// the rest is the zero.
struct SpinChances {
    double colour; // red, and also black
    double zero;
};

constexpr SpinChances spinChances(ZeroRule rule) {
    if (rule == ZeroRule::Skipped) {
        return {0.5, 0.0};
    }
    return {18.0 / 37.0, 1.0 / 37.0};
}

} // namespace sorvik1
