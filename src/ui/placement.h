#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a companion window of `size` (frame included) goes beside a window
// whose frame is `main`, within the screen's `available` area: to the right
// when it fits there, else to the left, else as far right as the screen
// allows; top-aligned with the main window, but never off the screen.
QPoint besideWindow(const QRect& main, const QSize& size, const QRect& available);

// The size of a window whose frame adds `frame`, as close to `wanted` as the
// screen's `available` area allows.
QSize fittingSize(const QSize& wanted, const QSize& frame, const QRect& available);
