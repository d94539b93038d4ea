#include "occurrences.h"

#include "app/form1.h"
#include "core/wheel/colour.h"
#include "core/wheel/roulette_number.h"

int storedNumber(const Form1& f, std::int64_t n) {
    const auto i = static_cast<std::size_t>(n);
    if (f.importiert == 1) {
        return i < f.permanenz.size() ? sorvik1::rouletteNumber(f.permanenz[i]).value_or(-1) : -1;
    }
    const int number = i < f.zahlen.size() ? f.zahlen[i] : -1;
    return number >= 0 && number <= 36 ? number : -1;
}

std::vector<std::int64_t> figureStarts(const Form1& f, const std::vector<int>& shown) {
    std::vector<std::int64_t> starts;
    if (f.figanfang == 0) {
        return starts;
    }
    const auto wurf = static_cast<std::int64_t>(f.wurf);
    const auto anzahl = static_cast<std::int64_t>(f.anzahl);
    const int span = f.figende - f.figanfang + 1;
    const auto colour = [&](std::int64_t n) {
        const int number = n <= wurf ? shown[static_cast<std::size_t>(n - 1)] : storedNumber(f, n);
        return number >= 0 ? int{sorvik1::wheelColours()[static_cast<std::size_t>(number)]} : -1;
    };
    for (std::int64_t s = 1; s <= wurf && s + span - 1 <= anzahl; ++s) {
        bool found = true;
        for (int k = 0; found && k < span; ++k) {
            const sorvik1::Farbcode wanted = f.figur[static_cast<std::size_t>(f.figanfang + k)];
            found = wanted == 0 || colour(s + k) == wanted;
        }
        if (found) {
            starts.push_back(s);
        }
    }
    return starts;
}
