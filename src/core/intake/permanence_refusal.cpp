#include "core/intake/permanence_refusal.h"

#include "core/wheel/limits.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sorvik1 {

namespace {

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

} // namespace

std::string germanWholeNumber(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, '.');
    }
    return digits;
}

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
        // Beyond the range of the number type the value has no digits to show.
        if (!std::isfinite(permanence.errorValue)) {
            return "Die Datei enthält eine zu große Zahl in Zeile " +
                   std::to_string(permanence.errorLine) + ".";
        }
        return "In Zeile " + std::to_string(permanence.errorLine) + " steht die Zahl " +
               shortest(permanence.errorValue) + "; eine Roulettezahl liegt zwischen 0 und 36.";
    case PermanenceStatus::TooManySpins:
        return "Die Datei enthält mehr als " + germanWholeNumber(maxSpins) +
               " Würfe; so viele fasst ein Lauf nicht.";
    }
    return "Die Datei wurde nicht geladen.";
}

} // namespace sorvik1
