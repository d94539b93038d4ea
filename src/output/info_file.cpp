#include "output/info_file.h"

#include "ui/shipped_data.h"

QString infoFilePath(const QString& programDirectory) {
    return shippedFile(programDirectory, QStringLiteral("info_Sorvik1.txt"));
}
