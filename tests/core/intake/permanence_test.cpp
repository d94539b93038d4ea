#include "core/intake/permanence.h"

#include "core/wheel/limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using sorvik1::PermanenceStatus;

// Four header lines with CR LF, as the casino writes them.
const std::string header = "Spielbank Hamburg\r\nTisch 3\r\n01.02.1999\r\nPermanenz\r\n";

struct FileCase {
    std::string name;
    std::string bytes;
    PermanenceStatus status;
    std::vector<double> spins;
    std::size_t errorLine = 0;
    double errorValue = 0;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

class PermanenceFile : public testing::TestWithParam<FileCase> {};

TEST_P(PermanenceFile, GivesTheExpectedSpinsOrRefusal) {
    const FileCase& c = GetParam();
    const sorvik1::Permanence p = sorvik1::parsePermanence(c.bytes);
    EXPECT_EQ(p.status, c.status);
    EXPECT_EQ(p.spins, c.spins);
    if (c.status == PermanenceStatus::NumberOutOfRange) {
        EXPECT_EQ(p.errorLine, c.errorLine);
        if (std::isinf(c.errorValue)) {
            EXPECT_EQ(p.errorValue, c.errorValue);
        } else {
            EXPECT_DOUBLE_EQ(p.errorValue, c.errorValue);
        }
    }
}

constexpr auto ok = PermanenceStatus::Ok;
constexpr auto outOfRange = PermanenceStatus::NumberOutOfRange;
const double infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Layout, PermanenceFile,
    testing::Values(
        FileCase{"EndMarkStopsReading",
                 header + "12\r\n0\r\n-----\r\n36\r\n=====\r\n7\r\n",
                 ok,
                 {12, 0, 36}},
        FileCase{"WithoutEndMarkReadsToTheEnd",
                 header + "12\r\n0\r\n-----\r\n36\r\n7\r\n",
                 ok,
                 {12, 0, 36, 7}},
        FileCase{"NothingAfterTheEndMarkIsChecked", header + "5\r\n=\r\n99\r\n\"", ok, {5}},
        FileCase{"LastLineWithoutLineEnd", header + "5\r\n6", ok, {5, 6}},
        FileCase{"HeaderOnly", header, ok, {}},
        FileCase{"HeaderWithoutFinalLineEnd", "Spielbank\r\nA\r\nB\r\nC", ok, {}},
        FileCase{"CommasSplitALine", header + "3,17\r\n", ok, {3, 17}},
        FileCase{"TwoCommasGiveAZero", header + "3,,17\r\n", ok, {3, 0, 17}},
        FileCase{"CommaAtLineEndGivesAZero", header + "3,\r\n4\r\n", ok, {3, 0, 4}},
        FileCase{"MinusFiveIsASeparator", header + "-5\r\n4\r\n", ok, {4}},
        FileCase{"NegativeFractionIsASeparator", header + "-0.4\r\n4\r\n", ok, {4}},
        FileCase{"LetterEndsTheNumber", header + "12 a\r\n", ok, {12}},
        FileCase{"BlanksInsideAreIgnored", header + "1 7\r\n", ok, {17}},
        FileCase{"TextIsZero", header + "abc\r\n", ok, {0}},
        FileCase{"LoneLineFeeds", "Spielbank\nA\nB\nC\n1\n2\n", ok, {1, 2}},
        FileCase{"LoneCarriageReturns", "Spielbank\rA\rB\rC\r1\r2\r", ok, {1, 2}},
        FileCase{"MixedLineEnds", "Spielbank\r\nA\nB\rC\n\r1\r\r\n2\n", ok, {1, 2}},
        FileCase{"BlankLinesAreNotSpins", header + "1\r\n\r\n   \r\n\t \r\n2\r\n\n\r", ok, {1, 2}},
        FileCase{"BlankLastLineWithoutLineEnd", header + "5\r\n \t", ok, {5}},
        FileCase{"TabsAndBlanksBeforeItems", header + "\t 5\r\n \t-\r\n\t=\r\n9\r\n", ok, {5}},
        FileCase{"BlanksAfterAnItem", header + "5  \t,6 \r\n", ok, {5, 6}},
        FileCase{"QuotedItems", header + "\"7\"\r\n\"3,4\"\r\n\"-5\"\r\n\"\"\r\n", ok, {7, 3, 0}},
        FileCase{"TextAfterClosingQuoteIsDropped", header + "\"12\"xyz,5\r\n", ok, {12, 5}},
        FileCase{"UnclosedQuoteTakesTheRest", header + "\"12\r\n13\r\n", ok, {12}},
        FileCase{"ByteOrderMarkIsSkipped", "\xEF\xBB\xBF" + header + "5\r\n", ok, {5}},
        FileCase{
            "FractionRoundingIntoRange", header + "36.4\r\n36.5\r\n0.5\r\n", ok, {36.4, 36.5, 0.5}},
        FileCase{"QuotedNegativeRoundingToZero", header + "\"\n-0.4\"\r\n", ok, {-0.4}},
        FileCase{"TooLargeAfterRounding", header + "36.6\r\n", outOfRange, {}, 5, 36.6},
        FileCase{"ThirtySeven", header + "1\r\n37\r\n", outOfRange, {}, 6, 37},
        FileCase{"QuotedNegative", header + "\"\n-1\"\r\n", outOfRange, {}, 5, -1},
        FileCase{"Infinite", header + "1e999\r\n", outOfRange, {}, 5, infinity},
        FileCase{"LineCountsBlankLines", header + "1\r\n2\r\n\r\n40\r\n", outOfRange, {}, 8, 40},
        FileCase{"LineOfACommaItem", header + "1,2,99\r\n", outOfRange, {}, 5, 99},
        FileCase{"LineCountsLoneEnds", "Spielbank\nA\rB\nC\r1\n\r50\r", outOfRange, {}, 7, 50},
        FileCase{
            "LineCountsQuotedLineEnds", header + "\"1\r\n2\"\r\n50\r\n", outOfRange, {}, 7, 50}),
    [](const auto& c) { return c.param.name; });

