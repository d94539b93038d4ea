#pragma once

#include "app/form1.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <optional>

class PermanenceFolder;
struct PermanenceFile;
class ScriptedMessageBox;
class ScriptedPrinter;

// A fresh trainer window, shown offscreen, whose message boxes and printer
// follow the driver's script, and what the driver remembers of it between
// actions.
class Session {
  public:
    Session(std::uint64_t seed, const PermanenceFolder& folder);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Form1 form;
    ScriptedMessageBox* messages;
    ScriptedPrinter* printer;
    const PermanenceFolder& folder;
    int quitCalls = 0;
    // Whether the program directory holds the info file.
    bool infoFile = false;

    // The figure as it was activated; it must hold until the next Reset.
    std::optional<sorvik1::FigureGrid> activeFigure;
    // The permanence file the trainer took over.
    const PermanenceFile* loaded = nullptr;
    // The Info button uncovers the middle for good, until the next Reset.
    bool middleUncovered = false;
    // Reset leaves an open import frame open under the cover, whose buttons
    // still show below it: they may change the instruction text.
    bool frameUnderCover = false;
    // The sequence's position, which varies the rows a check samples.
    int step = 0;
};
