#pragma once

#include "core/trainer/practice.h"
#include "uebung/practice_session.h"

#include <QString>

#include <cstdint>

// The German words of the practice window.
namespace practicetext {

// "Rot", "Gerade", …, "Zero": a side of `chance`.
QString colourName(sorvik1::Farbcode colour, sorvik1::Chance chance = sorvik1::Chance::RotSchwarz);
// "17 Schwarz", "17 Ungerade", "0 Zero".
QString spinName(int number, sorvik1::Chance chance = sorvik1::Chance::RotSchwarz);
// Units with their sign: "+1 Stück", "−0,5 Stücke".
QString units(double value);
// Milliseconds as seconds: "1,24 s".
QString seconds(std::int64_t ms);
// A share in percent with one decimal: "75,0 %".
QString percent(double share);

// Said the moment the player calls.
QString called(sorvik1::Verdict verdict, sorvik1::Farbcode colour, sorvik1::Farbcode figureColour,
               std::int64_t reactionMs, sorvik1::Chance chance = sorvik1::Chance::RotSchwarz);
// Said when the next spin settles the decision; empty for a quiet spin.
QString settled(const sorvik1::Settled& settled, sorvik1::Farbcode figureColour,
                sorvik1::Chance chance = sorvik1::Chance::RotSchwarz);
// The running score in one line.
QString scoreLine(const sorvik1::PracticeScore& score);
// What the player sees when the practice ends.
QString summary(const sorvik1::PracticeScore& score, PracticeEnd why);

} // namespace practicetext
