#pragma once

#include <QObject>

#include <initializer_list>
#include <unordered_map>
#include <vector>

class QWidget;

// Keeps what a cover hides out of the keyboard's reach, as it is out of the
// mouse's: a control whose centre lies under a shown cover takes no focus,
// and if it had the focus, the focus moves on. A control gets its own focus
// policy back as soon as no cover hides it. Without this, Tab and Space would
// reach buttons and boxes that the window shows as covered.
class CoverGuard : public QObject {
  public:
    CoverGuard(QWidget& window, std::initializer_list<QWidget*> covers);

    // Looks again at which controls lie under a cover.
    void update();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool reachable(const QWidget& control) const;
    void passFocusOn(QWidget& focus);

    QWidget& window_;
    std::vector<QWidget*> covers_;
    // The controls taken out of reach, with the focus policy they had.
    std::unordered_map<QWidget*, Qt::FocusPolicy> covered_;
};
