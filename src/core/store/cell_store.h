#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sorvik1 {

// What the cells of a grid show when the program writes what its data
// derives: the run table's cells follow from the spins. A grid holding ten
// million rows then keeps a bit per written cell and formats a cell's text
// only when it is painted or read. The owner keeps the derived values
// unchanged while cells show them (the trainer empties its grid before its
// spins change).
class CellSource {
  public:
    using TextBuffer = std::array<char, 24>;

    virtual ~CellSource() = default;
    // The cell's derived text, in `buffer` or in storage that outlives it.
    virtual std::string_view text(int row, int col, TextBuffer& buffer) const = 0;
    // The cell's derived colour in the 0x00BBGGRR form, 0 for none.
    virtual std::uint32_t colour(int row, int col) const = 0;
};

// The cells of a grid: a text and a back colour per cell. A cell reads back
// exactly the last text and colour written to it. A value the source derives
// costs one bit (kept per column, once something is written into it); any
// other value is kept as the cell's own.
class CellStore {
  public:
    CellStore(int rows, int cols);

    // Set before the first cell is written.
    void setSource(std::unique_ptr<CellSource> source) { source_ = std::move(source); }

    int rows() const { return rows_; }
    int cols() const { return static_cast<int>(columns_.size()); }

    // Keeps the cells of the rows that remain; new rows are empty.
    void setRows(int rows);
    // Makes room for `rows` rows in every column in use and for the texts of
    // column `textCol`, so that setRows(rows) and writing the derived texts
    // cannot fail for lack of memory. Changes nothing the grid shows.
    void reserveRows(int rows, int textCol);

    void setText(int row, int col, std::string_view utf8);
    // Writes into rows `from` .. `to` - 1 of column `col` the texts the source
    // derives, as setText with each of them would, without formatting them.
    void setDerivedTexts(int col, int from, int to);
    // Gives rows `from` .. `to` - 1 of column `col` the colours the source
    // derives, none where it derives none, as setColour with each would.
    void setDerivedColours(int col, int from, int to);
    std::string text(int row, int col) const;

    // Colour value 0 means the cell has no colour of its own.
    void setColour(int row, int col, std::uint32_t colour);
    std::uint32_t colour(int row, int col) const;

    // Removes every text and colour; rows and columns stay.
    void clear();

  private:
    // One bit per row: the cell shows what the source derives.
    using Bits = std::vector<std::uint64_t>;
    struct Column {
        Bits texts;
        Bits colours;
    };

    bool contains(int row, int col) const;
    std::uint64_t key(int row, int col) const;
    void fitRows(Bits& bits) const;
    void makeBits(Bits& bits) const;
    void mark(Bits& bits, int row, bool derived) const;
    template <typename Map>
    void deriveRows(Bits Column::*bits, Map& own, int col, int from, int to);

    int rows_;
    std::vector<Column> columns_;
    std::unique_ptr<CellSource> source_;
    std::unordered_map<std::uint64_t, std::string> ownTexts_;
    std::unordered_map<std::uint64_t, std::uint32_t> ownColours_;
};

} // namespace sorvik1
