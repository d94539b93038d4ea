#include "analyse/strategy_report.h"

#include "analyse/json_number.h"
#include "analyse/output.h"
#include "analyse/terminal_text.h"
#include "analyse/value_text.h"
#include "core/text/text_encoding.h"
#include "core/text/utf8.h"

#include <nlohmann/json.hpp>

namespace sorvik1::analyse {

namespace {

// The sessions of all rows together.
SessionsTotal totalOf(const StrategyReport& report) {
    return sorvik1::totalOf(report.sessions);
}

std::string percent(double chance) {
    return shownFixed(100 * chance, 4) + " %";
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = utf8Length(text);
    return length >= width ? text : std::string(width - length, ' ') + text;
}

std::string settingsText(const StrategySettings& s) {
    std::string text = planName(s.plan);
    if (s.plan == StakePlanKind::Paroli) {
        text += " mit " + std::to_string(s.paroliStages) + " Stufen";
    } else if (s.plan == StakePlanKind::Reihe) {
        text += " (";
        for (std::size_t i = 0; i < s.series.size(); ++i) {
            text += (i == 0 ? "" : ",") + std::to_string(s.series[i]);
        }
        text += ")";
    }
    return text + ", Grundeinsatz " + std::to_string(s.base) + ", " +
           (s.against ? "gegen die Figur" : "mit der Figur");
}

std::string tableText(const StrategySettings& s) {
    return "Kapital " + std::to_string(s.capital) + ", Minimum " +
           std::to_string(s.tableMinimum()) + ", Maximum " +
           (s.maximum ? std::to_string(*s.maximum) : std::string("keines")) + ", Ziel " +
           (s.target ? "+" + std::to_string(*s.target) : std::string("keines"));
}

std::string sourceText(const StrategyReport& report) {
    if (!report.length) {
        return std::to_string(report.sessions.size()) +
               (report.sessions.size() == 1 ? " Datei" : " Dateien") + ", jede eine Sitzung";
    }
    return std::to_string(report.sessions.size()) + " zufällige Sitzungen zu je " +
           std::to_string(report.length->count) + (report.length->inBets ? " Wetten" : " Würfen") +
           ", Startwert " + std::to_string(*report.seed);
}

std::string endText(const SessionResult& s) {
    return std::string(sessionEndText(s.end)) + " bei Wurf " + std::to_string(s.endSpin) +
           ", Wette " + std::to_string(s.bets);
}

std::string sessionName(const StrategyReport& report, std::size_t i) {
    return report.sources[i].empty() ? "Sitzung " + std::to_string(i + 1)
                                     : terminalSafe(fileTextToUtf8(report.sources[i]));
}

// Beyond this many sessions the text shows only their total.
constexpr std::size_t textRows = 100;

void writeRow(std::ostream& out, const std::string& name, const SessionResult& s,
              const std::string& end) {
    out << name << '\n'
        << padded(std::to_string(s.spins), 10) << padded(std::to_string(s.bets), 9)
        << padded(std::to_string(s.wins), 9) << padded(std::to_string(s.losses), 9)
        << padded(std::to_string(s.zeros), 7) << padded(amountText(s.staked), 11)
        << padded(amountText(s.net), 11) << padded(shownFixed(s.expected, 2), 12)
        << padded(shownFixed(s.z(), 2), 7) << padded(std::to_string(s.longestLosingSeries), 7)
        << padded(amountText(s.maxDrawdown), 10) << padded(amountText(s.highestStake), 9)
        << (end.empty() ? "" : "  " + end) << '\n';
}

void writeLawText(std::ostream& out, const StrategyReport& report) {
    const std::string sessions = report.length ? "Sitzungen dieser Länge"
                                               : "Sitzungen so lang wie "
                                                 "die Dateien";
    out << "\nZufall allein (derselbe Plan, " << sessions << "):\n";
    if (report.exact) {
        const ExactLaw& law = *report.exact;
        out << "  Ruin                " << percent(law.ruin) << "   exakt\n"
            << "  Ziel erreicht       " << (report.settings.target ? percent(law.target) : "–")
            << (report.settings.target ? "   exakt" : "") << '\n'
            << "  Mittleres Ergebnis  " << shownFixed(law.meanNet, 4) << "   exakt\n"
            << "  Methode             exakt: dynamisches Programm über Kapital und Planzustand\n";
    } else if (report.simulated) {
        const SessionsLaw& law = *report.simulated;
        const auto interval = [](const ChanceInterval& c) {
            return percent(c.estimate) + "   95 %-Intervall " + percent(c.low) + " bis " +
                   percent(c.high);
        };
        out << "  Ruin                " << interval(law.ruin) << '\n'
            << "  Ziel erreicht       "
            << (report.settings.target ? interval(law.target) : std::string("–")) << '\n'
            << "  Mittleres Ergebnis  " << shownFixed(law.meanNet, 4) << '\n'
            << "  Methode             Simulation: " << law.sessions << " Sitzungen, Startwert "
            << *report.seed << ", Intervalle nach Wilson\n";
    }
    out << "  Beobachtet          Ruin in " << report.observed.ruined << " von "
        << report.observed.sessions << " Sitzungen";
    if (report.settings.target) {
        out << ", Ziel in " << report.observed.targetReached;
    }
    out << "\nJede Wette verliert im Mittel 1/"
        << (report.settings.zero == ZeroPayout::Halved ? 74 : 37)
        << " ihres Einsatzes, gleich nach welchem Plan: der Plan verändert das Risiko, nicht den "
           "Anteil der Bank.\n";
}

nlohmann::ordered_json sessionJson(const SessionResult& s) {
    return {{"wuerfe", s.spins},
            {"wetten", s.bets},
            {"gewinne", s.wins},
            {"verluste", s.losses},
            {"nullen", s.zeros},
            {"einsatz_gesamt", inUnits(s.staked)},
            {"ergebnis", inUnits(s.net)},
            {"erwartet", jsonNumber(s.expected)},
            {"z_wert", jsonNumber(s.z())},
            {"ergebnis_je_einsatz", jsonNumber(s.perUnitStaked())},
            {"laengste_verlustserie", s.longestLosingSeries},
            {"groesster_rueckgang", inUnits(s.maxDrawdown)},
            {"hoechster_einsatz", inUnits(s.highestStake)},
            {"endkapital", inUnits(s.capital)}};
}

nlohmann::ordered_json chanceJson(const ChanceInterval& c) {
    return {{"wert", jsonNumber(c.estimate)},
            {"unten", jsonNumber(c.low)},
            {"oben", jsonNumber(c.high)}};
}

nlohmann::ordered_json lawJson(const StrategyReport& report) {
    if (report.exact) {
        nlohmann::ordered_json ends = nlohmann::ordered_json::array();
        for (const FinalCapital& end : report.exact->finalCapital) {
            ends.push_back({{"ergebnis", inUnits(end.capital - 2 * report.settings.capital)},
                            {"wahrscheinlichkeit", jsonNumber(end.chance)}});
        }
        return {{"methode", "exakt"},
                {"ruin", jsonNumber(report.exact->ruin)},
                {"ziel", jsonNumber(report.exact->target)},
                {"mittleres_ergebnis", jsonNumber(report.exact->meanNet)},
                {"verteilung", ends}};
    }
    const SessionsLaw& law = *report.simulated;
    return {{"methode", "simulation"},        {"sitzungen", law.sessions},
            {"startwert", *report.seed},      {"ruin", chanceJson(law.ruin)},
            {"ziel", chanceJson(law.target)}, {"mittleres_ergebnis", jsonNumber(law.meanNet)}};
}

} // namespace

std::string amountText(HalfUnits amount) {
    const std::string whole = std::to_string(amount / 2);
    if (amount % 2 == 0) {
        return whole;
    }
    return (amount < 0 && amount / 2 == 0 ? "-" : "") + whole + ".5";
}

const char* planName(StakePlanKind plan) {
    switch (plan) {
    case StakePlanKind::Masse:
        return "Masse égale";
    case StakePlanKind::Martingale:
        return "Martingale";
    case StakePlanKind::DAlembert:
        return "d'Alembert";
    case StakePlanKind::Paroli:
        return "Paroli";
    case StakePlanKind::Reihe:
        return "Eigene Reihe";
    }
    return "";
}

void writeStrategyText(std::ostream& out, const StrategyReport& report) {
    const StrategySettings& s = report.settings;
    out << "Strategietest       " << settingsText(s) << '\n'
        << "Figur               " << report.figure << " (eine Null bricht die Figur)\n"
        << "Chance              " << chanceName(report.chance) << '\n'
        << "Tisch               " << tableText(s) << '\n'
        << "Null beim Einsatz   "
        << (s.zero == ZeroPayout::Halved ? "Teilung (die Hälfte verloren)" : "Null verliert")
        << '\n'
        << "Quelle              " << sourceText(report) << "\n\n"
        << "Sitzung\n"
        << padded("Würfe", 10) << padded("Wetten", 9) << padded("Gewinne", 9)
        << padded("Verluste", 9) << padded("Null", 7) << padded("Einsatz", 11)
        << padded("Ergebnis", 11) << padded("Erwartet", 12) << padded("z", 7) << padded("Serie", 7)
        << padded("Rückgang", 10) << padded("Höchster", 9) << "  Ende\n";
    if (report.sessions.size() <= textRows) {
        for (std::size_t i = 0; i < report.sessions.size(); ++i) {
            writeRow(out, sessionName(report, i), report.sessions[i], endText(report.sessions[i]));
        }
    }
    const SessionsTotal total = totalOf(report);
    std::string ends = std::to_string(total.ruined) + " ruiniert";
    if (s.target) {
        ends += ", " + std::to_string(total.targetReached) + " am Ziel";
    }
    writeRow(out, "Gesamt", total.sum, ends);
    if (report.sessions.size() > textRows) {
        out << "(Die einzelnen Sitzungen zeigt --format csv oder json.)\n";
    }
    out << "\nSerie: längste Verlustserie. Rückgang: größter Fall vom vorigen Höchststand. "
           "Erwartet: -Einsatz/"
        << (s.zero == ZeroPayout::Halved ? 74 : 37) << ", z gegen die exakte Streuung.\n";
    writeLawText(out, report);
}

void writeStrategyCsv(std::ostream& out, const StrategyReport& report) {
    out << "sitzung,quelle,wuerfe,wetten,gewinne,verluste,nullen,einsatz_gesamt,ergebnis,"
           "erwartet,z_wert,ergebnis_je_einsatz,laengste_verlustserie,groesster_rueckgang,"
           "hoechster_einsatz,endkapital,ende,ende_wurf,chance\r\n";
    const auto row = [&](const std::string& name, const std::string& source, const SessionResult& s,
                         const std::string& end, const std::string& endSpin) {
        out << name << ',' << source << ',' << s.spins << ',' << s.bets << ',' << s.wins << ','
            << s.losses << ',' << s.zeros << ',' << amountText(s.staked) << ',' << amountText(s.net)
            << ',' << plainNumber(s.expected) << ',' << plainNumber(s.z()) << ','
            << plainNumber(s.perUnitStaked()) << ',' << s.longestLosingSeries << ','
            << amountText(s.maxDrawdown) << ',' << amountText(s.highestStake) << ','
            << amountText(s.capital) << ',' << end << ',' << endSpin << ','
            << chanceKey(report.chance) << "\r\n";
    };
    for (std::size_t i = 0; i < report.sessions.size(); ++i) {
        const SessionResult& s = report.sessions[i];
        row(std::to_string(i + 1), csvTextCell(fileTextToUtf8(report.sources[i])), s,
            sessionEndText(s.end), std::to_string(s.endSpin));
    }
    SessionResult total = totalOf(report).sum;
    total.capital = 0;
    row("gesamt", "", total, "", "");
}

void writeStrategyJson(std::ostream& out, const StrategyReport& report) {
    const StrategySettings& s = report.settings;
    nlohmann::ordered_json settings = {
        {"figur", report.figure},
        {"strategie", planName(s.plan)},
        {"grundeinsatz", s.base},
        {"kapital", s.capital},
        {"minimum", s.tableMinimum()},
        {"maximum", s.maximum ? nlohmann::ordered_json(*s.maximum) : nullptr},
        {"ziel", s.target ? nlohmann::ordered_json(*s.target) : nullptr},
        {"gegen", s.against},
        {"null_beim_einsatz", s.zero == ZeroPayout::Halved ? "teilung" : "verliert"},
    };
    if (s.plan == StakePlanKind::Paroli) {
        settings["paroli_stufen"] = s.paroliStages;
    }
    if (s.plan == StakePlanKind::Reihe) {
        settings["reihe"] = s.series;
    }
    if (report.length) {
        settings[report.length->inBets ? "wetten_je_sitzung" : "wuerfe_je_sitzung"] =
            report.length->count;
    }
    settings["startwert"] = *report.seed;
    settings["chance"] = chanceKey(report.chance);
    nlohmann::ordered_json sessions = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < report.sessions.size(); ++i) {
        const SessionResult& session = report.sessions[i];
        nlohmann::ordered_json entry = sessionJson(session);
        entry["ende"] = sessionEndText(session.end);
        entry["ende_wurf"] = session.endSpin;
        if (!report.sources[i].empty()) {
            entry["quelle"] = fileTextToUtf8(report.sources[i]);
        }
        if (i < report.curves.size()) {
            nlohmann::ordered_json curve = nlohmann::ordered_json::array();
            const CapitalCurve& c = report.curves[i];
            for (std::size_t p = 0; p < c.capital.size(); ++p) {
                curve.push_back({{"wette", c.capital[p].x},
                                 {"kapital", c.capital[p].y},
                                 {"erwartet", jsonNumber(c.expected[p].y)},
                                 {"standardabweichung", jsonNumber(c.standardDeviation[p].y)}});
            }
            entry["verlauf"] = curve;
        }
        sessions.push_back(entry);
    }
    const SessionsTotal total = totalOf(report);
    nlohmann::ordered_json summary = sessionJson(total.sum);
    summary.erase("endkapital");
    summary["ruiniert"] = total.ruined;
    summary["ziel_erreicht"] = total.targetReached;
    out << nlohmann::ordered_json{{"strategietest", settings},
                                  {"sitzungen", sessions},
                                  {"gesamt", summary},
                                  {"zufall", lawJson(report)}}
               .dump(2)
        << '\n';
}

} // namespace sorvik1::analyse
