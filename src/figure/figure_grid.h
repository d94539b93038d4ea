#pragma once

#include "core/wheel/limits.h"

#include <cstdint>

class FlexGrid;

// How the figure grid holds a figure: row r is figure position r + 1, and a
// mark is nothing but a cell's back colour in the red or the black column.
namespace figuregrid {

// The first grid row below the figure: it carries no position number and
// holds the cursor between edits.
inline constexpr int parkRow = sorvik1::maxFigureSpan;
inline constexpr int parkCol = 0;

struct MarkColumn {
    int column;
    std::uint32_t colour;
};
extern const MarkColumn redMarks;
extern const MarkColumn blackMarks;

// Only the two exact mark colours count; any other back colour is no mark.
bool isMark(std::uint32_t colour);

// Makes the cell where the user's selection ends the current cell: the
// clicked cell, or the parked cursor when no click followed an edit.
void takeClickedCell(FlexGrid& grid);

// Leaves the cursor below the figure, so that a mark just set is not hidden
// under the current-cell highlight and a second press finds nothing to edit.
void park(FlexGrid& grid);

} // namespace figuregrid
