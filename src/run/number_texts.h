#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

// Texts of the roulette numbers 0 .. 36, made once when the program starts,
// so that a spin shows its number in a label and in the grid without
// formatting it anew.
struct NumberTexts {
    NumberTexts();

    std::array<QString, 37> shown;
    std::array<QByteArray, 37> utf8;
};
extern const NumberTexts numberTexts;

inline const QString& numberText(int number) {
    return numberTexts.shown[static_cast<std::size_t>(number)];
}

inline std::string_view numberUtf8(int number) {
    const QByteArray& t = numberTexts.utf8[static_cast<std::size_t>(number)];
    return {t.constData(), static_cast<std::size_t>(t.size())};
}

// The leading-number value of a label caption or a list entry: what the run
// reads back from the count of occurrences and from a clicked entry.
double captionValue(const QString& caption);
