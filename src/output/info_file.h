#pragma once

#include <QString>

// The info text the Info button shows. A build runs the trainer from its
// build folder with the text copied beside it; an installation keeps the
// program in bin and the text in the shared data folder of the same prefix,
// found relative to the program so that a package unpacked anywhere works.
// Returns the first that exists, or an empty path when there is none.
QString infoFilePath(const QString& programDirectory);
