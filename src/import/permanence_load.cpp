#include "import/permanence_load.h"

#include "core/limits.h"
#include "import/whole_file.h"

#include <QDir>
#include <QLocale>

#include <string_view>
#include <utility>

namespace {

// A root directory already ends with the separator.
QString joinPath(const QString& directory, const QString& fileName) {
    return directory.endsWith(QChar('/')) ? directory + fileName
                                          : directory + QChar('/') + fileName;
}

QString refusal(const QString& path, const QString& reason) {
    return QStringLiteral("Die Datei „%1“ kann nicht geladen werden.\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString outOfRange(const sorvik1::Permanence& permanence) {
    return QStringLiteral("In Zeile %1 steht die Zahl %2; erlaubt sind nur die Zahlen 0 bis 36.")
        .arg(QString::number(permanence.errorLine),
             QString::number(permanence.errorValue, 'g', 15));
}

QString tooManySpins() {
    return QStringLiteral("Sie enthält mehr als %1 Würfe.")
        .arg(QLocale(QLocale::German).toString(static_cast<qulonglong>(sorvik1::maxSpins)));
}

} // namespace

PermanenceLoad loadPermanence(const QString& directory, const QString& fileName) {
    if (fileName.isEmpty()) {
        return {{},
                QStringLiteral("Im Verzeichnis „%1“ ist keine Datei ausgewählt.\n\n"
                               "Wählen Sie bitte eine Datei aus der Liste.")
                    .arg(QDir::toNativeSeparators(directory))};
    }
    const QString path = joinPath(directory, fileName);
    const WholeFile file = readWholeFile(path);
    if (!file.failure.isEmpty()) {
        return {{}, refusal(path, file.failure)};
    }
    sorvik1::Permanence permanence = sorvik1::parsePermanence(
        std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
    switch (permanence.status) {
    case sorvik1::PermanenceStatus::Ok:
        return {std::move(permanence), {}};
    case sorvik1::PermanenceStatus::Empty:
    case sorvik1::PermanenceStatus::NotACasinoFile:
        return {};
    case sorvik1::PermanenceStatus::EndsInHeader:
        return {{},
                refusal(path, QStringLiteral("Sie endet schon in den vier Kopfzeilen, "
                                             "vor der ersten Zahl."))};
    case sorvik1::PermanenceStatus::NumberOutOfRange:
        return {{}, refusal(path, outOfRange(permanence))};
    case sorvik1::PermanenceStatus::TooManySpins:
        return {{}, refusal(path, tooManySpins())};
    }
    return {};
}
