#pragma once

#include "window_fixture.h"

#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QPushButton>
#include <QRadioButton>

#include <utility>
#include <vector>

// A window with an active figure whose runs replay chosen numbers, so that
// every spin, occurrence and halt of a run is known in advance.
class RunTest : public WindowTest {
  protected:
    enum Mode { einzelschritt = 0, durchlauf = 1, haltBeiFigur = 2 };

    // Positions 1 .. 20 with their colours; every other position is free.
    void useFigure(const std::vector<std::pair<int, sorvik1::Farbcode>>& positions) {
        form.figur.fill(0);
        form.figanfang = 0;
        form.figende = 0;
        for (const auto& [position, colour] : positions) {
            form.figur[static_cast<std::size_t>(position)] = colour;
            if (form.figanfang == 0 || position < form.figanfang) {
                form.figanfang = static_cast<std::int16_t>(position);
            }
            form.figende = std::max(form.figende, static_cast<std::int16_t>(position));
        }
    }

    // Makes the numbers the spin source, as a loaded permanence does.
    void load(const std::vector<int>& numbers) {
        const auto count = numbers.size();
        form.importanzahl = static_cast<double>(count);
        form.anzahl = form.importanzahl;
        form.textanzahl->setText(QString::number(count));
        form.importiert = 1;
        form.permanenz.assign(count + 21, 0.0);
        for (std::size_t i = 0; i < count; ++i) {
            form.permanenz[i + 1] = numbers[i];
        }
    }

    void select(Mode mode) { form.Option1[mode]->setChecked(true); }
    void press() { form.okstart->click(); }
    bool ended() const { return !form.okstart->isEnabled() && form.gestartet == 1; }

    QStringList listed() const {
        QStringList entries;
        for (int i = 0; i < form.Liste->listCount(); ++i) {
            entries << form.Liste->list(i);
        }
        return entries;
    }

    // The number shown in a spin's row.
    QString shown(int spin) const { return form.tabelle2->textAt(spin - 1, 4); }
};
