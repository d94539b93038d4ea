#pragma once

#include "core/wheel/chance.h"

#include <QWidget>

#include <deque>

// The last spins in their colours, one above the other, the newest at the
// bottom; a screen reader hears them in its description.
class SpinStrip : public QWidget {
    Q_OBJECT

  public:
    static constexpr int shownSpins = 10;

    explicit SpinStrip(QWidget* parent = nullptr);

    // Each spin also shows its side of `chance` when that is not a colour.
    void setChance(sorvik1::Chance chance);
    void add(int number);
    void clear();
    // Oldest first.
    const std::deque<int>& numbers() const { return numbers_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void describe();

    std::deque<int> numbers_;
    sorvik1::Chance chance_ = sorvik1::Chance::RotSchwarz;
};
