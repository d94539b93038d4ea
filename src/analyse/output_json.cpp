#include "analyse/fields.h"
#include "analyse/output.h"
#include "analyse/output_total.h"
#include "analyse/value_text.h"

#include "core/text_encoding.h"

#include <cstdio>

namespace sorvik1::analyse {

namespace {

std::string quoted(const std::string& raw) {
    // File names are bytes; fileTextToUtf8 keeps UTF-8 and reads anything
    // else as Windows-1252, so the output is always valid UTF-8.
    const std::string text = fileTextToUtf8(raw);
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string literal(const Field::Value& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        return "null";
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return quoted(*text);
    }
    return plainValue(value);
}

} // namespace

void writeJson(std::ostream& out, const std::vector<SourceReport>& reports,
               const Options& options) {
    out << "{\n  \"quellen\": [";
    for (std::size_t row = 0; row < reports.size(); ++row) {
        out << (row == 0 ? "\n" : ",\n") << "    {";
        const auto fields = fieldsOf(reports[row], options);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out << (i == 0 ? "\n" : ",\n") << "      " << quoted(fields[i].key) << ": "
                << literal(fields[i].value);
        }
        if (options.list) {
            out << ",\n      " << quoted(startsKey) << ": [";
            for (std::size_t i = 0; i < reports[row].scan.starts.size(); ++i) {
                out << (i == 0 ? "" : ", ") << reports[row].scan.starts[i];
            }
            out << "]";
        }
        out << "\n    }";
    }
    out << (reports.empty() ? "]" : "\n  ]");
    if (const auto total = totalFields(reports, options)) {
        out << ",\n  " << quoted(totalKey) << ": {";
        for (std::size_t i = 0; i < total->size(); ++i) {
            out << (i == 0 ? "\n" : ",\n") << "    " << quoted((*total)[i].key) << ": "
                << literal((*total)[i].value);
        }
        out << "\n  }";
    }
    out << "\n}\n";
}

} // namespace sorvik1::analyse
