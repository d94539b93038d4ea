#include "core/wheel/chance.h"

namespace sorvik1 {

namespace {

ColourTable tableOf(Farbcode (*side)(int number)) {
    ColourTable table{};
    for (int n = 1; n <= 36; ++n) {
        table[static_cast<std::size_t>(n)] = side(n);
    }
    return table;
}

} // namespace

const ColourTable& sideTable(Chance chance) {
    static const ColourTable even = tableOf([](int n) { return n % 2 == 0 ? red : black; });
    static const ColourTable low = tableOf([](int n) { return n <= 18 ? red : black; });
    switch (chance) {
    case Chance::GeradeUngerade:
        return even;
    case Chance::TiefHoch:
        return low;
    case Chance::RotSchwarz:
        break;
    }
    return wheelColours();
}

std::string_view chanceName(Chance chance) {
    switch (chance) {
    case Chance::GeradeUngerade:
        return "Gerade/Ungerade";
    case Chance::TiefHoch:
        return "Tief/Hoch";
    case Chance::RotSchwarz:
        break;
    }
    return "Rot/Schwarz";
}

std::string_view chanceKey(Chance chance) {
    switch (chance) {
    case Chance::GeradeUngerade:
        return "gerade-ungerade";
    case Chance::TiefHoch:
        return "tief-hoch";
    case Chance::RotSchwarz:
        break;
    }
    return "rot-schwarz";
}

std::optional<Chance> chanceOfKey(std::string_view key) {
    for (const Chance chance : allChances) {
        if (chanceKey(chance) == key) {
            return chance;
        }
    }
    return std::nullopt;
}

std::array<char, 2> sideLetters(Chance chance) {
    switch (chance) {
    case Chance::GeradeUngerade:
        return {'g', 'u'};
    case Chance::TiefHoch:
        return {'t', 'h'};
    case Chance::RotSchwarz:
        break;
    }
    return {'r', 's'};
}

std::string_view sideName(Chance chance, Farbcode side) {
    const bool first = side == red;
    switch (chance) {
    case Chance::GeradeUngerade:
        return first ? "Gerade" : "Ungerade";
    case Chance::TiefHoch:
        return first ? "Tief" : "Hoch";
    case Chance::RotSchwarz:
        break;
    }
    return first ? "Rot" : "Schwarz";
}

std::string bothSides(Chance chance) {
    return std::string(sideName(chance, red)) + " und " + std::string(sideName(chance, black));
}

} // namespace sorvik1
