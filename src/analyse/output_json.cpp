#include "analyse/fields.h"
#include "analyse/json_number.h"
#include "analyse/output.h"
#include "analyse/output_total.h"

#include "analyse/terminal_text.h"

#include <nlohmann/json.hpp>

namespace sorvik1::analyse {

namespace {

using Json = nlohmann::ordered_json;

// File names are bytes; what is not UTF-8 is written as on the terminal
// ("\xHH"), so the writer always gets valid UTF-8 and the name can be
// matched back. The writer escapes the control characters itself.
Json text(const std::string& raw) {
    return Json(validUtf8(raw));
}

Json valueOf(const Field::Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        return Json(*whole);
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return jsonNumber(*real);
    }
    if (const auto* words = std::get_if<std::string>(&value)) {
        return text(*words);
    }
    return Json(nullptr);
}

std::string member(const std::string& key, const Json& value) {
    return text(key).dump() + ": " + value.dump();
}

} // namespace

// Each source's members are written as they come, so that a list of
// millions of starts goes out number by number instead of being built first.
void writeJson(std::ostream& out, const std::vector<SourceReport>& reports,
               const Options& options) {
    out << "{\n  \"quellen\": [";
    for (std::size_t row = 0; row < reports.size(); ++row) {
        const SourceReport& report = reports[row];
        out << (row == 0 ? "\n" : ",\n") << "    {";
        const auto fields = fieldsOf(report, options);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out << (i == 0 ? "\n" : ",\n") << "      "
                << member(fields[i].key, valueOf(fields[i].value));
        }
        if (options.gaps) {
            out << ",\n      " << text(gapsKey).dump() << ": ";
            if (!report.gaps) {
                out << "null";
            } else {
                out << "[";
                const auto& gaps = *report.gaps;
                for (std::size_t i = 0; i < gaps.observed.size(); ++i) {
                    Json bucket;
                    bucket["abstand"] = static_cast<std::int64_t>(i) + 1;
                    bucket["ab_hier_alle"] = i + 1 == gaps.observed.size();
                    bucket["beobachtet"] = gaps.observed[i];
                    bucket["erwartet"] = jsonNumber(gaps.expected[i]);
                    out << (i == 0 ? "\n        " : ",\n        ") << bucket.dump();
                }
                out << "\n      ]";
            }
        }
        if (options.list) {
            out << ",\n      " << text(startsKey).dump() << ": [";
            for (std::size_t i = 0; i < report.scan.starts.size(); ++i) {
                out << (i == 0 ? "" : ", ") << report.scan.starts[i];
            }
            out << "]";
        }
        out << "\n    }";
    }
    out << (reports.empty() ? "]" : "\n  ]");
    if (const auto total = totalFields(reports, options)) {
        out << ",\n  " << text(totalKey).dump() << ": {";
        for (std::size_t i = 0; i < total->size(); ++i) {
            out << (i == 0 ? "\n" : ",\n") << "    "
                << member((*total)[i].key, valueOf((*total)[i].value));
        }
        out << "\n  }";
    }
    out << "\n}\n";
}

} // namespace sorvik1::analyse
