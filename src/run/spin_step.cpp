#include "app/form1.h"

#include "core/wheel/spin_source.h"
#include "run/number_texts.h"
#include "run/run_table.h"
#include "ui/caption_label.h"
#include "ui/flexgrid.h"

namespace {

// The current spin is kept as the fifteenth visible row once the run has
// passed it.
constexpr int rowsAboveCurrent = 14;

// The cell that showing a spin writes last: the colour cell of a red or a
// black spin, of a zero the black one (it colours both), else the number.
int lastCellWritten(int number, const sorvik1::ColourTable& farbe) {
    if (number == 0) {
        return runcolumn::black;
    }
    const sorvik1::Farbcode colour = farbe[static_cast<std::size_t>(number)];
    if (colour == sorvik1::red) {
        return runcolumn::red;
    }
    return colour == sorvik1::black ? runcolumn::black : runcolumn::number;
}

} // namespace

// Shows the spins `first` .. `last` as showing each in turn would: every
// row its number and colour, the labels the last spin, and the last cell
// written is the current cell. The grid writes each column in one go; a
// colour cell of a spin of the other colour is given no colour, as it had
// none while its row was not yet reached.
void Form1::showSpins(const sorvik1::SpinSource& spins, std::int64_t first, std::int64_t last) {
    wurf = static_cast<double>(last);
    const auto firstRow = static_cast<int>(first - 1);
    const auto endRow = static_cast<int>(last);
    tabelle2->setRow(endRow - 1);
    lakut->setCaption(wurfText_(last));
    zahl = static_cast<std::int16_t>(spins.number(last));
    lzahl->setCaption(numberText(zahl));
    tabelle2->setCol(runcolumn::number);
    tabelle2->setDerivedTexts(firstRow, endRow);
    tabelle2->setCol(runcolumn::red);
    tabelle2->setDerivedColours(firstRow, endRow);
    tabelle2->setCol(runcolumn::black);
    tabelle2->setDerivedColours(firstRow, endRow);
    tabelle2->setCol(lastCellWritten(zahl, farbe));

    // A zero leaves the rows where they are; the last other spin scrolls.
    std::int64_t scrolling = last;
    while (scrolling >= first && spins.number(scrolling) == 0) {
        --scrolling;
    }
    const auto row = static_cast<int>(scrolling - 1);
    if (scrolling >= first && row > rowsAboveCurrent) {
        tabelle2->setTopRow(row - rowsAboveCurrent);
    }
}
