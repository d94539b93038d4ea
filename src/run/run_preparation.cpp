#include "app/form1.h"

#include "app/reserving_phase.h"
#include "core/system/allocation_seam.h"
#include "core/wheel/limits.h"
#include "core/wheel/spin_source.h"
#include "run/spin_column.h"
#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/text_box.h"

#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The most spins the run may show: never more than a run can hold, and in an
// imported run never more than the loaded spins, so no spin is invented and
// nothing is read outside the loaded numbers.
double spinLimit(std::int16_t importiert, double importanzahl, std::size_t permanenzSize) {
    const auto most = static_cast<double>(sorvik1::maxSpins);
    if (importiert != 1) {
        return most;
    }
    const std::size_t margin = 1 + sorvik1::maxFigureSpan;
    const double stored = permanenzSize > margin ? static_cast<double>(permanenzSize - margin) : 0;
    return std::min({most, importanzahl, stored});
}

} // namespace

void Form1::Randomize() {
    // With a seed every run draws the same numbers for the same count, in this
    // window and in any later one started with that seed.
    random_ = sorvik1::Random(options_.seed ? *options_.seed : sorvik1::seedFromClock());
}

void Form1::prepareRun() {
    // Everything sized by the count is made before anything changes, so that
    // too little memory leaves the window as it was.
    ReservingPhase reserving(failedUnchanged_);
    const double count =
        std::min(std::floor(anzahl), spinLimit(importiert, importanzahl, permanenz.size()));
    const auto spins = static_cast<std::size_t>(std::max(count, 0.0));
    // An imported run's store stays all zeros.
    std::vector<std::int16_t> store;
    if (importiert == 0) {
        Randomize();
        store = sorvik1::drawZahlen(random_, spins);
    } else {
        const std::size_t size = spins + 1 + sorvik1::maxFigureSpan;
        sorvik1::announceAllocation(size * sizeof(std::int16_t));
        store.assign(size, 0);
    }
    tabelle2->reserveRows(static_cast<int>(spins) + 1, 0);
    reserving.commit();

    anzahl = count;
    zahlen = std::move(store);
    tabelle2->setRows(static_cast<int>(spins) + 1);
    tabelle2->setCol(0);
    // Every row shows its number, the row after the last spin too.
    tabelle2->setDerivedTexts(0, static_cast<int>(spins) + 1);
    tabelle2->setRow(static_cast<int>(spins));
    fitSpinColumn(*tabelle2, QString::number(spins + 1), 3);
    okdruck->setEnabled(true);
    okabbrechen->setEnabled(true);
    okextern->setEnabled(false);
    textanzahl->setEnabled(false);
    okstart->setText(QStringLiteral("Weiter"));
    if (importiert == 0) {
        text->setCaption(QStringLiteral(" Der Computer erzeugt die Zahlen..."));
    }
    gestartet = 1;
}
