#include "core/wheel/figure_text.h"

#include <array>
#include <span>

namespace sorvik1 {

namespace {

std::string unknownCharacter(char character, std::size_t position, Chance chance) {
    // A byte of a multi-byte character would print as garbage: name only
    // plain ASCII characters.
    const bool printable = character > ' ' && character < '\x7f';
    const std::string quoted = printable ? " '" + std::string(1, character) + "'" : "";
    const auto letters = sideLetters(chance);
    return "Unbekanntes Zeichen" + quoted + " an Position " + std::to_string(position) +
           " der Figur (erlaubt für " + std::string(chanceName(chance)) + ": " + letters[0] + ", " +
           letters[1] + " und .).";
}

} // namespace

FigureText parseFigure(std::string_view text, Chance chance) {
    if (text.empty()) {
        return {{}, "Die Figur ist leer."};
    }
    if (text.size() > static_cast<std::size_t>(maxFigureSpan)) {
        return {{}, "Die Figur hat mehr als 20 Positionen."};
    }
    std::array<Farbcode, maxFigureSpan> colours{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto letters = sideLetters(chance);
        const char letter =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (letter == letters[0]) {
            colours[i] = red;
        } else if (letter == letters[1]) {
            colours[i] = black;
        } else if (letter != '.') {
            return {{}, unknownCharacter(text[i], i + 1, chance)};
        }
    }
    if (colours[0] == noColour || colours[text.size() - 1] == noColour) {
        return {{}, "Die erste und die letzte Position der Figur müssen besetzt sein."};
    }
    return {Figure::fromOffsets(std::span(colours.data(), text.size())), {}};
}

std::string figureText(const Figure& figure, Chance chance) {
    const auto letters = sideLetters(chance);
    std::string text;
    for (int offset = 0; offset < figure.span(); ++offset) {
        const Farbcode colour = figure.at(offset);
        text += colour == red ? letters[0] : colour == black ? letters[1] : '.';
    }
    return text;
}

} // namespace sorvik1
