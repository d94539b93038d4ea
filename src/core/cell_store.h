#pragma once

#include "core/huge_page_allocator.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik1 {

// The cells of a grid: a text and a back colour per cell, kept compactly so
// that a grid of ten million rows fits in memory. Columns are stored one by
// one and only once something is written into them; a short text lives
// inline in eight bytes, a colour is a one-byte index into a small palette.
class CellStore {
  public:
    CellStore(int rows, int cols);

    int rows() const { return rows_; }
    int cols() const { return static_cast<int>(columns_.size()); }

    // Keeps the cells of the rows that remain; new rows are empty.
    void setRows(int rows);
    // Makes room for `rows` rows in every column in use and for the texts of
    // column `textCol`, so that setRows(rows) and writing those texts cannot
    // fail for lack of memory. Changes nothing the grid shows.
    void reserveRows(int rows, int textCol);

    void setText(int row, int col, std::string_view utf8);
    std::string_view text(int row, int col) const;

    // Colour value 0 means the cell has no colour of its own.
    void setColour(int row, int col, std::uint32_t colour);
    std::uint32_t colour(int row, int col) const;

    // Removes every text and colour; rows and columns stay.
    void clear();

  private:
    using Slot = std::array<char, 8>;
    // A column of a long run fills tens of megabytes at once.
    struct Column {
        std::vector<Slot, HugePageAllocator<Slot>> texts;
        std::vector<std::uint8_t, HugePageAllocator<std::uint8_t>> colours;
    };

    bool contains(int row, int col) const;
    std::uint8_t paletteIndex(std::uint32_t colour);

    int rows_;
    std::vector<Column> columns_;
    std::vector<std::string> longTexts_;
    std::vector<std::uint32_t> palette_{0};
};

} // namespace sorvik1
