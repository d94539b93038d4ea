#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

#include <optional>
#include <vector>

// The numbers of a well-formed file in the casino's layout, read the plain
// way to check the loader against: four header lines, then items split at
// commas and line ends; "-" items are skipped and a "=" item ends the data.
inline std::vector<int> casinoNumbers(const QByteArray& bytes) {
    std::vector<int> numbers;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 4; i < lines.size(); ++i) {
        for (const QByteArray& raw : lines[i].split(',')) {
            const QByteArray item = raw.trimmed();
            if (item.startsWith('=')) {
                return numbers;
            }
            if (!item.isEmpty() && !item.startsWith('-')) {
                numbers.push_back(item.toInt());
            }
        }
    }
    return numbers;
}

// Where a real permanence is: the example in the repository, the larger one
// only where the shared data folder is.
inline QString realPermanenceFolder(const char* name) {
    const QString examples = QStringLiteral(SORVIK1_EXAMPLES);
    return QFile::exists(examples + QChar('/') + QLatin1String(name))
               ? examples
               : QStringLiteral(SORVIK1_SHARED_DATA);
}

// A real permanence; none when it is absent.
inline std::optional<QByteArray> realPermanence(const char* name) {
    QFile file(realPermanenceFolder(name) + QChar('/') + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}
