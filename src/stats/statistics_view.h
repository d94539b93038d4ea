#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QStackedWidget;

// The statistics window's contents: one labelled value per row, or a hint
// while no figure is active.
class StatisticsView : public QWidget {
    Q_OBJECT

  public:
    enum Row {
        Figure,
        Spins,
        Found,
        Expected,
        Deviation,
        ZValue,
        DistanceObserved,
        DistanceExpected,
        Wait,
        Chance,
        rowCount
    };

    explicit StatisticsView(QWidget* parent = nullptr);

    void setValue(Row row, const QString& text);
    // Shows the values, or the hint that there is no figure to count.
    void showFigure(bool active);

  private:
    QWidget* buildValues();
    QLabel* buildHint();

    std::array<QLabel*, rowCount> values_{};
    QStackedWidget* pages_;
};
