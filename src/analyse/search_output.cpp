#include "analyse/search_report.h"

#include "analyse/json_number.h"
#include "analyse/terminal_text.h"
#include "analyse/value_text.h"

#include "core/text/utf8.h"
#include "core/wheel/figure_text.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>

namespace sorvik1::analyse {

namespace {

// A finite value in a printf format of significant digits; adding 0 turns
// a negative zero into 0.
std::string significant(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value + 0.0);
    return buffer;
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = utf8Length(text);
    return length >= width ? text : std::string(width - length, ' ') + text;
}

std::string rangeText(const SearchReport& report) {
    return "Spannweite 1 bis " + std::to_string(report.settings.maxSpan) +
           (report.settings.gaps ? ", mit Lücken" : ", ohne Lücken");
}

std::string chancesText(const SearchReport& report) {
    std::string text = report.chances.size() > 1 ? "alle drei: " : "";
    for (std::size_t c = 0; c < report.chances.size(); ++c) {
        text += (c > 0 ? ", " : "") + std::string(chanceName(report.chances[c]));
    }
    return text;
}

std::string chancesKey(const SearchReport& report) {
    return report.chances.size() == 1 ? std::string(chanceKey(report.chances[0])) : "alle";
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items) {
        text += (text.empty() ? "" : ", ") + terminalSafe(item);
    }
    return text;
}

// Three significant digits; below the smallest double's reach a bound.
std::string pText(double p) {
    if (!std::isfinite(p)) {
        return missing;
    }
    return p < smallestShownP ? "< 1e-300" : significant("%.3g", p);
}

} // namespace

const char* methodLabel(PValueMethod method) {
    switch (method) {
    case PValueMethod::Exact:
        return "exakt";
    case PValueMethod::Saddlepoint:
        return "Sattelpunkt";
    case PValueMethod::None:
        break;
    }
    return "–";
}

void writeSearchText(std::ostream& out, const SearchReport& report) {
    const SearchResult& result = report.result;
    const bool skipped = report.settings.rule == ZeroRule::Skipped;
    out << "Figurensuche        " << rangeText(report) << '\n'
        << "Chance              " << chancesText(report) << '\n'
        << "Quellen             " << joined(report.sources) << '\n';
    if (report.seed) {
        out << "Startwert           " << *report.seed << '\n';
    }
    out << "Null                "
        << (!skipped ? "bricht die Figur"
            : report.chances.size() == 1
                ? "übersprungen (nur " + bothSides(report.chances[0]) + " zählen)"
                : std::string("übersprungen (nur Würfe ohne Null zählen)"))
        << '\n'
        << "Würfe               " << result.spins << '\n';
    if (skipped) {
        out << "Gezählte Würfe      " << result.positions << '\n';
    }
    out << "Figuren durchsucht  " << result.figures.size() << '\n'
        << "|z| >= 3            " << result.beyondThree << ", allein durch Zufall erwartet "
        << shownFixed(result.expectedBeyondThree, 1) << '\n'
        << "Auffällig           " << result.flagged
        << " (p nach Holm über alle Figuren unter 0.05)\n"
        << "p-Wert              zweiseitig; exakt aus der Verteilung der Zahl, wo das\n"
        << "                    höchstens " << significant("%.0e", exactCountWork)
        << " Rechenschritte kostet, sonst Sattelpunktnäherung\n"
        << "                    (höchstens 10 % relativer Fehler für p von 1e-8 bis 0.05)\n";
    if (report.rows.empty()) {
        return;
    }
    out << '\n'
        << padded("Figur", 10) << padded("Vorkommen", 11) << padded("Erwartet", 12)
        << padded("SD", 9) << padded("z", 8) << padded("p", 11) << padded("p (Holm)", 11)
        << "  Methode       Auffällig\n";
    for (const std::size_t row : report.rows) {
        const FigureFinding& f = result.figures[row];
        std::string method = methodLabel(f.p.method);
        method += std::string(14 - utf8Length(method), ' ');
        out << padded(figureText(f.figure, f.chance), 10) << padded(std::to_string(f.found), 11)
            << padded(shownFixed(f.expected, 2), 12)
            << padded(shownFixed(f.standardDeviation, 2), 9) << padded(shownFixed(f.z, 2), 8)
            << padded(pText(f.p.p), 11) << padded(pText(f.adjustedP), 11) << "  " << method
            << (f.flagged ? "ja" : "") << '\n';
    }
}

void writeSearchCsv(std::ostream& out, const SearchReport& report) {
    out << "figur,spannweite,besetzt,vorkommen,erwartet,standardabweichung,z_wert,p_wert,"
           "p_methode,p_holm,auffaellig,chance\r\n";
    const auto plain = [](double x) { return std::isfinite(x) ? significant("%.17g", x) : ""; };
    for (const std::size_t row : report.rows) {
        const FigureFinding& f = report.result.figures[row];
        out << figureText(f.figure, f.chance) << ',' << f.figure.span() << ','
            << f.figure.occupiedCount() << ',' << f.found << ',' << plain(f.expected) << ','
            << plain(f.standardDeviation) << ',' << plain(f.z) << ',' << plain(f.p.p) << ','
            << pValueMethodKey(f.p.method) << ',' << plain(f.adjustedP) << ','
            << (f.flagged ? "ja" : "nein") << ',' << chanceKey(f.chance) << "\r\n";
    }
}

void writeSearchJson(std::ostream& out, const SearchReport& report) {
    const SearchResult& result = report.result;
    nlohmann::ordered_json sources = nlohmann::ordered_json::array();
    for (const auto& source : report.sources) {
        sources.push_back(validUtf8(source));
    }
    nlohmann::ordered_json summary = {
        {"quellen", sources},
        {"spannweite", report.settings.maxSpan},
        {"luecken", report.settings.gaps},
        {"null", report.settings.rule == ZeroRule::Skipped ? "ueberspringen" : "bricht"},
        {"wuerfe", result.spins},
        {"gezaehlte_wuerfe", result.positions},
        {"figuren_durchsucht", result.figures.size()},
        {"z_mindestens_3", result.beyondThree},
        {"z_mindestens_3_zufall", jsonNumber(result.expectedBeyondThree)},
        {"auffaellig", result.flagged},
        {"p_exakt_bis_aufwand", exactCountWork},
        {"chance", chancesKey(report)},
    };
    if (report.seed) {
        summary["startwert"] = *report.seed;
    }
    nlohmann::ordered_json figures = nlohmann::ordered_json::array();
    for (const std::size_t row : report.rows) {
        const FigureFinding& f = result.figures[row];
        figures.push_back({{"figur", figureText(f.figure, f.chance)},
                           {"spannweite", f.figure.span()},
                           {"besetzt", f.figure.occupiedCount()},
                           {"vorkommen", f.found},
                           {"erwartet", jsonNumber(f.expected)},
                           {"standardabweichung", jsonNumber(f.standardDeviation)},
                           {"z_wert", jsonNumber(f.z)},
                           {"p_wert", jsonNumber(f.p.p)},
                           {"p_methode", pValueMethodKey(f.p.method)},
                           {"p_holm", jsonNumber(f.adjustedP)},
                           {"auffaellig", f.flagged},
                           {"chance", chanceKey(f.chance)}});
    }
    out << nlohmann::ordered_json{{"suche", summary}, {"figuren", figures}}.dump(2) << '\n';
}

} // namespace sorvik1::analyse
