#pragma once

#include <QPoint>

class QWidget;

// Whether the user can click `widget` at `point` (in the widget's own
// coordinates): the widget is shown and enabled, the point lies on it, and
// no other control of the window covers it there.
bool usableAt(const QWidget& window, const QWidget& widget, QPoint point);
// The same at the widget's centre.
bool usable(const QWidget& window, const QWidget& widget);
