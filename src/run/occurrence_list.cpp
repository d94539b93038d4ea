#include "app/form1.h"

#include "core/wheel/figure.h"
#include "core/wheel/spin_source.h"
#include "run/number_texts.h"
#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"

#include <charconv>
#include <cmath>

bool Form1::figureTest(const sorvik1::SpinSource& spins, const sorvik1::Figure& figure,
                       std::int64_t start) {
    if (!figure.startsAt(spins, start)) {
        return false;
    }
    figbeiwurf = static_cast<double>(start + figure.span() - 1);
    std::array<char, 24> entry{};
    const auto end = std::to_chars(entry.data(), entry.data() + entry.size(), start).ptr;
    Liste->addItem(std::string_view(entry.data(), static_cast<std::size_t>(end - entry.data())));
    return true;
}

// Adds the occurrences found to the count the label shows.
void Form1::countOccurrences(std::int64_t found) {
    if (found == 0) {
        return;
    }
    const auto counted = static_cast<std::int64_t>(mengeText_.valueOf(lmenge->caption()));
    lmenge->setCaption(mengeText_(counted + found));
}

void Form1::Liste_Click() {
    const int index = Liste->listIndex();
    if (index < 0) {
        return;
    }
    const double spin = captionValue(Liste->list(index));
    tabelle2->setTopRow(static_cast<int>(std::lround(spin)) - 1);
}
