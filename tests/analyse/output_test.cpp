#include "analyse/output.h"

#include "core/wheel/figure_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using namespace sorvik1::analyse;

Options optionsFor(bool list) {
    Options options;
    options.figure = sorvik1::parseFigure("rr.s").figure;
    options.list = list;
    return options;
}

SourceReport fileReport(std::string name) {
    SourceReport report;
    report.name = std::move(name);
    report.header = {"Spielbank Wiesbaden", "Tisch 1", "24.04.2019"};
    report.scan.spins = report.scan.positions = 10;
    report.scan.occurrences = 1;
    report.scan.starts = {3};
    report.moments.expected = 0.8;
    report.moments.meanDistance = 8.685;
    // No variance and no occurrence distance: the z-score and the observed
    // mean distance do not exist.
    return report;
}

TEST(Output, CsvQuotesCellsThatHoldCommasQuotesOrLineBreaks) {
    std::ostringstream out;
    writeCsv(out, {fileReport("a,b \"c\".txt")}, optionsFor(true));
    const std::string csv = out.str();
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "quelle,kopf,figur,null,wuerfe,gezaehlte_wuerfe,vorkommen,erwartet,"
              "standardabweichung,z_wert,mittlerer_abstand,erwarteter_abstand,"
              "erwartete_wartezeit,p_mindestens_eins,laengster_ausbleiber,ausbleiber_ab,"
              "erwarteter_laengster_ausbleiber,erwarteter_ausbleiber_fehler,p_ausbleiber_"
              "mindestens,p_ausbleiber_fehler,chance");
    EXPECT_NE(csv.find("\r\n\"a,b \"\"c\"\".txt\",Spielbank Wiesbaden / Tisch 1 / 24.04.2019,"
                       "rr.s,bricht,10,10,1,0.8,0,,,8.685,,,0,1,,,,,rot-schwarz\r\n"),
              std::string::npos)
        << csv;
    // The start spins follow as a table of their own.
    EXPECT_NE(csv.find(",rot-schwarz\r\n\r\nquelle,wurf\r\n\"a,b \"\"c\"\".txt\",3\r\n"),
              std::string::npos)
        << csv;
}

// A name a spreadsheet would run is text; the numbers stay numbers.
TEST(Output, CsvGuardsTextsAgainstFormulas) {
    SourceReport report = fileReport("=1+1.txt");
    report.header = {"@SUM(1+1)"};
    report.moments.variance = 0.16;
    report.moments.standardDeviation = 0.4;
    report.moments.expected = 2;
    std::ostringstream out;
    writeCsv(out, {report}, optionsFor(false));
    EXPECT_NE(out.str().find("\r\n'=1+1.txt,'@SUM(1+1),rr.s,bricht,10,10,1,2,0.4,-2.5,"),
              std::string::npos)
        << out.str();
}

TEST(Output, JsonIsValidUtf8WithMissingValuesAsNull) {
    std::ostringstream out;
    writeJson(out, {fileReport("tisch\x01\xe4.txt")}, optionsFor(true));
    const std::string json = out.str();
    // The control character is escaped; the byte that is not UTF-8 is
    // written as on the terminal.
    EXPECT_NE(json.find("\"quelle\": \"tisch\\u0001\\\\xE4.txt\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"z_wert\": null"), std::string::npos);
    EXPECT_NE(json.find("\"mittlerer_abstand\": null"), std::string::npos);
    EXPECT_NE(json.find("\"vorkommen\": 1,"), std::string::npos);
    EXPECT_NE(json.find("\"startwuerfe\": [3]"), std::string::npos);
}

TEST(Output, JsonOfNoSourceIsAnEmptyList) {
    std::ostringstream out;
    writeJson(out, {}, optionsFor(false));
    EXPECT_EQ(out.str(), "{\n  \"quellen\": []\n}\n");
}

