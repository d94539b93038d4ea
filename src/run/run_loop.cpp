#include "app/form1.h"

#include "core/wheel/figure.h"
#include "core/wheel/spin_source.h"
#include "ui/caption_label.h"

#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <span>

namespace {

const QString endMark = QStringLiteral("                    ***  ENDE  *** ");

} // namespace

void Form1::okstart_Click() {
    if (gestartet != 1) {
        prepareRun();
    }
    runLoop();
}

sorvik1::SpinSource Form1::spinSource() const {
    if (importiert == 1) {
        // Loaded spins past the run's count are left out, so that the figure
        // test finds the zero margin there, as in a drawn run.
        const std::size_t spins = std::min(permanenz.size(), static_cast<std::size_t>(anzahl) + 1);
        return sorvik1::SpinSource::imported(farbe, std::span(permanenz).first(spins));
    }
    return sorvik1::SpinSource::drawn(farbe, zahlen);
}

void Form1::runLoop() {
    if (!(wurf < anzahl)) {
        endRun();
        return;
    }
    // A single step runs one spin; a run through runs to the end, and one
    // that halts at a figure up to the spin that ends an occurrence.
    const bool through = Option1[1]->isChecked();
    const bool halting = Option1[2]->isChecked();
    const auto first = static_cast<std::int64_t>(wurf) + 1;
    const auto last = through || halting ? static_cast<std::int64_t>(std::ceil(anzahl)) : first;
    const sorvik1::Figure figure = sorvik1::Figure::fromGrid(figur, figanfang, figende);
    const std::int64_t reached = runSpins(spinSource(), figure, first, last, halting);
    if (halting && figbeiwurf == static_cast<double>(reached)) {
        figbeiwurf = 0;
        return;
    }
    if (through || halting) {
        endRun();
    }
}

std::int64_t Form1::runSpins(const sorvik1::SpinSource& spins, const sorvik1::Figure& figure,
                             std::int64_t first, std::int64_t last, bool haltAtFigure) {
    std::int64_t found = 0;
    std::int64_t spin = first;
    for (;; ++spin) {
        found += figureTest(spins, figure, spin) ? 1 : 0;
        if (spin == last || (haltAtFigure && figbeiwurf == static_cast<double>(spin))) {
            break;
        }
    }
    showSpins(spins, first, spin);
    countOccurrences(found);
    return spin;
}

void Form1::endRun() {
    text->setCaption(text->caption() + QChar(13) + endMark);
    okstart->setText(QStringLiteral("Start"));
    okstart->setEnabled(false);
}
