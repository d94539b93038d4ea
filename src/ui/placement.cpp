#include "ui/placement.h"

#include <algorithm>

namespace {

// Keeps a little room between the two frames.
constexpr int gap = 8;

// The start of a span of `length` within [low, high), as close to `wanted`
// as possible; at `low` when the span is longer than the room.
int within(int wanted, int length, int low, int high) {
    return std::max(low, std::min(wanted, high - length));
}

} // namespace

QPoint besideWindow(const QRect& main, const QSize& size, const QRect& available) {
    const int right = main.x() + main.width() + gap;
    const int left = main.x() - gap - size.width();
    const int screenRight = available.x() + available.width();
    int x = within(right, size.width(), available.x(), screenRight);
    if (right + size.width() > screenRight && left >= available.x()) {
        x = left;
    }
    const int y =
        within(main.y(), size.height(), available.y(), available.y() + available.height());
    return {x, y};
}

QSize fittingSize(const QSize& wanted, const QSize& frame, const QRect& available) {
    return wanted.boundedTo(available.size() - frame);
}
