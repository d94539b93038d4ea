#include "analyse/fields.h"

#include "analyse/value_text.h"
#include "core/wheel/figure_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace sorvik1::analyse {

namespace {

Field whole(const char* key, const char* label, std::int64_t value) {
    return {key, label, std::to_string(value), value};
}

constexpr double none = std::numeric_limits<double>::quiet_NaN();

// A value that may not exist (NaN): shown as a dash, written as an empty
// CSV cell or JSON null.
Field decimal(const char* key, const char* label, double value, int decimals,
              const std::string& unit = {}) {
    if (!std::isfinite(value)) {
        return {key, label, missing, std::monostate{}};
    }
    return {key, label, shownFixed(value, decimals) + unit, value};
}

Field chance(const char* key, const char* label, std::optional<double> value) {
    if (!value) {
        return {key, label, missing, std::monostate{}};
    }
    // Rounding may leave a probability a hair outside [0, 1] or at -0; it is
    // shown and written as the probability it stands for.
    const double probability = std::clamp(*value, 0.0, 1.0) + 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", probability);
    return {key, label, buffer, probability};
}

Field words(const char* key, const char* label, std::string value) {
    return {key, label, value, value};
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items) {
        text += (text.empty() ? "" : " / ") + item;
    }
    return text;
}

// The longest stretch without a start: where it begins counts positions
// from 1, which are spin numbers only when every spin counts; the label
// says which, so nobody looks for it at the wrong spin of a file.
// Without a counted spin there is no stretch at all: its length and start
// read as missing, not as a stretch of 0 at spin 1.
void addAbsence(std::vector<Field>& fields, const SourceReport& report, bool skipped,
                const std::string& spinsUnit) {
    const char* startLabel =
        skipped ? "Längster Ausbleiber ab gezähltem Wurf" : "Längster Ausbleiber ab Wurf";
    if (report.scan.positions <= 0) {
        fields.push_back(
            {"laengster_ausbleiber", "Längster Ausbleiber", missing, std::monostate{}});
        fields.push_back({"ausbleiber_ab", startLabel, missing, std::monostate{}});
    } else {
        Field longest = whole("laengster_ausbleiber", "Längster Ausbleiber", report.longest.length);
        longest.text += spinsUnit;
        fields.push_back(longest);
        fields.push_back(whole("ausbleiber_ab", startLabel, report.longest.firstPosition + 1));
    }
    const auto& expected = report.expectedLongest;
    fields.push_back(decimal("erwarteter_laengster_ausbleiber", "Ausbleiber erwartet",
                             expected ? expected->length : none, 3, spinsUnit));
    fields.push_back(decimal("erwarteter_ausbleiber_fehler", "Fehlerschranke Erwartung",
                             expected ? expected->errorBound : none, 3, spinsUnit));
    const auto& chanceOf = report.longestChance;
    fields.push_back(chance("p_ausbleiber_mindestens", "P(so langer Ausbleiber)",
                            chanceOf ? std::optional(chanceOf->probability) : std::nullopt));
    fields.push_back(chance("p_ausbleiber_fehler", "Fehlerschranke dieser P",
                            chanceOf ? std::optional(chanceOf->errorBound) : std::nullopt));
}

} // namespace

std::vector<Field> fieldsOf(const SourceReport& report, const Options& options) {
    const bool skipped = options.rule == ZeroRule::Skipped;
    const std::string spinsUnit = skipped ? " gezählte Würfe" : " Würfe";
    std::vector<Field> fields;
    fields.push_back(words("quelle", "Quelle", report.name));
    if (report.seed) {
        fields.push_back(words("startwert", "Startwert", std::to_string(*report.seed)));
        fields.push_back(whole("threads", "Threads", report.threads));
    } else {
        fields.push_back(words("kopf", "Kopf", joined(report.header)));
    }
    fields.push_back(words("figur", "Figur", figureText(options.figure, options.chance)));
    Field zero = words("null", "Null", skipped ? "ueberspringen" : "bricht");
    zero.text = skipped ? "übersprungen (nur " + bothSides(options.chance) + " zählen)"
                        : "bricht die Figur";
    fields.push_back(zero);
    fields.push_back(whole("wuerfe", "Würfe", report.scan.spins));
    Field counted = whole("gezaehlte_wuerfe", "Gezählte Würfe", report.scan.positions);
    counted.shownAsText = skipped;
    fields.push_back(counted);
    fields.push_back(whole("vorkommen", "Vorkommen", report.scan.occurrences));
    fields.push_back(decimal("erwartet", "Erwartet", report.moments.expected, 2));
    fields.push_back(
        decimal("standardabweichung", "Standardabweichung", report.moments.standardDeviation, 2));
    fields.push_back(decimal("z_wert", "z-Wert",
                             zScore(static_cast<double>(report.scan.occurrences), report.moments),
                             2));
    const double distance = report.scan.occurrences >= 2 ? report.scan.meanDistance() : none;
    fields.push_back(decimal("mittlerer_abstand", "Mittlerer Abstand", distance, 3, spinsUnit));
    fields.push_back(decimal("erwarteter_abstand", "Erwarteter Abstand",
                             report.moments.meanDistance, 3, spinsUnit));
    fields.push_back(decimal("erwartete_wartezeit", "Erwartete Wartezeit",
                             report.first.expectedWait.value_or(none), 3, spinsUnit));
    fields.push_back(
        chance("p_mindestens_eins", "P(mindestens ein Vorkommen)", report.first.chanceWithin));
    addAbsence(fields, report, skipped, spinsUnit);
    // Last, so that the columns of earlier versions keep their places.
    Field chanceField = words("chance", "Chance", std::string(chanceKey(options.chance)));
    chanceField.text = chanceName(options.chance);
    fields.push_back(chanceField);
    return fields;
}

} // namespace sorvik1::analyse
