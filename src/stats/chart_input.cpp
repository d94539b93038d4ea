#include "stats/chart_input.h"

#include "app/form1.h"
#include "core/figure_text.h"
#include "core/roulette_number.h"
#include "core/run_statistics.h"
#include "stats/german_numbers.h"
#include "ui/file_list.h"

#include <algorithm>

ChartInput chartInputOf(const Form1& form) {
    ChartInput input;
    input.figure = sorvik1::Figure::fromGrid(form.figur, form.figanfang, form.figende);
    input.shown = static_cast<std::int64_t>(form.wurf);
    input.runSpins = static_cast<std::int64_t>(form.anzahl);
    input.colours = form.farbe;
    // The trainer lists a start once its spin is shown, reading ahead to the
    // end of the occurrence.
    const auto read =
        static_cast<std::size_t>(sorvik1::coveredSpins(input.figure, input.shown, input.runSpins));
    if (form.importiert == 1) {
        const std::size_t end = std::min(form.permanenz.size(), read + 1);
        input.numbers.resize(end);
        for (std::size_t spin = 1; spin < end; ++spin) {
            input.numbers[spin] = static_cast<std::int16_t>(
                sorvik1::rouletteNumber(form.permanenz[spin]).value_or(0));
        }
    } else {
        const std::size_t end = std::min(form.zahlen.size(), read + 1);
        input.numbers.assign(form.zahlen.begin(),
                             form.zahlen.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return input;
}

QString chartTitleOf(const Form1& form) {
    using germannumbers::whole;
    const auto figure = sorvik1::Figure::fromGrid(form.figur, form.figanfang, form.figende);
    const auto shown = static_cast<std::int64_t>(form.wurf);
    const auto all = static_cast<std::int64_t>(form.anzahl);
    const QString spins =
        shown < all ? QStringLiteral("%1 von %2").arg(whole(shown), whole(all)) : whole(shown);
    // While a permanence is loaded the import frame is closed and its file
    // list still names the loaded file.
    const QString source =
        form.importiert == 1
            ? QStringLiteral("Datei %1, Würfe: %2").arg(form.File1->fileName(), spins)
            : QStringLiteral("Zufallswürfe: %1").arg(spins);
    return QStringLiteral("Figur %1 · Null bricht die Figur · %2")
        .arg(QString::fromStdString(sorvik1::figureText(figure)), source);
}
