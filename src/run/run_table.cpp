#include "run/run_table.h"

#include "app/form1.h"
#include "run/number_texts.h"

#include <charconv>

namespace {

constexpr int labelColumn = 0;
constexpr int redColumn = 1;
constexpr int blackColumn = 2;
constexpr int numberColumn = 4;

} // namespace

// The spins as the run reads them, built here rather than called through
// the window at each of the three cells a spin writes.
sorvik1::SpinSource RunTableCells::spins() const {
    if (form_.importiert == 1) {
        return sorvik1::SpinSource::imported(form_.farbe, form_.permanenz);
    }
    return sorvik1::SpinSource::drawn(form_.farbe, form_.zahlen);
}

std::string_view RunTableCells::text(int row, int col, TextBuffer& buffer) const {
    const std::int64_t spin = std::int64_t{row} + 1;
    if (col == labelColumn) {
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), spin).ptr;
        return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
    }
    if (col == numberColumn) {
        return numberUtf8(spins().number(spin));
    }
    return {};
}

std::uint32_t RunTableCells::colour(int row, int col) const {
    if (col != redColumn && col != blackColumn) {
        return 0;
    }
    const sorvik1::SpinSource source = spins();
    const std::int64_t spin = std::int64_t{row} + 1;
    if (source.number(spin) == 0) {
        return sorvik1::cellZero;
    }
    const sorvik1::Farbcode colour = source.colour(spin);
    if (col == redColumn) {
        return colour == sorvik1::red ? sorvik1::cellRed : 0;
    }
    return colour == sorvik1::black ? sorvik1::cellBlack : 0;
}
