#include "analyse/output_total.h"

#include "core/batch/evaluation.h"

#include <cmath>
#include <map>

namespace sorvik1::analyse {

std::optional<std::vector<Field>> totalFields(const std::vector<SourceReport>& reports,
                                              const Options& options) {
    std::vector<FileEvaluation> files;
    const SourceReport* first = nullptr;
    for (const SourceReport& report : reports) {
        if (report.seed) {
            continue;
        }
        first = first ? first : &report;
        FileEvaluation file;
        file.spins = report.scan.spins;
        file.positions = report.scan.positions;
        file.found = report.scan.occurrences;
        file.moments = report.moments;
        file.longestAbsence = report.scan.longestAbsence().length;
        files.push_back(std::move(file));
    }
    if (files.size() < 2) {
        return std::nullopt;
    }
    const EvaluationTotal total = totalOf(files);
    const auto orNone = [](double value) -> Field::Value {
        return std::isfinite(value) ? Field::Value(value) : Field::Value();
    };
    const std::map<std::string, Field::Value> values = {
        {"quelle", "Alle " + std::to_string(total.files) + " Dateien"},
        {"wuerfe", total.spins},
        {"gezaehlte_wuerfe", total.positions},
        {"vorkommen", total.found},
        {"erwartet", total.expected},
        {"standardabweichung", total.standardDeviation},
        {"z_wert", orNone(total.z)},
        // The longest absence of any one file: absences never run from one
        // file into the next.
        {"laengster_ausbleiber", total.longestAbsence},
    };
    std::vector<Field> fields = fieldsOf(*first, options);
    for (Field& field : fields) {
        // The figure and the zero rule are those of every row.
        if (field.key == "figur" || field.key == "null") {
            continue;
        }
        const auto known = values.find(field.key);
        field.value = known != values.end() ? known->second : Field::Value();
    }
    return fields;
}

} // namespace sorvik1::analyse
