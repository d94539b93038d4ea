#include "core/figure_text.h"

#include <array>
#include <span>

namespace sorvik1 {

namespace {

std::string unknownCharacter(char character, std::size_t position) {
    // A byte of a multi-byte character would print as garbage: name only
    // plain ASCII characters.
    const bool printable = character > ' ' && character < '\x7f';
    const std::string quoted = printable ? " '" + std::string(1, character) + "'" : "";
    return "Unbekanntes Zeichen" + quoted + " an Position " + std::to_string(position) +
           " der Figur (erlaubt: r, s und .).";
}

} // namespace

FigureText parseFigure(std::string_view text) {
    if (text.empty()) {
        return {{}, "Die Figur ist leer."};
    }
    if (text.size() > static_cast<std::size_t>(maxFigureSpan)) {
        return {{}, "Die Figur hat mehr als 20 Positionen."};
    }
    std::array<Farbcode, maxFigureSpan> colours{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case 'r':
        case 'R':
            colours[i] = red;
            break;
        case 's':
        case 'S':
            colours[i] = black;
            break;
        case '.':
            break;
        default:
            return {{}, unknownCharacter(text[i], i + 1)};
        }
    }
    if (colours[0] == noColour || colours[text.size() - 1] == noColour) {
        return {{}, "Die erste und die letzte Position der Figur müssen besetzt sein."};
    }
    return {Figure::fromOffsets(std::span(colours.data(), text.size())), {}};
}

std::string figureText(const Figure& figure) {
    std::string text;
    for (int offset = 0; offset < figure.span(); ++offset) {
        const Farbcode colour = figure.at(offset);
        text += colour == red ? 'r' : colour == black ? 's' : '.';
    }
    return text;
}

} // namespace sorvik1
