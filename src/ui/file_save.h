#pragma once

#include "core/system/safe_save.h"

#include <QByteArray>
#include <QString>

// Every file the program writes is saved here, through the core's safe save:
// the file is the new content whole, or it stays as it was.

// Saves `bytes` as `path`. Empty when saved; otherwise the German message
// that names the file, the cause and that an existing file is unchanged.
QString saveBytes(const QString& path, const QByteArray& bytes,
                  sorvik1::SaveSystem& system = sorvik1::systemSaveSystem());

// The German message for a save of `path` that failed.
QString saveFailureText(const QString& path, const sorvik1::SaveResult& result);
