#include "core/spin_word.h"

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
    std::vector<SpinWord> words(sides.size() / 64 + (sides.size() % 64 != 0));
    for (std::size_t i = 0; i < sides.size(); ++i) {
        words[i / 64].push(sides[i]);
    }
    return words;
}

} // namespace sorvik1
