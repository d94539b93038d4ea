#include "usable.h"

#include <QWidget>

bool usableAt(const QWidget& window, const QWidget& widget, QPoint point) {
    if (!window.isVisible() || !widget.isVisible() || !widget.isEnabled() ||
        !widget.rect().contains(point)) {
        return false;
    }
    const QWidget* hit = window.childAt(widget.mapTo(&window, point));
    return hit == &widget || (hit && widget.isAncestorOf(hit));
}

bool usable(const QWidget& window, const QWidget& widget) {
    return usableAt(window, widget, widget.rect().center());
}
