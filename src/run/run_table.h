#pragma once

#include "core/store/cell_store.h"
#include "core/wheel/spin_source.h"

#include <array>
#include <string_view>

class Form1;

// The columns of the run table.
namespace runcolumn {
constexpr int label = 0;
constexpr int red = 1;
constexpr int black = 2;
constexpr int number = 4;
} // namespace runcolumn

// The cells of the run table `tabelle2` as the run writes them, derived from
// the trainer's spins: row r belongs to spin r + 1; column 0 numbers the row,
// column 4 shows the spin's number, column 1 is red for a red spin and
// column 2 black for a black one, both green for a zero.
class RunTableCells : public sorvik1::CellSource {
  public:
    explicit RunTableCells(const Form1& form);

    std::string_view text(int row, int col, TextBuffer& buffer) const override;
    std::uint32_t colour(int row, int col) const override;

  private:
    int number(int row) const;

    const Form1& form_;
    std::array<std::string_view, 37> numberTexts_;
};
