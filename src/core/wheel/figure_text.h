#pragma once

#include "core/wheel/chance.h"
#include "core/wheel/figure.h"

#include <string>
#include <string_view>

namespace sorvik1 {

// A figure written as text in its chance's letters (either case): "r" red
// and "s" black, "g" even and "u" odd, "t" low and "h" high; "." a free
// position; at most 20 positions, the first and the last occupied.
struct FigureText {
    Figure figure;
    std::string error; // empty when the text is a figure; otherwise why not, in German
};

FigureText parseFigure(std::string_view text, Chance chance = Chance::RotSchwarz);

// The text of a figure, as parseFigure reads it ("rr.s").
std::string figureText(const Figure& figure, Chance chance = Chance::RotSchwarz);

} // namespace sorvik1
