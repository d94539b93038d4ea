#pragma once

#include <array>
#include <cstdint>

namespace sorvik1 {

// Colour code of a roulette number or a figure position.
using Farbcode = std::int16_t;
inline constexpr Farbcode noColour = 0; // the zero, or a free figure position
inline constexpr Farbcode red = 1;
inline constexpr Farbcode black = 2;

// Colour table: entry n is the colour code of number n; entry 37 belongs to
// no number and stays 0.
using ColourTable = std::array<Farbcode, 38>;

// Fills entries 1 .. 36 with the single-zero wheel's colours; 0 and 37 stay 0.
void fillColourTable(ColourTable& farbe);

// The filled table, for code that has no window holding one.
const ColourTable& wheelColours();

// Cell back colours in the 0x00BBGGRR form.
inline constexpr std::uint32_t cellRed = 240;
inline constexpr std::uint32_t cellBlack = 15;
inline constexpr std::uint32_t cellZero = 49152;

} // namespace sorvik1
