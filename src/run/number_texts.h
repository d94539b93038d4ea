#pragma once

#include <QString>

#include <string_view>

// Texts of the roulette numbers 0 .. 36, made once, so that a spin shows its
// number in a label and in the grid without formatting it anew.
const QString& numberText(int number);
std::string_view numberUtf8(int number);

// The leading-number value of a label caption or a list entry: what the run
// reads back from the count of occurrences and from a clicked entry.
double captionValue(const QString& caption);
