#include "auswertung/search_export.h"

#include "auswertung/evaluation_export.h"
#include "auswertung/search_model.h"
#include "core/figure_text.h"

namespace {

// The tool's short names, so that a sheet from either reads the same.
QString methodKey(sorvik1::PValueMethod method) {
    switch (method) {
    case sorvik1::PValueMethod::Normal:
        return QStringLiteral("normal");
    case sorvik1::PValueMethod::PolyaAeppli:
        return QStringLiteral("polya_aeppli");
    case sorvik1::PValueMethod::Binomial:
        return QStringLiteral("binomial");
    case sorvik1::PValueMethod::None:
        break;
    }
    return QStringLiteral("keine");
}

} // namespace

QString searchCsv(const SearchModel& model, const QList<int>& rows) {
    QStringList lines{QStringLiteral("figur;spannweite;besetzt;vorkommen;erwartet;"
                                     "standardabweichung;z_wert;p_wert;p_methode;p_holm;"
                                     "auffaellig")};
    const auto& figures = model.result().figures;
    for (const int row : rows) {
        const sorvik1::FigureFinding& f = figures[static_cast<std::size_t>(row)];
        lines << QStringList{spreadsheetText(QString::fromStdString(figureText(f.figure))),
                             QString::number(f.figure.span()),
                             QString::number(f.figure.occupiedCount()),
                             QString::number(f.found),
                             spreadsheetNumber(f.expected),
                             spreadsheetNumber(f.standardDeviation),
                             spreadsheetNumber(f.z),
                             spreadsheetNumber(f.p.p),
                             methodKey(f.p.method),
                             spreadsheetNumber(f.adjustedP),
                             f.flagged ? QStringLiteral("ja") : QStringLiteral("nein")}
                     .join(QChar(';'));
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
