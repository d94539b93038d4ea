#include "output/info_file.h"

#include <QDir>
#include <QFileInfo>

QString infoFilePath(const QString& programDirectory) {
    const QDir program(programDirectory);
    for (const QString& candidate :
         {program.filePath(QStringLiteral("info_Sorvik1.txt")),
          program.filePath(QStringLiteral(SORVIK1_DATA_FROM_BIN "/info_Sorvik1.txt"))}) {
        if (QFileInfo(candidate).isFile()) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}
