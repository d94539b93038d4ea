#pragma once

#include "uebung/practice_record.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Practices that could not reach the history when the trainer ended wait in
// a small JSON file beside the database and join the history at the next
// start.

// "uebungen-ausstehend.json" beside the database at `databasePath`.
QString pendingPracticesPath(const QString& databasePath);

QByteArray pendingPracticesJson(const std::vector<PracticeRecord>& records);
// The practices in `json`; none when it is not such a file.
std::vector<PracticeRecord> pendingPracticesFrom(const QByteArray& json);
