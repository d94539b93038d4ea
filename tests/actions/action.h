#pragma once

#include <QString>

#include <vector>

// What a printer does with the next page, as the driver scripts it.
struct PrintScript {
    enum class Outcome { Printed, SavedAsPdf, Failed };
    bool setupAccepted = true;
    Outcome outcome = Outcome::Printed;
    // The page really goes through the system's print service into a PDF file.
    bool realPdf = false;
};

// One thing a user does with the trainer's window.
struct Action {
    enum class Kind {
        FigureCell, // click the cell (row, col) of the figure grid
        Setzen,
        Absetzen,
        FigureOk,
        Reset,
        Type,  // click into the count box, place the caret (`caret`), type `text`
        Erase, // click into the count box at its end and press Backspace `count` times
        Mode,  // click the mode option `index`
        Start,
        Abbruch,
        Import,
        PickFile, // click the file `name` in the file list
        OpenDir,  // double-click the directory at the absolute path `name`
        Drive,    // on the drive list, press Down (`count` > 0) or Up that many times
        ImportOk,
        ImportAbbr,
        Druck,
        Copy,
        Info,
        ListEntry,       // scroll to and click the entry `index` of the occurrence list
        Statistics,      // right-click the figure count and choose the statistics
        CloseStatistics, // Escape in the statistics window
        Paste,           // copy `text` elsewhere, click into the count, place the caret, Ctrl+V
        Ende,
        Keys, // press `keys` on the keyboard, then type `text`, wherever the focus is
    };
    enum class Caret { Click, End, Home, SelectAll };

    explicit Action(Kind k) : kind(k) {}

    Kind kind;
    int row = 0;
    int col = 0;
    int index = 0;
    int count = 0;
    Caret caret = Caret::Click;
    QString text;
    QString name;
    std::vector<int> keys;
    // Answers to the message boxes the action raises, in order.
    std::vector<int> answers;
    PrintScript print;
};

// The action as one line for a replay log.
QString describe(const Action& action);
