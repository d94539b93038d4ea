#include "ui/window_menu.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

WindowMenu::WindowMenu(QWidget* window) : QObject(window), window_(window) {}

void WindowMenu::add(const QString& text, const QKeySequence& shortcut,
                     std::function<void()> open) {
    auto* action = new QAction(text, window_);
    action->setShortcut(shortcut);
    // Not the application's: the shortcut belongs to the trainer's window, so
    // the windows beside it keep their own keys.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(open));
    window_->addAction(action);
    entries_.append(action);
}

void WindowMenu::offerOn(QWidget* widget) {
    // The menu key sends a context-menu request by itself; Shift+F10 is the
    // other common key for it.
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this,
            [this, widget](const QPoint& at) { popup(widget, at); });
    auto* key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), widget);
    key->setContext(Qt::WidgetShortcut);
    connect(key, &QShortcut::activated, this,
            [this, widget] { popup(widget, widget->rect().center()); });
}

void WindowMenu::popup(QWidget* widget, const QPoint& at) {
    auto* menu = new QMenu(widget);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(QStringLiteral("Fenster"));
    menu->addActions(entries_);
    menu->popup(widget->mapToGlobal(at));
}