struct HeaderCase {
    std::string name;
    std::string bytes;
    PermanenceStatus status;
    std::vector<std::string> header;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class PermanenceHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(PermanenceHeader, KeepsTheItemsRead) {
    const HeaderCase& c = GetParam();
    const sorvik1::Permanence p = sorvik1::parsePermanence(c.bytes);
    EXPECT_EQ(p.status, c.status);
    EXPECT_EQ(p.header, c.header);
    EXPECT_TRUE(p.spins.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Items, PermanenceHeader,
    testing::Values(HeaderCase{"Empty", "", PermanenceStatus::Empty, {}},
                    HeaderCase{"ByteOrderMarkOnly", "\xEF\xBB\xBF", PermanenceStatus::Empty, {}},
                    HeaderCase{"LowerCase",
                               "spielbank Hamburg\r\nA\r\nB\r\nC\r\n",
                               PermanenceStatus::NotACasinoFile,
                               {"spielbank Hamburg"}},
                    HeaderCase{"EightLetters",
                               "Spielban\r\nA\r\nB\r\nC\r\n",
                               PermanenceStatus::NotACasinoFile,
                               {"Spielban"}},
                    HeaderCase{"OnlyBlanks", "   ", PermanenceStatus::NotACasinoFile, {""}},
                    HeaderCase{"BlankFirstLine",
                               "\r\nSpielbank\r\nA\r\nB\r\n",
                               PermanenceStatus::NotACasinoFile,
                               {""}},
                    HeaderCase{"OneLineOnly",
                               "Spielbank Hamburg\r\n",
                               PermanenceStatus::EndsInHeader,
                               {"Spielbank Hamburg"}},
                    HeaderCase{"ThreeLinesOnly",
                               "Spielbank\r\nA\r\nB\r\n",
                               PermanenceStatus::EndsInHeader,
                               {"Spielbank", "A", "B"}},
                    HeaderCase{"BlankHeaderLineIsAnEmptyItem",
                               "Spielbank\r\n\r\nB\r\nC\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank", "", "B", "C"}},
                    HeaderCase{"BlanksAroundItemsDropped",
                               " \tSpielbank Hamburg  \r\nA\t\r\nB\r\nC\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank Hamburg", "A", "B", "C"}},
                    HeaderCase{"QuotedItemKeepsItsComma",
                               "\"Spielbank, Hamburg\"\r\nA\r\nB\r\nC\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank, Hamburg", "A", "B", "C"}},
                    HeaderCase{"CommasSplitHeaderItems",
                               "Spielbank,A,B,C\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank", "A", "B", "C"}},
                    HeaderCase{"RawBytesKept",
                               "Spielbank K\xF6ln\r\nA\r\nB\r\nC\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank K\xF6ln", "A", "B", "C"}},
                    // A long item is cut between two characters and ends
                    // with an ellipsis in its own encoding.
                    HeaderCase{"LongUtf8ItemCutBeforeACharacter",
                               "Spielbank\r\n" + std::string(998, 'a') + "\xE2\x82\xAC" +
                                   std::string(5000, 'b') + "\r\nB\r\nC\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank", std::string(998, 'a') + "\xE2\x80\xA6", "B", "C"}},
                    HeaderCase{"LongWindows1252ItemCutAtTheBound",
                               "Spielbank\r\n" + std::string(300'000, '\x80') + "\r\nB\r\nC\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank", std::string(1000, '\x80') + "\x85", "B", "C"}},
                    HeaderCase{"ItemOfTheBoundKeptWhole",
                               "Spielbank\r\n" + std::string(1000, 'a') + "\r\nB\r\nC\r\n",
                               PermanenceStatus::Ok,
                               {"Spielbank", std::string(1000, 'a'), "B", "C"}}),
    [](const auto& c) { return c.param.name; });

