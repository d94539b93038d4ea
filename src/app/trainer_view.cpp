// What the windows beside the trainer see of it: copies of its state, and the
// one change they may make, drawing a figure through its own handlers.
#include "app/form1.h"

#include "core/trainer/run_statistics.h"
#include "core/wheel/spin_source.h"
#include "figure/figure_grid.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"

#include <QPushButton>

#include <algorithm>

namespace {

// What a mouse click on a cell does: the cell becomes current, then the
// grid reports the click to its handler.
void clickCell(FlexGrid& grid, int row, int column) {
    const QModelIndex cell = grid.model()->index(row, column);
    grid.setCurrentIndex(cell);
    emit grid.clicked(cell);
}

std::int64_t spinOfEntry(const ListBox& list, int index) {
    return list.list(index).toLongLong();
}

// The first `size` entries of the spins by number, as the source reads them;
// entry 0 is 0.
std::vector<std::int16_t> numbersOf(const sorvik1::SpinSource& spins, std::size_t size) {
    std::vector<std::int16_t> numbers(size, 0);
    for (std::size_t spin = 1; spin < size; ++spin) {
        numbers[spin] = static_cast<std::int16_t>(spins.number(static_cast<std::int64_t>(spin)));
    }
    return numbers;
}

} // namespace

QWidget& Form1::trainerWindow() {
    return *this;
}

sorvik1::Figure Form1::activeFigure() const {
    return sorvik1::Figure::fromGrid(figur, figanfang, figende);
}

// The trainer's figure test ends an occurrence at a zero.
sorvik1::ZeroRule Form1::zeroRule() const {
    return sorvik1::ZeroRule::Breaks;
}

RunSnapshot Form1::runSnapshot() const {
    RunSnapshot snapshot;
    snapshot.figure = activeFigure();
    auto& count = snapshot.count;
    count.shown = static_cast<std::int64_t>(wurf);
    count.runSpins = static_cast<std::int64_t>(anzahl);
    // Each listed entry is one occurrence, the start spin as its text.
    const ListBox& list = *Liste;
    count.occurrences = list.listCount();
    if (count.occurrences > 0) {
        count.firstStart = spinOfEntry(list, 0);
        count.lastStart = spinOfEntry(list, list.listCount() - 1);
    }
    return snapshot;
}

ChartInput Form1::chartInput() const {
    ChartInput input;
    input.figure = activeFigure();
    input.shown = static_cast<std::int64_t>(wurf);
    input.runSpins = static_cast<std::int64_t>(anzahl);
    input.colours = farbe;
    // The trainer lists a start once its spin is shown, reading ahead to the
    // end of the occurrence.
    const auto read =
        static_cast<std::size_t>(sorvik1::coveredSpins(input.figure, input.shown, input.runSpins));
    if (importiert == 1) {
        input.numbers = numbersOf(sorvik1::SpinSource::imported(farbe, permanenz),
                                  std::min(permanenz.size(), read + 1));
        // While a permanence is loaded the import frame is closed and its
        // file list still names the loaded file.
        input.permanenceFile = File1->fileName();
    } else {
        const std::size_t end = std::min(zahlen.size(), read + 1);
        input.numbers.assign(zahlen.begin(), zahlen.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return input;
}

HeldSpins Form1::heldSpins() const {
    HeldSpins held;
    held.colours = farbe;
    if (importiert == 1) {
        held.source = HeldSpins::Source::Permanence;
        held.numbers =
            numbersOf(sorvik1::SpinSource::imported(farbe, permanenz),
                      std::min(permanenz.size(), static_cast<std::size_t>(importanzahl) + 1));
    } else {
        held.numbers = numbersOf(sorvik1::SpinSource::drawn(farbe, zahlen),
                                 static_cast<std::size_t>(wurf) + 1);
    }
    return held;
}

bool Form1::figureGridOpen() const {
    return okfigok->isEnabled();
}

bool Form1::drawFigure(const sorvik1::Figure& figure) {
    if (!figureGridOpen() || figure.empty()) {
        return false;
    }
    FlexGrid& grid = *tabelle1;
    for (int row = 0; row < sorvik1::maxFigureSpan; ++row) {
        for (const auto& mark : {figuregrid::redMarks, figuregrid::blackMarks}) {
            if (grid.cellBackColorAt(row, mark.column) == mark.colour) {
                clickCell(grid, row, mark.column);
                okfigabsetz->click();
            }
        }
    }
    for (int offset = 0; offset < figure.span(); ++offset) {
        const sorvik1::Farbcode colour = figure.at(offset);
        if (colour != sorvik1::noColour) {
            clickCell(grid, offset,
                      colour == sorvik1::red ? figuregrid::redMarks.column
                                             : figuregrid::blackMarks.column);
            okfigsetz->click();
        }
    }
    return true;
}

std::optional<std::uint64_t> Form1::seed() const {
    return options_.seed;
}
