#include "ui/window_role.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMenu>
#include <QWidget>

namespace {

constexpr const char* reportedAsWindow = "sorvik1ReportedAsWindow";

// Qt leaves popups out of the application's children: a screen reader hears
// a menu through focus events only, and automation that walks the tree never
// finds it. Open menus follow the windows here.
class ApplicationWithPopups : public QAccessibleApplication {
  public:
    int childCount() const override {
        return QAccessibleApplication::childCount() + static_cast<int>(popups().size());
    }

    QAccessibleInterface* child(int index) const override {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows) {
            return QAccessibleApplication::child(index);
        }
        const QList<QWidget*> open = popups();
        return index - windows < open.size()
                   ? QAccessible::queryAccessibleInterface(open[index - windows])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const int window = QAccessibleApplication::indexOfChild(child);
        if (window >= 0 || !child) {
            return window;
        }
        const auto popup = popups().indexOf(child->object());
        return popup < 0 ? -1 : QAccessibleApplication::childCount() + static_cast<int>(popup);
    }

  private:
    static QList<QWidget*> popups() {
        QList<QWidget*> open;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(top) && top->isVisible()) {
                open.append(top);
            }
        }
        return open;
    }
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (!object) {
        return nullptr;
    }
    if (object == qApp && className == QLatin1String("QApplication")) {
        return new ApplicationWithPopups;
    }
    // Asked for every class of the object's hierarchy, most derived first:
    // answer only for that one, so the object's own class decides.
    if (!object->isWidgetType() || !object->property(reportedAsWindow).toBool() ||
        className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

void reportAsWindow(QWidget* window) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    window->setProperty(reportedAsWindow, true);
}
