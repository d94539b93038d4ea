#include "analyse/fields.h"
#include "analyse/output.h"
#include "analyse/output_total.h"
#include "analyse/terminal_text.h"
#include "analyse/value_text.h"
#include "core/text/formula_guard.h"

namespace sorvik1::analyse {

namespace {

// Numbers as the program wrote them; texts guarded.
std::string valueCell(const Field::Value& value) {
    return std::holds_alternative<std::string>(value) ? csvTextCell(std::get<std::string>(value))
                                                      : plainValue(value);
}

// After the sources, a table of the start spins: one row per source and
// start, so that no cell grows with the occurrences.
void writeStartRows(std::ostream& out, const std::vector<SourceReport>& reports) {
    out << "\r\nquelle,wurf\r\n";
    for (const auto& report : reports) {
        const std::string source = csvTextCell(report.name);
        for (const auto start : report.scan.starts) {
            out << source << ',' << start << "\r\n";
        }
    }
}

// After the sources, a second table: one row per source and distance; the
// last distance of a source stands for it and every longer one.
void writeGapRows(std::ostream& out, const std::vector<SourceReport>& reports) {
    out << "\r\nquelle,abstand,ab_hier_alle,beobachtet,erwartet\r\n";
    for (const auto& report : reports) {
        if (!report.gaps) {
            continue;
        }
        const auto& gaps = *report.gaps;
        for (std::size_t i = 0; i < gaps.observed.size(); ++i) {
            const bool last = i + 1 == gaps.observed.size();
            out << csvTextCell(report.name) << ',' << i + 1 << ',' << (last ? "ja" : "nein") << ','
                << gaps.observed[i] << ',' << plainNumber(gaps.expected[i]) << "\r\n";
        }
    }
}

} // namespace

std::string csvTextCell(const std::string& text) {
    return sorvik1::csvTextCell(validUtf8(text), ',');
}

void writeCsv(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options) {
    for (std::size_t row = 0; row < reports.size(); ++row) {
        const auto fields = fieldsOf(reports[row], options);
        if (row == 0) {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                out << (i == 0 ? "" : ",") << fields[i].key;
            }
            out << "\r\n";
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out << (i == 0 ? "" : ",") << valueCell(fields[i].value);
        }
        out << "\r\n";
    }
    if (const auto total = totalFields(reports, options)) {
        for (std::size_t i = 0; i < total->size(); ++i) {
            out << (i == 0 ? "" : ",") << valueCell((*total)[i].value);
        }
        out << "\r\n";
    }
    if (options.list) {
        writeStartRows(out, reports);
    }
    if (options.gaps) {
        writeGapRows(out, reports);
    }
}

} // namespace sorvik1::analyse
