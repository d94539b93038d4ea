#include "run/run_table.h"

#include "app/form1.h"
#include "run/number_texts.h"

#include <charconv>

RunTableCells::RunTableCells(const Form1& form) : form_(form) {
    for (std::size_t n = 0; n < numberTexts_.size(); ++n) {
        numberTexts_[n] = numberUtf8(static_cast<int>(n));
    }
}

// The number of the row's spin as the run reads it, found here rather than
// through the window at each of the three cells a spin writes.
inline int RunTableCells::number(int row) const {
    const std::int64_t spin = std::int64_t{row} + 1;
    if (form_.importiert == 1) {
        return sorvik1::SpinSource::imported(form_.farbe, form_.permanenz).number(spin);
    }
    return sorvik1::SpinSource::drawn(form_.farbe, form_.zahlen).number(spin);
}

std::string_view RunTableCells::text(int row, int col, TextBuffer& buffer) const {
    if (col == runcolumn::label) {
        const std::int64_t label = std::int64_t{row} + 1;
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), label).ptr;
        return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
    }
    if (col == runcolumn::number) {
        return numberTexts_[static_cast<std::size_t>(number(row))];
    }
    return {};
}

std::uint32_t RunTableCells::colour(int row, int col) const {
    if (col != runcolumn::red && col != runcolumn::black) {
        return 0;
    }
    const int n = number(row);
    if (n == 0) {
        return sorvik1::cellZero;
    }
    const sorvik1::Farbcode colour = form_.farbe[static_cast<std::size_t>(n)];
    if (col == runcolumn::red) {
        return colour == sorvik1::red ? sorvik1::cellRed : 0;
    }
    return colour == sorvik1::black ? sorvik1::cellBlack : 0;
}
