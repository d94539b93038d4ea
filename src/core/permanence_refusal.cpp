#include "core/permanence_refusal.h"

#include "core/limits.h"

#include <array>
#include <charconv>

namespace sorvik1 {

namespace {

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

} // namespace

std::string permanenceRefusal(const Permanence& permanence) {
    switch (permanence.status) {
    case PermanenceStatus::Ok:
        return {};
    case PermanenceStatus::Empty:
        return "Die Datei ist leer.";
    case PermanenceStatus::NotACasinoFile:
        return "Das ist keine Permanenzdatei: Sie beginnt nicht mit „Spielbank“.";
    case PermanenceStatus::EndsInHeader:
        return "Die Datei endet schon in den vier Kopfzeilen.";
    case PermanenceStatus::NumberOutOfRange:
        return "In Zeile " + std::to_string(permanence.errorLine) + " steht die Zahl " +
               shortest(permanence.errorValue) + "; eine Roulettezahl liegt zwischen 0 und 36.";
    case PermanenceStatus::TooManySpins:
        return "Die Datei enthält mehr als " + std::to_string(maxSpins) +
               " Zahlen; so viele Würfe fasst ein Lauf nicht.";
    }
    return "Die Datei wurde nicht geladen.";
}

} // namespace sorvik1
