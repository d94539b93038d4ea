#pragma once

#include <QString>

// The info text the Info button shows, where the program's shipped data is
// (see ui/shipped_data.h); an empty path when there is none.
QString infoFilePath(const QString& programDirectory);
