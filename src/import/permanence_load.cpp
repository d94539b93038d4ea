#include "import/permanence_load.h"

#include "core/intake/permanence_intake.h"
#include "core/intake/permanence_refusal.h"

#include <QDir>
#include <QFile>

#include <utility>

namespace {

// A root directory already ends with the separator.
QString joinPath(const QString& directory, const QString& fileName) {
    return directory.endsWith(QChar('/')) ? directory + fileName
                                          : directory + QChar('/') + fileName;
}

QString refusal(const QString& path, const std::string& reason) {
    return QStringLiteral("Die Datei „%1“ kann nicht geladen werden.\n\n%2")
        .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason));
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
    sorvik1::PermanenceIntake intake =
        sorvik1::intakePermanence(QFile::encodeName(path).toStdString());
    if (intake.failure.refusal != sorvik1::IntakeRefusal::None) {
        return {{}, refusal(path, sorvik1::intakeRefusalText(intake.failure))};
    }
    switch (intake.permanence.status) {
    case sorvik1::PermanenceStatus::Ok:
        return {std::move(intake.permanence), {}};
    case sorvik1::PermanenceStatus::Empty:
    case sorvik1::PermanenceStatus::NotACasinoFile:
        return {};
    case sorvik1::PermanenceStatus::EndsInHeader:
    case sorvik1::PermanenceStatus::NumberOutOfRange:
    case sorvik1::PermanenceStatus::TooManySpins:
        break;
    }
    return {{}, refusal(path, sorvik1::permanenceRefusal(intake.permanence))};
}
