#include "core/store/cell_store.h"

#include "core/system/allocation_seam.h"

#include <algorithm>

namespace sorvik1 {
namespace {

std::size_t wordsFor(int rows) {
    return (static_cast<std::size_t>(rows) + 63) / 64;
}

bool test(const std::vector<std::uint64_t>& bits, int row) {
    const auto r = static_cast<std::size_t>(row);
    return !bits.empty() && ((bits[r / 64] >> (r % 64)) & 1U) != 0;
}

// Texts of a cell are a few characters: compared without a library call.
bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

// Sets the bits from .. to - 1, whole words at a time where it can.
void setBits(std::vector<std::uint64_t>& bits, std::size_t from, std::size_t to) {
    for (; from < to && from % 64 != 0; ++from) {
        bits[from / 64] |= std::uint64_t{1} << (from % 64);
    }
    const std::size_t whole = to / 64;
    if (from / 64 < whole) {
        std::fill(bits.begin() + static_cast<std::ptrdiff_t>(from / 64),
                  bits.begin() + static_cast<std::ptrdiff_t>(whole), ~std::uint64_t{0});
        from = whole * 64;
    }
    for (; from < to; ++from) {
        bits[from / 64] |= std::uint64_t{1} << (from % 64);
    }
}

template <typename Map> void eraseRowsFrom(Map& cells, int rows, int cols) {
    std::erase_if(cells, [&](const auto& cell) {
        return cell.first / static_cast<std::uint64_t>(cols) >= static_cast<std::uint64_t>(rows);
    });
}

} // namespace

CellStore::CellStore(int rows, int cols)
    : rows_(std::max(rows, 0)), columns_(static_cast<std::size_t>(std::max(cols, 0))) {}

bool CellStore::contains(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols();
}

std::uint64_t CellStore::key(int row, int col) const {
    return static_cast<std::uint64_t>(row) * static_cast<std::uint64_t>(cols()) +
           static_cast<std::uint64_t>(col);
}

// Sizes a column's bits to the rows; the rows past the last stay clear, so
// rows added later start empty.
void CellStore::fitRows(Bits& bits) const {
    if (bits.empty()) {
        return;
    }
    bits.resize(wordsFor(rows_));
    if (const int used = rows_ % 64; used != 0) {
        bits.back() &= (std::uint64_t{1} << used) - 1;
    }
}

// A column's bits are made when it first shows a derived value.
void CellStore::makeBits(Bits& bits) const {
    const std::size_t words = wordsFor(rows_);
    if (bits.capacity() < words) {
        announceAllocation(words * sizeof(std::uint64_t));
    }
    bits.resize(words);
}

inline void CellStore::mark(Bits& bits, int row, bool derived) const {
    if (bits.empty()) {
        if (!derived) {
            return;
        }
        makeBits(bits);
    }
    const auto r = static_cast<std::size_t>(row);
    const std::uint64_t bit = std::uint64_t{1} << (r % 64);
    bits[r / 64] = derived ? bits[r / 64] | bit : bits[r / 64] & ~bit;
}

void CellStore::setRows(int rows) {
    rows_ = std::max(rows, 0);
    for (Column& c : columns_) {
        fitRows(c.texts);
        fitRows(c.colours);
    }
    eraseRowsFrom(ownTexts_, rows_, cols());
    eraseRowsFrom(ownColours_, rows_, cols());
}

void CellStore::reserveRows(int rows, int textCol) {
    const std::size_t words = wordsFor(std::max(rows, 0));
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        Column& column = columns_[c];
        if (!column.texts.empty() || static_cast<int>(c) == textCol) {
            announceAllocation(words * sizeof(std::uint64_t));
            column.texts.reserve(words);
        }
        if (!column.colours.empty()) {
            announceAllocation(words * sizeof(std::uint64_t));
            column.colours.reserve(words);
        }
    }
}

void CellStore::setText(int row, int col, std::string_view utf8) {
    if (!contains(row, col)) {
        return;
    }
    if (!ownTexts_.empty()) {
        ownTexts_.erase(key(row, col));
    }
    CellSource::TextBuffer buffer;
    const bool derived =
        !utf8.empty() && source_ && sameText(source_->text(row, col, buffer), utf8);
    mark(columns_[static_cast<std::size_t>(col)].texts, row, derived);
    if (!derived && !utf8.empty()) {
        ownTexts_.emplace(key(row, col), utf8);
    }
}

// Marks rows from .. to - 1 of the column as showing what the source
// derives and drops their own values.
template <typename Map>
void CellStore::deriveRows(Bits Column::*bits, Map& own, int col, int from, int to) {
    from = std::max(from, 0);
    to = std::min(to, rows_);
    if (col < 0 || col >= cols() || from >= to || !source_) {
        return;
    }
    if (!own.empty()) {
        const auto columns = static_cast<std::uint64_t>(cols());
        std::erase_if(own, [&](const auto& cell) {
            const std::uint64_t row = cell.first / columns;
            return cell.first % columns == static_cast<std::uint64_t>(col) &&
                   row >= static_cast<std::uint64_t>(from) && row < static_cast<std::uint64_t>(to);
        });
    }
    Bits& column = columns_[static_cast<std::size_t>(col)].*bits;
    mark(column, from, true);
    setBits(column, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
}

void CellStore::setDerivedTexts(int col, int from, int to) {
    deriveRows(&Column::texts, ownTexts_, col, from, to);
}

void CellStore::setDerivedColours(int col, int from, int to) {
    deriveRows(&Column::colours, ownColours_, col, from, to);
}

std::string CellStore::text(int row, int col) const {
    if (!contains(row, col)) {
        return {};
    }
    if (!ownTexts_.empty()) {
        if (const auto own = ownTexts_.find(key(row, col)); own != ownTexts_.end()) {
            return own->second;
        }
    }
    if (!test(columns_[static_cast<std::size_t>(col)].texts, row)) {
        return {};
    }
    CellSource::TextBuffer buffer;
    return std::string(source_->text(row, col, buffer));
}

void CellStore::setColour(int row, int col, std::uint32_t colour) {
    if (!contains(row, col)) {
        return;
    }
    if (!ownColours_.empty()) {
        ownColours_.erase(key(row, col));
    }
    const bool derived = colour != 0 && source_ && source_->colour(row, col) == colour;
    mark(columns_[static_cast<std::size_t>(col)].colours, row, derived);
    if (!derived && colour != 0) {
        ownColours_.emplace(key(row, col), colour);
    }
}

std::uint32_t CellStore::colour(int row, int col) const {
    if (!contains(row, col)) {
        return 0;
    }
    if (!ownColours_.empty()) {
        if (const auto own = ownColours_.find(key(row, col)); own != ownColours_.end()) {
            return own->second;
        }
    }
    return test(columns_[static_cast<std::size_t>(col)].colours, row) ? source_->colour(row, col)
                                                                      : 0;
}

void CellStore::clear() {
    for (Column& c : columns_) {
        c = Column{};
    }
    ownTexts_ = {};
    ownColours_ = {};
}

} // namespace sorvik1
