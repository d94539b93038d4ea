#pragma once

#include "core/figure.h"

class Form1;

// Whether the trainer's figure section takes drawing: no figure active.
bool figureGridOpen(const Form1& trainer);

// Draws the figure into the trainer's figure grid from position 1 on, as the
// user would: every mark already drawn is clicked and taken off with
// "Absetzen", then each position of the figure is clicked and marked with
// "Setzen", so the trainer's own handlers make every change. Does nothing
// and returns false unless the grid is open for drawing.
bool drawIntoFigureGrid(Form1& trainer, const sorvik1::Figure& figure);
