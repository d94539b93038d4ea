#pragma once

#include "core/figure.h"

#include <string>
#include <string_view>

namespace sorvik1 {

// A figure written as text: "r" red, "s" black (either case), "." a free
// position; at most 20 positions, the first and the last occupied.
struct FigureText {
    Figure figure;
    std::string error; // empty when the text is a figure; otherwise why not, in German
};

FigureText parseFigure(std::string_view text);

// The text of a figure, as parseFigure reads it ("rr.s").
std::string figureText(const Figure& figure);

} // namespace sorvik1
