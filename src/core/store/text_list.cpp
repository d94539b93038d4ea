#include "core/store/text_list.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace sorvik1 {
namespace {

constexpr std::uint32_t textEntry = 0x8000'0000U;

// The value of a text that reads back unchanged when formatted again.
bool plainNumber(std::string_view text, std::uint32_t& value) {
    if (text.empty() || (text.front() == '0' && text.size() > 1)) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && value < textEntry;
}

} // namespace

void TextList::append(std::string_view text) {
    std::uint32_t value = 0;
    if (plainNumber(text, value)) {
        entries_.push_back(value);
        return;
    }
    entries_.push_back(textEntry | static_cast<std::uint32_t>(texts_.size()));
    texts_.emplace_back(text);
}

std::string TextList::at(std::size_t index) const {
    if (index >= size()) {
        return {};
    }
    const std::uint32_t entry = entries_[first_ + index];
    if ((entry & textEntry) != 0) {
        return texts_[entry & ~textEntry];
    }
    std::array<char, 10> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), entry).ptr;
    return std::string(digits.data(), end);
}

void TextList::removeAt(std::size_t index) {
    if (index >= size()) {
        return;
    }
    // The text of a removed first entry stays until the list is empty.
    if (index == 0) {
        ++first_;
        if (first_ == entries_.size()) {
            clear();
        } else if (first_ * 2 > entries_.size()) {
            compact();
        }
        return;
    }
    const auto entry = entries_.begin() + static_cast<std::ptrdiff_t>(first_ + index);
    if ((*entry & textEntry) != 0) {
        // The texts after the removed one move down by one place.
        const std::uint32_t text = *entry & ~textEntry;
        texts_.erase(texts_.begin() + text);
        for (std::uint32_t& e : entries_) {
            if ((e & textEntry) != 0 && (e & ~textEntry) > text) {
                --e;
            }
        }
    }
    entries_.erase(entry);
}

void TextList::clear() {
    entries_ = {};
    texts_ = {};
    first_ = 0;
}

// Drops the removed front entries once they are the larger part.
void TextList::compact() {
    entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(first_));
    first_ = 0;
}

} // namespace sorvik1
