#include "core/cell_store.h"

#include "core/allocation_seam.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace sorvik1 {
namespace {

// A slot starting with this byte (never the first byte of UTF-8 text) holds
// the index of a text too long to live inline.
constexpr char longMarker = '\xFF';

// The slot of a text short enough to live inline, built byte by byte: a grid
// row's text is a few digits, written millions of times in a long run.
std::optional<std::array<char, 8>> inlineSlot(std::string_view utf8) {
    std::array<char, 8> slot{};
    if (utf8.size() > slot.size() || (!utf8.empty() && utf8.front() == longMarker)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\0') {
            return std::nullopt;
        }
        slot[i] = utf8[i];
    }
    return slot;
}

} // namespace

CellStore::CellStore(int rows, int cols)
    : rows_(std::max(rows, 0)), columns_(static_cast<std::size_t>(std::max(cols, 0))) {}

bool CellStore::contains(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols();
}

void CellStore::setRows(int rows) {
    rows_ = std::max(rows, 0);
    const auto n = static_cast<std::size_t>(rows_);
    for (Column& c : columns_) {
        if (!c.texts.empty()) {
            c.texts.resize(n);
        }
        if (!c.colours.empty()) {
            c.colours.resize(n);
        }
    }
}

void CellStore::reserveRows(int rows, int textCol) {
    const auto n = static_cast<std::size_t>(std::max(rows, 0));
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        Column& column = columns_[c];
        if (!column.texts.empty() || static_cast<int>(c) == textCol) {
            announceAllocation(n * sizeof(Slot));
            column.texts.reserve(n);
        }
        if (!column.colours.empty()) {
            announceAllocation(n);
            column.colours.reserve(n);
        }
    }
}

void CellStore::setText(int row, int col, std::string_view utf8) {
    if (!contains(row, col)) {
        return;
    }
    auto& texts = columns_[static_cast<std::size_t>(col)].texts;
    if (texts.empty()) {
        if (utf8.empty()) {
            return;
        }
        announceAllocation(static_cast<std::size_t>(rows_) * sizeof(Slot));
        texts.resize(static_cast<std::size_t>(rows_));
    }
    Slot& slot = texts[static_cast<std::size_t>(row)];
    if (const auto shortText = inlineSlot(utf8)) {
        slot = *shortText;
        return;
    }
    std::uint32_t index = 0;
    if (slot[0] == longMarker) {
        std::memcpy(&index, slot.data() + 1, sizeof index);
        longTexts_[index] = utf8;
    } else {
        index = static_cast<std::uint32_t>(longTexts_.size());
        longTexts_.emplace_back(utf8);
        slot.fill('\0');
        slot[0] = longMarker;
        std::memcpy(slot.data() + 1, &index, sizeof index);
    }
}

std::string_view CellStore::text(int row, int col) const {
    if (!contains(row, col)) {
        return {};
    }
    const auto& texts = columns_[static_cast<std::size_t>(col)].texts;
    if (texts.empty()) {
        return {};
    }
    const Slot& slot = texts[static_cast<std::size_t>(row)];
    if (slot[0] == longMarker) {
        std::uint32_t index = 0;
        std::memcpy(&index, slot.data() + 1, sizeof index);
        return longTexts_[index];
    }
    return {slot.data(), strnlen(slot.data(), slot.size())};
}

std::uint8_t CellStore::paletteIndex(std::uint32_t colour) {
    const auto found = std::find(palette_.begin(), palette_.end(), colour);
    if (found != palette_.end()) {
        return static_cast<std::uint8_t>(found - palette_.begin());
    }
    // The program uses a handful of colours; should a caller ever use more
    // than a byte can index, the oldest custom colour is reused rather than
    // growing the per-cell storage.
    if (palette_.size() == 256) {
        palette_[255] = colour;
        return 255;
    }
    palette_.push_back(colour);
    return static_cast<std::uint8_t>(palette_.size() - 1);
}

void CellStore::setColour(int row, int col, std::uint32_t colour) {
    if (!contains(row, col)) {
        return;
    }
    auto& colours = columns_[static_cast<std::size_t>(col)].colours;
    if (colours.empty()) {
        if (colour == 0) {
            return;
        }
        announceAllocation(static_cast<std::size_t>(rows_));
        colours.resize(static_cast<std::size_t>(rows_));
    }
    colours[static_cast<std::size_t>(row)] = paletteIndex(colour);
}

std::uint32_t CellStore::colour(int row, int col) const {
    if (!contains(row, col)) {
        return 0;
    }
    const auto& colours = columns_[static_cast<std::size_t>(col)].colours;
    return colours.empty() ? 0 : palette_[colours[static_cast<std::size_t>(row)]];
}

void CellStore::clear() {
    for (Column& c : columns_) {
        c = Column{};
    }
    longTexts_.clear();
    palette_.assign(1, 0);
}

} // namespace sorvik1
