#include "core/scan/spin_word.h"

#include <algorithm>

namespace sorvik1 {

std::vector<SpinWord> packSpins(const SpinSource& source, std::int64_t first, std::int64_t count) {
    std::vector<SpinWord> words;
    words.reserve(static_cast<std::size_t>(std::max<std::int64_t>(count, 0) / 64 + 1));
    for (SourceWords spins(source, first, first + count - 1); !spins.exhausted();) {
        words.push_back(spins.nextWord(64));
    }
    return words;
}

std::vector<SpinWord> packSides(std::span<const Farbcode> sides) {
    std::vector<SpinWord> words;
    words.reserve(sides.size() / 64 + 1);
    for (std::size_t first = 0; first < sides.size(); first += 64) {
        const auto count = static_cast<int>(std::min<std::size_t>(64, sides.size() - first));
        words.push_back(
            packWord(count, [&](int k) { return sides[first + static_cast<std::size_t>(k)]; }));
    }
    return words;
}

} // namespace sorvik1
