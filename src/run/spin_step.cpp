#include "app/form1.h"

#include "core/wheel/figure.h"
#include "core/wheel/spin_source.h"
#include "run/number_texts.h"
#include "ui/caption_label.h"
#include "ui/flexgrid.h"

namespace {

// The current spin is kept as the fifteenth visible row once the run has
// passed it.
constexpr int rowsAboveCurrent = 14;

} // namespace

void Form1::spinStep(const sorvik1::SpinSource& spins, const sorvik1::Figure& figure) {
    wurf = wurf + 1;
    const auto spin = static_cast<std::int64_t>(wurf);
    tabelle2->setRow(static_cast<int>(spin - 1));
    lakut->setCaption(wurfText_(spin));
    zahl = static_cast<std::int16_t>(spins.number(spin));
    lzahl->setCaption(numberText(zahl));
    tabelle2->setCol(4);
    tabelle2->setText(numberUtf8(zahl));

    figureTest(spins, figure);

    if (zahl == 0) {
        tabelle2->setCol(1);
        tabelle2->setCellBackColor(sorvik1::cellZero);
        tabelle2->setCol(2);
        tabelle2->setCellBackColor(sorvik1::cellZero);
        return;
    }
    const sorvik1::Farbcode colour = farbe[static_cast<std::size_t>(zahl)];
    if (colour == sorvik1::red) {
        tabelle2->setCol(1);
        tabelle2->setCellBackColor(sorvik1::cellRed);
    }
    if (colour == sorvik1::black) {
        tabelle2->setCol(2);
        tabelle2->setCellBackColor(sorvik1::cellBlack);
    }
    if (tabelle2->row() > rowsAboveCurrent) {
        tabelle2->setTopRow(tabelle2->row() - rowsAboveCurrent);
    }
}
