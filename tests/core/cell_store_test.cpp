#include "core/cell_store.h"

#include <gtest/gtest.h>

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
