#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// The menu of the windows beside the trainer. Each entry carries a shortcut
// that works wherever the focus is in the trainer's window and is shown
// beside the entry; the menu opens from the widgets that offer it by a
// right-click, the menu key or Shift+F10.
class WindowMenu : public QObject {
    Q_OBJECT

  public:
    explicit WindowMenu(QWidget* window);

    void add(const QString& text, const QKeySequence& shortcut, std::function<void()> open);
    void offerOn(QWidget* widget);

    const QList<QAction*>& entries() const { return entries_; }

  private:
    void popup(QWidget* widget, const QPoint& at);

    QWidget* window_;
    QList<QAction*> entries_;
};
