#pragma once

#include <QByteArray>
#include <QString>

// Permanence files hold a few megabytes; a file far beyond the largest run is
// refused before it is read, so a wrong choice cannot exhaust the memory.
inline constexpr qint64 maxPermanenceFileBytes = qint64(1) << 30;

// A file read whole in one go, so that nothing that changes the file later
// can reach what was read.
struct WholeFile {
    QByteArray bytes;
    // Why the file could not be read, as a German sentence for the user;
    // empty when it was read.
    QString failure;
};

WholeFile readWholeFile(const QString& path);
