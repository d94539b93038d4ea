#include "stats/chart_input.h"

#include "core/wheel/figure_text.h"
#include "ui/german_numbers.h"

QString chartTitleOf(const ChartInput& input) {
    using germannumbers::whole;
    const QString spins =
        input.shown < input.runSpins
            ? QStringLiteral("%1 von %2").arg(whole(input.shown), whole(input.runSpins))
            : whole(input.shown);
    const QString source =
        input.permanenceFile.isEmpty()
            ? QStringLiteral("Zufallswürfe: %1").arg(spins)
            : QStringLiteral("Datei %1, Würfe: %2").arg(input.permanenceFile, spins);
    return QStringLiteral("Figur %1 · Null bricht die Figur · %2")
        .arg(QString::fromStdString(sorvik1::figureText(input.figure)), source);
}
