#include "auswertung/search_export.h"

#include "auswertung/search_model.h"
#include "core/laws/count_significance.h"
#include "core/wheel/figure_text.h"
#include "ui/spreadsheet_export.h"

QString searchCsv(const SearchModel& model, const QList<int>& rows) {
    QStringList lines{QStringLiteral("figur;spannweite;besetzt;vorkommen;erwartet;"
                                     "standardabweichung;z_wert;p_wert;p_methode;p_holm;"
                                     "auffaellig;chance")};
    const auto& figures = model.result().figures;
    for (const int row : rows) {
        const sorvik1::FigureFinding& f = figures[static_cast<std::size_t>(row)];
        lines << QStringList{spreadsheetText(
                                 QString::fromStdString(figureText(f.figure, f.chance))),
                             QString::number(f.figure.span()),
                             QString::number(f.figure.occupiedCount()),
                             QString::number(f.found),
                             spreadsheetNumber(f.expected),
                             spreadsheetNumber(f.standardDeviation),
                             spreadsheetNumber(f.z),
                             spreadsheetNumber(f.p.p),
                             QString::fromLatin1(sorvik1::pValueMethodKey(f.p.method)),
                             spreadsheetNumber(f.adjustedP),
                             f.flagged ? QStringLiteral("ja") : QStringLiteral("nein"),
                             QString::fromUtf8(sorvik1::chanceKey(f.chance))}
                     .join(QChar(';'));
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
