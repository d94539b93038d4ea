#include "analyse/fields.h"
#include "analyse/output.h"
#include "analyse/terminal_text.h"

#include "core/text/utf8.h"

#include <algorithm>
#include <cstdio>

namespace sorvik1::analyse {

namespace {

constexpr std::size_t startsPerLine = 10;

void writeLabel(std::ostream& out, const std::string& label, std::size_t width) {
    out << label << std::string(width - utf8Length(label), ' ');
}

void writeGaps(std::ostream& out, const SourceReport& report, std::size_t width) {
    if (!report.gaps) {
        writeLabel(out, gapsLabel, width);
        out << "–\n";
        return;
    }
    out << gapsLabel << " (beobachtet / erwartet)\n";
    const auto& gaps = *report.gaps;
    for (std::size_t i = 0; i < gaps.observed.size(); ++i) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.2f", gaps.expected[i]);
        out << "  " << (i + 1 == gaps.observed.size() ? "≥ " : "") << i + 1 << ": "
            << gaps.observed[i] << " / " << expected << '\n';
    }
}

} // namespace

void writeText(std::ostream& out, const std::vector<SourceReport>& reports,
               const Options& options) {
    bool first = true;
    for (const auto& report : reports) {
        const auto fields = fieldsOf(report, options);
        std::size_t width = utf8Length(startsLabel);
        for (const auto& field : fields) {
            width = std::max(width, utf8Length(field.label));
        }
        width += 2;
        out << (first ? "" : "\n");
        first = false;
        for (const auto& field : fields) {
            if (field.shownAsText) {
                writeLabel(out, field.label, width);
                out << terminalSafe(field.text) << '\n';
            }
        }
        if (options.gaps) {
            writeGaps(out, report, width);
        }
        if (!options.list) {
            continue;
        }
        if (report.scan.starts.empty()) {
            writeLabel(out, startsLabel, width);
            out << "–\n";
        } else {
            out << startsLabel << '\n';
        }
        const auto& starts = report.scan.starts;
        for (std::size_t i = 0; i < starts.size(); ++i) {
            out << (i % startsPerLine == 0 ? "  " : " ") << starts[i];
            if (i % startsPerLine == startsPerLine - 1 || i + 1 == starts.size()) {
                out << '\n';
            }
        }
    }
}

} // namespace sorvik1::analyse
