#include "core/print/report.h"
#include "plain_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using sorvik1::buildReport;
using sorvik1::FigureMark;
using sorvik1::PrintLine;
using sorvik1::ReportInput;
using sorvik1::test::plainText;
using Lines = std::vector<std::string>;

const std::string title = " T a m b l o / Q V / S o r v i k 1   dwrel 03.1";
const std::string startUpInstruction = " Definieren Sie zunächst auf der linken Seite\r"
                                       "  eine beliebige  Figur.  Wo Sie die Figur  im\r"
                                       "  Feld plazieren ist egal.  Lücken dürfen sein.\r"
                                       "  Wenn Sie fertig sind, die OK-Taste drücken";

// A line with each text starting at its column.
std::string row(std::initializer_list<std::pair<int, std::string>> texts) {
    std::string line;
    for (const auto& [column, text] : texts) {
        line.resize(static_cast<std::size_t>(column - 1), ' ');
        line += text;
    }
    return line;
}

std::vector<std::string> numbered(int from, int to) {
    std::vector<std::string> entries;
    for (int n = from; n <= to; ++n) {
        entries.push_back(std::to_string(n));
    }
    return entries;
}

sorvik1::TextList listOf(const std::vector<std::string>& entries) {
    sorvik1::TextList list;
    for (const std::string& e : entries) {
        list.append(e);
    }
    return list;
}

std::string listed(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& e : entries) {
        text += e + " ,";
    }
    return text;
}

TEST(Report, LaysOutTheWholePage) {
    ReportInput input;
    input.date = "03.02.24";
    input.instruction = "Zeile eins\rZeile zwei";
    input.anzahl = 37;
    input.wurf = 5;
    input.marks[0] = FigureMark::Red;
    input.marks[1] = FigureMark::Black;
    input.foundCount = "2";
    const sorvik1::TextList found = listOf({"12", "30"});
    input.found = &found;

    Lines expected = {"",
                      "",
                      row({{15, "Datum: 03.02.24"}, {39, title}}),
                      "",
                      "",
                      row({{15, "Zeile eins / Zeile zwei"}}),
                      "",
                      row({{15, "Anzahl Würfe:   37 "}}),
                      "",
                      row({{15, "Anzahl akut :    5 "}}),
                      "",
                      "",
                      row({{19, "Stelle"}, {30, "Figur"}}),
                      "",
                      row({{20, " 1 "}, {30, "X"}}),
                      row({{20, " 2 "}, {33, "X"}})};
    for (int p = 3; p <= 20; ++p) {
        expected.push_back(row({{20, " " + std::to_string(p) + " "}}));
    }
    expected.insert(expected.end(), {"", "", row({{15, "Anzahl gefundener Figuren:  2"}}), "",
                                     row({{15, "Bei Wurf:  12 ,30 ,"}})});

    const auto report = buildReport(input);
    EXPECT_EQ(plainText(report.lines), expected);

    // Only the heading is bold, only the title and the table heading underlined.
    EXPECT_EQ(report.lines[2],
              (PrintLine{{15, "Datum: 03.02.24", true, false}, {39, title, true, true}}));
    EXPECT_EQ(report.lines[12],
              (PrintLine{{19, "Stelle", false, true}, {30, "Figur", false, true}}));
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        for (const auto& span : report.lines[i]) {
            EXPECT_TRUE(i == 2 || i == 12 || (!span.bold && !span.underline)) << "line " << i + 1;
        }
    }
}

TEST(Report, ZeroCountsPrintAsNumbers) {
    const auto lines = plainText(buildReport(ReportInput{}).lines);
    EXPECT_EQ(lines[7], row({{15, "Anzahl Würfe:   0 "}}));
    EXPECT_EQ(lines[9], row({{15, "Anzahl akut :    0 "}}));
}

struct MarkCase {
    FigureMark mark;
    std::string line;
    std::string kreuz;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << "mark " << static_cast<int>(c.mark);
}

class LastPositionMark : public testing::TestWithParam<MarkCase> {};

TEST_P(LastPositionMark, IsPrintedInItsColumnAndKept) {
    ReportInput input;
    input.marks[18] = FigureMark::Red;
    input.marks[19] = GetParam().mark;
    const auto report = buildReport(input);
    EXPECT_EQ(plainText(report.lines)[33], GetParam().line);
    EXPECT_EQ(report.strings.kreuz, GetParam().kreuz);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, LastPositionMark,
    testing::Values(MarkCase{FigureMark::None, row({{20, " 20 "}}), ""},
                    MarkCase{FigureMark::Red, row({{20, " 20 "}, {30, "X"}}), "X"},
                    MarkCase{FigureMark::Black, row({{20, " 20 "}, {33, "X"}}), "X"}));

struct InstructionCase {
    std::string caption;
    std::string textzeile;
    std::string zeichen;
};

// Carriage returns shown as \r, so that the cases read apart in the test list.
void PrintTo(const InstructionCase& c, std::ostream* os) {
    *os << '"';
    for (const char ch : c.caption) {
        if (ch == '\r') {
            *os << "\\r";
        } else {
            *os << ch;
        }
    }
    *os << '"';
}

class Instruction : public testing::TestWithParam<InstructionCase> {};

