#include "core/intake/permanence_intake.h"

#include <cerrno>

namespace sorvik1 {

namespace {

std::string kindText(FileKind kind) {
    switch (kind) {
    case FileKind::Regular:
        break;
    case FileKind::Directory:
        return "Das ist ein Verzeichnis, keine Datei.";
    case FileKind::CharacterDevice:
    case FileKind::BlockDevice:
        return "Das ist ein Gerät, keine Datei.";
    case FileKind::Fifo:
        return "Das ist eine benannte Pipe (FIFO), keine Datei.";
    case FileKind::Socket:
        return "Das ist ein Socket, keine Datei.";
    case FileKind::Other:
        break;
    }
    return "Das ist keine gewöhnliche Datei.";
}

// The errors a user can meet with a file name typed, chosen or passed on the
// command line; anything else is named by its number.
std::string errorText(int error, const char* failedStep) {
    switch (error) {
    case ENOENT:
        return "Die Datei ist nicht vorhanden.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Verzeichnis.";
    case EACCES:
    case EPERM:
        return "Es fehlt die Berechtigung, die Datei zu lesen.";
    case ELOOP:
        return "Die Datei ist nicht erreichbar: Ihre symbolischen Verknüpfungen führen im Kreis "
               "oder sind zu tief geschachtelt.";
    case EISDIR:
        return kindText(FileKind::Directory);
    case ENAMETOOLONG:
        return "Der Name der Datei ist zu lang.";
    case EIO:
        return "Beim Lesen der Datei ist ein Ein-/Ausgabefehler aufgetreten; der Datenträger "
               "ist vielleicht beschädigt oder nicht mehr verbunden.";
    case EMFILE:
    case ENFILE:
        return "Es sind zu viele Dateien geöffnet; schließen Sie bitte andere Programme und "
               "versuchen Sie es noch einmal.";
    case ENOMEM:
        return "Es ist zu wenig Speicher frei, um die Datei zu lesen.";
    case ENXIO:
    case ENODEV:
        return "Das Gerät der Datei ist nicht erreichbar.";
    default:
        return std::string("Die Datei lässt sich nicht ") + failedStep + " (Fehlernummer " +
               std::to_string(error) + ").";
    }
}

} // namespace

std::string intakeRefusalText(const IntakeFailure& failure) {
    switch (failure.refusal) {
    case IntakeRefusal::None:
        return {};
    case IntakeRefusal::OpenFailed:
        return errorText(failure.error, "öffnen");
    case IntakeRefusal::NotRegularFile:
        return kindText(failure.kind);
    case IntakeRefusal::TooLarge:
        return "Die Datei ist größer als 1 GB; so große Permanenzdateien gibt es nicht.";
    case IntakeRefusal::ReadFailed:
        return errorText(failure.error, "lesen");
    case IntakeRefusal::ChangedWhileRead:
        return "Die Datei wurde beim Lesen verändert.";
    }
    return errorText(failure.error, "lesen");
}

} // namespace sorvik1