TEST(Output, TextAlignsValuesAndShowsMissingOnesAsADash) {
    std::ostringstream out;
    writeText(out, {fileReport("t1.txt"), fileReport("t5.txt")}, optionsFor(false));
    const std::string text = out.str();
    EXPECT_NE(text.find("Quelle                       t1.txt\n"), std::string::npos) << text;
    EXPECT_NE(text.find("z-Wert                       –\n"), std::string::npos);
    EXPECT_NE(text.find("Erwarteter Abstand           8.685 Würfe\n"), std::string::npos);
    EXPECT_NE(text.find("\n\nQuelle                       t5.txt\n"), std::string::npos);
    EXPECT_EQ(text.find("Gezählte Würfe"), std::string::npos);
    EXPECT_EQ(text.find("Startwürfe"), std::string::npos);
}

// A file cannot send escape sequences to the terminal through its name or
// header; machine formats keep their own quoting.
TEST(Output, TextShowsControlCharactersEscaped) {
    SourceReport report = fileReport("t\x1b]0;x\x07.txt");
    report.header[1] = "Tisch\x1b[2J\xc2\x9b"
                       "1";
    std::ostringstream out;
    writeText(out, {report}, optionsFor(false));
    const std::string text = out.str();
    EXPECT_NE(text.find("t\\x1B]0;x\\x07.txt\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Tisch\\x1B[2J\\u{009B}1 /"), std::string::npos) << text;
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
}

struct ProbabilityCase {
    const char* name;
    void (*write)(std::ostream&, const std::vector<SourceReport>&, const Options&);
    const char* shown;
};

class Probability : public testing::TestWithParam<ProbabilityCase> {};

TEST_P(Probability, IsNeverWrittenAsNegativeZero) {
    SourceReport report = fileReport("t.txt");
    report.first.chanceWithin = -0.0;
    std::ostringstream out;
    GetParam().write(out, {report}, optionsFor(false));
    EXPECT_NE(out.str().find(GetParam().shown), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("-0"), std::string::npos) << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Formats, Probability,
    testing::Values(ProbabilityCase{"Text", writeText, "P(mindestens ein Vorkommen)  0\n"},
                    ProbabilityCase{"Csv", writeCsv, ",0,"},
                    ProbabilityCase{"Json", writeJson, "\"p_mindestens_eins\": 0.0,"}),
    [](const auto& p) { return std::string(p.param.name); });

// Without a counted spin there is no stretch without a start, so neither its
// length nor where it begins is made up.
TEST(Output, NoCountedSpinHasNoLongestAbsence) {
    SourceReport report = fileReport("nullen.txt");
    report.scan.spins = 2;
    report.scan.positions = 0;
    std::ostringstream out;
    writeJson(out, {report}, optionsFor(false));
    EXPECT_NE(out.str().find("\"laengster_ausbleiber\": null"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"ausbleiber_ab\": null"), std::string::npos) << out.str();
}

} // namespace

// The distances go out one row or object per distance, the last one for it
// and every longer one; a negative zero from the subtraction that yields the
// last bucket is written as zero.
TEST(Output, GapsAreOneRowOrObjectPerDistance) {
    auto options = optionsFor(false);
    options.gaps = true;
    auto report = fileReport("t.txt");
    report.gaps = sorvik1::GapHistogram{3, {4, 0, 2}, {3.5, 0.25, -0.0}};
    std::ostringstream json;
    writeJson(json, {report}, options);
    EXPECT_NE(json.str().find("\"abstaende\": [\n"
                              "        {\"abstand\":1,\"ab_hier_alle\":false,\"beobachtet\":4,"
                              "\"erwartet\":3.5},\n"),
              std::string::npos)
        << json.str();
    EXPECT_NE(json.str().find("{\"abstand\":3,\"ab_hier_alle\":true,\"beobachtet\":2,"
                              "\"erwartet\":0.0}\n      ]"),
              std::string::npos)
        << json.str();
    std::ostringstream csv;
    writeCsv(csv, {report}, options);
    EXPECT_NE(csv.str().find("\r\n\r\nquelle,abstand,ab_hier_alle,beobachtet,erwartet\r\n"
                             "t.txt,1,nein,4,3.5\r\nt.txt,2,nein,0,0.25\r\nt.txt,3,ja,2,0\r\n"),
              std::string::npos)
        << csv.str();
}
