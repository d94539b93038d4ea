// The figure search as the command runs it: what it refuses, and the same
// findings in every output format.

#include "analyse/options.h"
#include "analyse/search_report.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using sorvik1::analyse::OutputFormat;
using sorvik1::analyse::parseOptions;

sorvik1::analyse::ParsedOptions parse(std::vector<std::string_view> arguments) {
    return parseOptions(arguments);
}

TEST(SearchCommandLine, RefusesWhatDoesNotFit) {
    struct Case {
        std::vector<std::string_view> arguments;
        const char* named;
    };
    for (const Case& c : {Case{{"--suche", "11", "--spins", "9"}, "1 bis 10"},
                          Case{{"--suche", "0", "--spins", "9"}, "1 bis 10"},
                          Case{{"--suche", "3", "--figur", "rr", "--spins", "9"}, "--figur"},
                          Case{{"--suche", "3", "--liste", "--spins", "9"}, "--liste"},
                          Case{{"--suche", "3", "--abstaende", "--spins", "9"}, "--abstaende"},
                          Case{{"--suche", "3", "--top", "0", "--spins", "9"}, "--top"},
                          Case{{"--luecken", "--figur", "r", "--spins", "9"}, "--suche"},
                          Case{{"--suche", "3"}, "Nichts zu tun"}}) {
        const auto parsed = parse(c.arguments);
        EXPECT_NE(parsed.error.find(c.named), std::string::npos) << parsed.error;
    }
    // Both options are named where a figure meets the search.
    EXPECT_NE(parse({"--figur", "rr", "--suche", "3", "a.txt"}).error.find("--suche"),
              std::string::npos);
}

std::string run(OutputFormat format, int& status, bool progress = false) {
    auto options = parse({"--suche", "4", "--luecken", "--top", "3", "--spins", "20000", "--seed",
                          "9", "--null", "ueberspringen"})
                       .options;
    options.format = format;
    std::ostringstream out;
    std::ostringstream err;
    status = sorvik1::analyse::runSearch(options, out, err, progress);
    if (progress) {
        // Rewritten in place and cleared at the end, so the terminal's last
        // line is free again.
        EXPECT_NE(err.str().find("\rSuche: 100 %"), std::string::npos);
        EXPECT_EQ(err.str().back(), '\r');
    } else {
        EXPECT_EQ(err.str(), "");
    }
    return out.str();
}

TEST(SearchCommand, EveryFormatShowsTheSameExtremes) {
    int status = -1;
    const auto json = nlohmann::json::parse(run(OutputFormat::Json, status));
    EXPECT_EQ(status, 0);
    // 2 + 4 + 12 + 36 figures; the 3 highest and the 3 lowest z.
    EXPECT_EQ(json["suche"]["figuren_durchsucht"], 54);
    ASSERT_EQ(json["figuren"].size(), 6U);
    const std::string highest = json["figuren"][0]["figur"];
    const std::string lowest = json["figuren"][5]["figur"];
    EXPECT_GE(json["figuren"][0]["z_wert"], json["figuren"][5]["z_wert"]);

    std::istringstream csv(run(OutputFormat::Csv, status));
    std::vector<std::string> lines;
    for (std::string line; std::getline(csv, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[1].substr(0, highest.size() + 1), highest + ",");
    EXPECT_EQ(lines[6].substr(0, lowest.size() + 1), lowest + ",");

    const std::string text = run(OutputFormat::Text, status);
    EXPECT_EQ(run(OutputFormat::Text, status, true), text);
    EXPECT_NE(text.find("Figuren durchsucht  54"), std::string::npos) << text;
    EXPECT_LT(text.find(" " + highest + " "), text.find(" " + lowest + " "));
}

// A z or p that rounds to zero shows no sign; a p below the smallest
// double shows as a bound, never as 0.
TEST(SearchText, ShowsNoNegativeZeroAndNoZeroP) {
    sorvik1::analyse::SearchReport report;
    report.result.figures.resize(1);
    auto& finding = report.result.figures[0];
    finding.figure = sorvik1::Figure::fromOffsets(std::vector<sorvik1::Farbcode>{sorvik1::red});
    finding.z = -0.001;
    finding.p = {std::numeric_limits<double>::min(), sorvik1::PValueMethod::Exact};
    report.rows = {0};
    std::ostringstream out;
    sorvik1::analyse::writeSearchText(out, report);
    EXPECT_EQ(out.str().find("-0.00"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(" 0.00 "), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("< 1e-300"), std::string::npos) << out.str();
}

} // namespace
