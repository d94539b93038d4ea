#include "import/whole_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString whyNotOpened(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return QStringLiteral("Sie ist nicht vorhanden.");
    }
    if (info.isDir()) {
        return QStringLiteral("Das ist ein Verzeichnis, keine Datei.");
    }
    if (!info.isReadable()) {
        return QStringLiteral("Es fehlt die Berechtigung, sie zu lesen.");
    }
    return QStringLiteral("Sie ist gesperrt oder kann nicht geöffnet werden.");
}

} // namespace

WholeFile readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, whyNotOpened(path)};
    }
    if (file.size() > maxPermanenceFileBytes) {
        return {{}, QStringLiteral("Sie ist größer als 1 GB.")};
    }
    WholeFile whole{file.readAll(), {}};
    if (file.error() != QFileDevice::NoError) {
        return {{}, QStringLiteral("Beim Lesen ist ein Fehler aufgetreten.")};
    }
    return whole;
}
