#pragma once

#include <QColor>
#include <QWidget>

// A drawn rectangle outline or straight line that takes no input, as the
// blue borders around the window's sections.
class Shape : public QWidget {
    Q_OBJECT

  public:
    Shape(const QColor& colour, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};