// A file of `count` spins in `item` each, built in memory.
std::string fileOfSpins(std::size_t count, const std::string& item) {
    std::string bytes = header;
    bytes.reserve(header.size() + count * item.size());
    for (std::size_t i = 0; i < count; ++i) {
        bytes += item;
    }
    return bytes;
}

struct SizeCase {
    std::string name;
    std::size_t count;
    std::string item;
    PermanenceStatus status;
};

class PermanenceSize : public testing::TestWithParam<SizeCase> {};

TEST_P(PermanenceSize, AcceptsUpToTheLargestRun) {
    const SizeCase& c = GetParam();
    const sorvik1::Permanence p = sorvik1::parsePermanence(fileOfSpins(c.count, c.item));
    EXPECT_EQ(p.status, c.status);
    const std::size_t expected = c.status == PermanenceStatus::Ok ? c.count : 0;
    EXPECT_EQ(p.spins.size(), expected);
    EXPECT_LE(p.spins.capacity(), sorvik1::maxSpins);
}

// Empty items between commas are the densest layout: one byte per spin.
INSTANTIATE_TEST_SUITE_P(
    Limit, PermanenceSize,
    testing::Values(
        SizeCase{"LargestRun", sorvik1::maxSpins, "7\r\n", PermanenceStatus::Ok},
        SizeCase{"OneMore", sorvik1::maxSpins + 1, "7\r\n", PermanenceStatus::TooManySpins},
        SizeCase{"LargestRunOfCommas", sorvik1::maxSpins, ",", PermanenceStatus::Ok},
        SizeCase{"OneMoreComma", sorvik1::maxSpins + 1, ",", PermanenceStatus::TooManySpins}),
    [](const auto& c) { return c.param.name; });

} // namespace
