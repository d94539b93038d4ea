#include "core/text_list.h"

namespace sorvik1 {

void TextList::append(std::string_view text) {
    chars_.append(text);
    ends_.push_back(chars_.size());
}

std::string_view TextList::at(std::size_t index) const {
    if (index >= size()) {
        return {};
    }
    const std::size_t slot = first_ + index;
    const std::size_t from = begin(slot);
    return std::string_view(chars_).substr(from, ends_[slot] - from);
}

void TextList::removeAt(std::size_t index) {
    if (index >= size()) {
        return;
    }
    if (index == 0) {
        ++first_;
        if (first_ == ends_.size()) {
            clear();
        } else if (first_ * 2 > ends_.size()) {
            compact();
        }
        return;
    }
    const std::size_t slot = first_ + index;
    const std::size_t from = begin(slot);
    const std::uint64_t length = ends_[slot] - from;
    chars_.erase(from, length);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(slot));
    for (std::size_t k = slot; k < ends_.size(); ++k) {
        ends_[k] -= length;
    }
}

void TextList::clear() {
    chars_.clear();
    ends_.clear();
    first_ = 0;
}

// Drops the removed front entries once they are the larger part.
void TextList::compact() {
    const std::uint64_t dropped = begin(first_);
    chars_.erase(0, dropped);
    ends_.erase(ends_.begin(), ends_.begin() + static_cast<std::ptrdiff_t>(first_));
    for (std::uint64_t& end : ends_) {
        end -= dropped;
    }
    first_ = 0;
}

} // namespace sorvik1
