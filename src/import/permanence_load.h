#pragma once

#include "core/intake/permanence.h"

#include <QString>

#include <optional>

// What the file chosen in the import frame gave.
struct PermanenceLoad {
    // The permanence to take over; none when the file was refused or passed
    // over.
    std::optional<sorvik1::Permanence> permanence;
    // Why the file was refused, in German for a message to the user. Empty
    // when it loaded, and when it was passed over without a word: an empty
    // file or one that is not a casino's permanence.
    QString refusal;
};

// Reads the file `fileName` of `directory` once and parses it.
PermanenceLoad loadPermanence(const QString& directory, const QString& fileName);
