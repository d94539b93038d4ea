#pragma once

#include <QString>

// What ships beside the program: the info text and the example permanences.
// A build runs the trainer from its build folder with them copied beside it;
// an installation keeps the program in bin and them in the shared data
// folder of the same prefix, found relative to the program so that a package
// unpacked anywhere works. Each returns the first of the two places where
// the file, or the folder, exists, or an empty path when there is none.
QString shippedFile(const QString& programDirectory, const QString& name);
QString shippedFolder(const QString& programDirectory, const QString& name);