TEST_P(Instruction, BecomesOneLine) {
    ReportInput input;
    input.instruction = GetParam().caption;
    const auto strings = buildReport(input).strings;
    EXPECT_EQ(strings.textzeile, GetParam().textzeile);
    EXPECT_EQ(strings.zeichen, GetParam().zeichen);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, Instruction,
    testing::Values(InstructionCase{"", "", ""}, InstructionCase{"A\rB", "A / B", "B"},
                    InstructionCase{"A\r", "A / ", " / "},
                    InstructionCase{"\r\rdrück", " /  / drück", "k"},
                    InstructionCase{"Lücke\rü", "Lücke / ü", "ü"},
                    InstructionCase{startUpInstruction,
                                    " Definieren Sie zunächst auf der linken Seite /   eine "
                                    "beliebige  Figur.  Wo Sie die Figur  im /   Feld plazieren "
                                    "ist egal.  Lücken dürfen sein. /   Wenn Sie fertig sind, "
                                    "die OK-Taste drücken",
                                    "n"}));

TEST(Report, LongInstructionWrapsAtBlanksWithinTheColumns) {
    ReportInput input;
    input.instruction = startUpInstruction;
    const auto report = buildReport(input);
    const Lines lines = plainText(report.lines);
    EXPECT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[5], row({{15, " Definieren Sie zunächst auf der linken Seite /   eine "
                                  "beliebige  Figur.  Wo"}}));
    EXPECT_EQ(lines[6],
              row({{24, "Sie die Figur  im /   Feld plazieren ist egal.  Lücken dürfen sein."}}));
    EXPECT_EQ(lines[7], row({{24, "/   Wenn Sie fertig sind, die OK-Taste drücken"}}));
    EXPECT_EQ(lines[9], row({{15, "Anzahl Würfe:   0 "}}));
}

// Whatever the length of the imported header before it, the end mark of a
// run is printed whole on one line.
TEST(Report, EndMarkIsNeverSplit) {
    for (std::size_t length = 40; length <= 200; ++length) {
        ReportInput input;
        input.instruction = std::string(length, 'x') + "\r                    ***  ENDE  *** ";
        const Lines lines = plainText(buildReport(input).lines);
        const bool whole = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find("***  ENDE  ***") != std::string::npos;
        });
        EXPECT_TRUE(whole) << "header of " << length << " characters";
    }
}

struct OccurrenceCase {
    std::string name;
    std::vector<std::string> found;
    int columns;
    Lines fromLine39;
};

class Occurrences : public testing::TestWithParam<OccurrenceCase> {};

TEST_P(Occurrences, AreListedFromLine39) {
    ReportInput input;
    const sorvik1::TextList found = listOf(GetParam().found);
    input.found = &found;
    const Lines lines = plainText(buildReport(input, GetParam().columns).lines);
    ASSERT_GE(lines.size(), 38u);
    EXPECT_EQ(Lines(lines.begin() + 38, lines.end()), GetParam().fromLine39);
}

const std::vector<std::string> sevenDigits = numbered(1000001, 1000018);

INSTANTIATE_TEST_SUITE_P(
    Counts, Occurrences,
    testing::Values(
        OccurrenceCase{"None", {}, 90, {row({{15, "Bei Wurf:  "}})}},
        OccurrenceCase{"Seventeen",
                       numbered(1, 17),
                       90,
                       {row({{15, "Bei Wurf:  " + listed(numbered(1, 17))}})}},
        OccurrenceCase{"Eighteen",
                       numbered(1, 18),
                       90,
                       {row({{15, "Bei Wurf:  " + listed(numbered(1, 17))}}), row({{24, "18 ,"}})}},
        OccurrenceCase{"ThirtyFiveOnAWidePage",
                       numbered(1, 35),
                       200,
                       {row({{15, "Bei Wurf:  " + listed(numbered(1, 17))}}),
                        row({{24, listed(numbered(18, 35))}})}},
        OccurrenceCase{"ThirtyFiveWrapBetweenEntries",
                       numbered(1, 35),
                       90,
                       {row({{15, "Bei Wurf:  " + listed(numbered(1, 17))}}),
                        row({{24, listed(numbered(18, 33))}}), row({{24, "34 ,35 ,"}})}},
        OccurrenceCase{"LongEntriesWrapBeforeTheSeventeenth",
                       sevenDigits,
                       90,
                       {row({{15, "Bei Wurf:  " + listed(numbered(1000001, 1000007))}}),
                        row({{24, listed(numbered(1000008, 1000014))}}),
                        row({{24, listed(numbered(1000015, 1000017))}}),
                        row({{24, "1000018 ,"}})}}),
    [](const testing::TestParamInfo<OccurrenceCase>& c) { return c.param.name; });

TEST(Report, HundredsOfOccurrencesAreAllPrintedAcrossPages) {
    std::vector<std::string> entries;
    for (int i = 0; i < 700; ++i) {
        entries.push_back(std::to_string(21 + 14'287 * i));
    }
    const sorvik1::TextList found = listOf(entries);
    ReportInput input;
    input.found = &found;
    const auto report = buildReport(input);
    const auto pages = sorvik1::paginate(report.lines, 50);
    ASSERT_GT(pages.size(), 1u);

    std::string printed;
    std::size_t lineNumber = 0;
    for (const auto& page : pages) {
        EXPECT_LE(page.size(), 50u);
        for (const PrintLine& line : page) {
            ++lineNumber;
            for (const auto& span : line) {
                EXPECT_LE(span.column + static_cast<int>(sorvik1::utf8Length(span.text)) - 1, 90)
                    << "line " << lineNumber;
                if (lineNumber >= 39) {
                    EXPECT_EQ(span.column, lineNumber == 39 ? 15 : 24) << "line " << lineNumber;
                    printed += span.text;
                }
            }
        }
    }
    EXPECT_EQ(printed, "Bei Wurf:  " + listed(entries));
}

} // namespace
