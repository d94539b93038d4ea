#include "ui/shipped_data.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString shipped(const QString& programDirectory, const QString& name, bool folder) {
    const QDir program(programDirectory);
    for (const QString& candidate :
         {program.filePath(name),
          program.filePath(QStringLiteral(SORVIK1_DATA_FROM_BIN "/") + name)}) {
        const QFileInfo info(candidate);
        if (folder ? info.isDir() : info.isFile()) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}

} // namespace

QString shippedFile(const QString& programDirectory, const QString& name) {
    return shipped(programDirectory, name, false);
}

QString shippedFolder(const QString& programDirectory, const QString& name) {
    return shipped(programDirectory, name, true);
}
