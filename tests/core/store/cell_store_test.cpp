#include "core/store/cell_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using sorvik1::CellStore;

TEST(CellStore, TextsOfEveryLengthReadBackExactly) {
    CellStore cells(3, 2);
    for (const std::string text :
         {"", "1", "36", "10000001", "123456789", "a long text with umlauts äöü", "\xFFx"}) {
        cells.setText(1, 1, text);
        EXPECT_EQ(cells.text(1, 1), text);
    }
    cells.setText(2, 0, std::string("a\0b", 3));
    EXPECT_EQ(cells.text(2, 0), std::string("a\0b", 3));
    EXPECT_EQ(cells.text(0, 0), "");
}

TEST(CellStore, LongTextOverwrittenKeepsNeighbours) {
    CellStore cells(2, 1);
    cells.setText(0, 0, "first long text");
    cells.setText(1, 0, "second long text");
    cells.setText(0, 0, "short");
    cells.setText(0, 0, "again a long text");
    EXPECT_EQ(cells.text(0, 0), "again a long text");
    EXPECT_EQ(cells.text(1, 0), "second long text");
}

TEST(CellStore, ColoursReadBackAsSetAndZeroRemovesThem) {
    CellStore cells(2, 3);
    cells.setColour(0, 1, 240);
    cells.setColour(0, 2, 15);
    cells.setColour(1, 1, 49152);
    EXPECT_EQ(cells.colour(0, 1), 240u);
    EXPECT_EQ(cells.colour(0, 2), 15u);
    EXPECT_EQ(cells.colour(1, 1), 49152u);
    EXPECT_EQ(cells.colour(1, 2), 0u);
    cells.setColour(0, 1, 0);
    EXPECT_EQ(cells.colour(0, 1), 0u);
}

TEST(CellStore, ClearEmptiesEveryCellButKeepsTheShape) {
    CellStore cells(4, 5);
    cells.setText(3, 0, "4");
    cells.setText(3, 4, "a very long cell text");
    cells.setColour(3, 1, 240);
    cells.clear();
    EXPECT_EQ(cells.rows(), 4);
    EXPECT_EQ(cells.cols(), 5);
    EXPECT_EQ(cells.text(3, 0), "");
    EXPECT_EQ(cells.text(3, 4), "");
    EXPECT_EQ(cells.colour(3, 1), 0u);
    cells.setText(3, 4, "again");
    EXPECT_EQ(cells.text(3, 4), "again");
}

TEST(CellStore, SetRowsKeepsRemainingCellsAndEmptiesNewOnes) {
    CellStore cells(2, 2);
    cells.setText(1, 0, "2");
    cells.setColour(1, 1, 15);
    cells.setRows(1);
    EXPECT_EQ(cells.text(1, 0), "");
    cells.setRows(3);
    EXPECT_EQ(cells.text(1, 0), "");
    EXPECT_EQ(cells.colour(1, 1), 0u);
    EXPECT_EQ(cells.rows(), 3);
}

TEST(CellStore, CellsOutsideTheGridAreIgnoredAndReadEmpty) {
    CellStore cells(2, 2);
    for (auto [r, c] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 2}}) {
        cells.setText(r, c, "x");
        cells.setColour(r, c, 240);
        EXPECT_EQ(cells.text(r, c), "");
        EXPECT_EQ(cells.colour(r, c), 0u);
    }
}

namespace {

// Derives the text "r+1" in column 0 and colour 240 in column 1 of row r.
class RowNumbers : public sorvik1::CellSource {
  public:
    std::string_view text(int row, int col, TextBuffer& buffer) const override {
        if (col != 0) {
            return {};
        }
        const std::string t = std::to_string(row + 1);
        std::copy(t.begin(), t.end(), buffer.begin());
        return {buffer.data(), t.size()};
    }
    std::uint32_t colour(int, int col) const override { return col == 1 ? 240 : 0; }
};

} // namespace

// Written values read back exactly whether the source derives them or not,
// and only written cells show anything.
TEST(CellStore, CellsWithASourceReadBackWhatWasWritten) {
    CellStore cells(70, 3);
    cells.setSource(std::make_unique<RowNumbers>());
    for (int r = 0; r < 70; ++r) {
        cells.setText(r, 0, std::to_string(r + 1));
        cells.setColour(r, 1, 240);
    }
    cells.setText(5, 0, "x");
    cells.setText(6, 0, "");
    cells.setColour(7, 1, 15);
    cells.setColour(8, 1, 0);
    cells.setText(9, 1, "10");
    EXPECT_EQ(cells.text(4, 0), "5");
    EXPECT_EQ(cells.text(69, 0), "70");
    EXPECT_EQ(cells.text(5, 0), "x");
    EXPECT_EQ(cells.text(6, 0), "");
    EXPECT_EQ(cells.colour(7, 1), 15u);
    EXPECT_EQ(cells.colour(8, 1), 0u);
    EXPECT_EQ(cells.text(9, 1), "10");
    cells.setText(5, 0, "6");
    EXPECT_EQ(cells.text(5, 0), "6");
    cells.setText(5, 0, "");
    EXPECT_EQ(cells.text(5, 0), "");
    EXPECT_EQ(cells.colour(3, 2), 0u);

    cells.setRows(65);
    cells.setRows(130);
    EXPECT_EQ(cells.text(64, 0), "65");
    EXPECT_EQ(cells.text(65, 0), "");
    EXPECT_EQ(cells.colour(69, 1), 0u);
    cells.setText(2, 0, "own");
    cells.setText(100, 0, "kept");
    cells.setDerivedTexts(0, 0, 65);
    EXPECT_EQ(cells.text(2, 0), "3");
    EXPECT_EQ(cells.text(64, 0), "65");
    EXPECT_EQ(cells.text(65, 0), "");
    EXPECT_EQ(cells.text(100, 0), "kept");
    cells.clear();
    EXPECT_EQ(cells.text(0, 0), "");
    EXPECT_EQ(cells.colour(0, 1), 0u);
}

// A range written at once covers exactly its rows, across whole words of
// bits and partial ones, and its cells drop what was written before.
TEST(CellStore, DerivedRangesCoverExactlyTheirRows) {
    CellStore cells(200, 3);
    cells.setSource(std::make_unique<RowNumbers>());
    cells.setText(2, 0, "own");
    cells.setText(5, 0, "own");
    cells.setColour(5, 1, 15);
    cells.setColour(150, 1, 15);
    cells.setDerivedTexts(0, 3, 130);
    cells.setDerivedColours(1, 3, 130);
    cells.setDerivedColours(2, 3, 130);
    for (const int r : {2, 3, 5, 63, 64, 65, 127, 128, 129, 130}) {
        const bool inside = r >= 3 && r < 130;
        EXPECT_EQ(cells.text(r, 0), inside ? std::to_string(r + 1) : r == 2 ? "own" : "") << r;
        EXPECT_EQ(cells.colour(r, 1), inside ? 240u : 0u) << r;
        EXPECT_EQ(cells.colour(r, 2), 0u) << r;
    }
    EXPECT_EQ(cells.colour(150, 1), 15u);
}
