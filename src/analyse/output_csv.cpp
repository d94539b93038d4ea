#include "analyse/fields.h"
#include "analyse/output.h"
#include "analyse/output_total.h"
#include "analyse/value_text.h"

namespace sorvik1::analyse {

namespace {

std::string cell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

} // namespace

void writeCsv(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options) {
    for (std::size_t row = 0; row < reports.size(); ++row) {
        const auto fields = fieldsOf(reports[row], options);
        if (row == 0) {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                out << (i == 0 ? "" : ",") << fields[i].key;
            }
            out << (options.list ? std::string(",") + startsKey : "") << "\r\n";
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out << (i == 0 ? "" : ",") << cell(plainValue(fields[i].value));
        }
        if (options.list) {
            out << ',';
            for (std::size_t i = 0; i < reports[row].scan.starts.size(); ++i) {
                out << (i == 0 ? "" : " ") << reports[row].scan.starts[i];
            }
        }
        out << "\r\n";
    }
    if (const auto total = totalFields(reports, options)) {
        for (std::size_t i = 0; i < total->size(); ++i) {
            out << (i == 0 ? "" : ",") << cell(plainValue((*total)[i].value));
        }
        out << (options.list ? "," : "") << "\r\n";
    }
}

} // namespace sorvik1::analyse
