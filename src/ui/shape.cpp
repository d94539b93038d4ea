#include "ui/shape.h"

#include <QPainter>

Shape::Shape(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(colour_);
    if (height() <= 1 || width() <= 1) {
        painter.drawLine(0, 0, width() - 1, height() - 1);
    } else {
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
