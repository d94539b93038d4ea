#pragma once

#include "core/system/huge_page_allocator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik1 {

// The entries of a list box. The occurrence list holds millions of spin
// numbers: an entry that is a plain number (digits without a leading zero)
// is kept as that number in four bytes and formatted when it is read; any
// other entry is kept as its text. Every entry reads back exactly as it was
// appended. Removing the first entry is cheap, because a list is emptied that
// way one entry at a time.
class TextList {
  public:
    std::size_t size() const { return entries_.size() - first_; }
    bool empty() const { return size() == 0; }

    void append(std::string_view text);
    std::string at(std::size_t index) const;
    // Does nothing for an index outside the list.
    void removeAt(std::size_t index);
    void clear();

  private:
    void compact();

    // A number, or `textEntry` plus the index of the entry's text in texts_.
    std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> entries_;
    std::vector<std::string> texts_;
    std::size_t first_ = 0;
};

} // namespace sorvik1
