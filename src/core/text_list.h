#pragma once

#include "core/huge_page_allocator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik1 {

// The entries of a list box, kept in one block of characters: millions of
// short entries cost a few bytes each. Removing the first entry is cheap,
// because a list is emptied that way one entry at a time.
class TextList {
  public:
    std::size_t size() const { return ends_.size() - first_; }
    bool empty() const { return size() == 0; }

    void append(std::string_view text);
    std::string_view at(std::size_t index) const;
    // Does nothing for an index outside the list.
    void removeAt(std::size_t index);
    void clear();

  private:
    std::size_t begin(std::size_t slot) const { return slot == 0 ? 0 : ends_[slot - 1]; }
    void compact();

    // A list of millions of entries grows to tens of megabytes during a run.
    std::basic_string<char, std::char_traits<char>, HugePageAllocator<char>> chars_;
    std::vector<std::uint64_t, HugePageAllocator<std::uint64_t>> ends_;
    std::size_t first_ = 0;
};

} // namespace sorvik1
