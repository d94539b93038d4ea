#include "auswertung/job_failure.h"

#include <new>

QString jobFailureText(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Die Auswertung konnte aus Mangel an Speicher nicht ausgeführt "
                              "werden. Wählen Sie weniger oder kleinere Dateien.");
    } catch (...) {
        return QStringLiteral("Die Auswertung ist an einem unerwarteten Fehler gescheitert.");
    }
}
