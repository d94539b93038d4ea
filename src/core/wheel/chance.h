#pragma once

#include "core/wheel/colour.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace sorvik1 {

// The three pairs of simple chances a figure can be played on. Each side
// holds 18 of the 37 numbers; the zero belongs to none. A chance's first
// side is coded like red, its second like black, so every count and law
// made for colours serves each chance unchanged.
enum class Chance { RotSchwarz, GeradeUngerade, TiefHoch };

inline constexpr std::array<Chance, 3> allChances = {Chance::RotSchwarz, Chance::GeradeUngerade,
                                                     Chance::TiefHoch};

// Entry n is the side of number n: `red` for the first side, `black` for
// the second, noColour for the zero (and entry 37).
const ColourTable& sideTable(Chance chance);

// "Rot/Schwarz", "Gerade/Ungerade", "Tief/Hoch".
std::string_view chanceName(Chance chance);
// "rot-schwarz", "gerade-ungerade", "tief-hoch": the name on command lines
// and in CSV and JSON.
std::string_view chanceKey(Chance chance);
std::optional<Chance> chanceOfKey(std::string_view key);

// The letters of a figure's first and second side: r/s, g/u, t/h.
std::array<char, 2> sideLetters(Chance chance);
// "Rot", "Schwarz", "Gerade", "Ungerade", "Tief", "Hoch".
std::string_view sideName(Chance chance, Farbcode side);
// "Rot und Schwarz", "Gerade und Ungerade", "Tief und Hoch".
std::string bothSides(Chance chance);

} // namespace sorvik1
