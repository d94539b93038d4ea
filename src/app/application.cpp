#include "app/application.h"

#include "app/form1.h"
#include "ui/message_box.h"

#include <exception>
#include <new>

namespace {

// The trainer the receiver belongs to answers the failure and puts itself
// right; anything outside a trainer gets the box alone.
void reportFailure(QObject* receiver, bool outOfMemory) {
    for (QObject* object = receiver; object != nullptr; object = object->parent()) {
        if (auto* form = qobject_cast<Form1*>(object)) {
            form->actionFailed(outOfMemory);
            return;
        }
    }
    QtMessageBox().show(nullptr, actionFailureText(outOfMemory), msgstyle::critical,
                        QStringLiteral(" Fehler"));
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        reportFailure(receiver, true);
    } catch (const std::exception&) {
        reportFailure(receiver, false);
    }
    return true;
}

QString actionFailureText(bool outOfMemory) {
    return outOfMemory ? QStringLiteral("Die Aktion konnte aus Mangel an Speicher nicht "
                                        "ausgeführt werden.")
                       : QStringLiteral("Die Aktion konnte wegen eines unerwarteten Fehlers "
                                        "nicht ausgeführt werden.");
}
