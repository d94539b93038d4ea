#include "app/form1.h"

#include "core/wheel/figure.h"
#include "core/wheel/spin_source.h"
#include "ui/caption_label.h"

#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
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
    const sorvik1::SpinSource spins = spinSource();
    const sorvik1::Figure figure = sorvik1::Figure::fromGrid(figur, figanfang, figende);
    for (;;) {
        if (!(wurf < anzahl)) {
            endRun();
            return;
        }
        spinStep(spins, figure);
        if (Option1[1]->isChecked()) {
            continue;
        }
        if (Option1[2]->isChecked()) {
            if (figbeiwurf == wurf) {
                figbeiwurf = 0;
                return;
            }
            continue;
        }
        return;
    }
}

void Form1::endRun() {
    text->setCaption(text->caption() + QChar(13) + endMark);
    okstart->setText(QStringLiteral("Start"));
    okstart->setEnabled(false);
}
