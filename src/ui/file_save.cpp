#include "ui/file_save.h"

#include <QDir>
#include <QFile>

namespace {

QString causeText(const sorvik1::SaveResult& result) {
    using sorvik1::SaveError;
    switch (result.error) {
    case SaveError::None:
        return {};
    case SaveError::DiskFull:
        return QStringLiteral("Der Datenträger ist voll.");
    case SaveError::NoPermission:
        return QStringLiteral("Es fehlt die Berechtigung, in diesen Ordner oder diese Datei zu "
                              "schreiben.");
    case SaveError::ReadOnly:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case SaveError::NoFolder:
        return QStringLiteral("Der Ordner existiert nicht.");
    case SaveError::TooLarge:
        return QStringLiteral("Die Datei ist zu groß für diesen Datenträger.");
    case SaveError::DeviceError:
        return QStringLiteral("Der Datenträger meldet einen Schreibfehler.");
    case SaveError::Incomplete:
        return QStringLiteral("Auf dem Datenträger kam weniger an, als geschrieben wurde.");
    case SaveError::Other:
        break;
    }
    return QStringLiteral("Das System meldet den Fehler Nr. %1.").arg(result.systemError);
}

} // namespace

QString saveBytes(const QString& path, const QByteArray& bytes, sorvik1::SaveSystem& system) {
    const sorvik1::SaveResult result = sorvik1::saveFile(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), system);
    return result.ok() ? QString() : saveFailureText(path, result);
}

QString saveFailureText(const QString& path, const sorvik1::SaveResult& result) {
    return QStringLiteral("Die Datei „%1“ wurde nicht gespeichert: %2 Eine schon vorhandene "
                          "Datei dieses Namens ist unverändert.")
        .arg(QDir::toNativeSeparators(path), causeText(result));
}
