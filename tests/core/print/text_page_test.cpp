#include "core/print/text_page.h"
#include "plain_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sorvik1::PrintLine;
using sorvik1::TextPage;
using sorvik1::test::plainText;
using Lines = std::vector<std::string>;

TEST(TextPage, TabPastTheColumnContinuesOnTheNextLine) {
    TextPage page(90, 24);
    page.tab(10);
    page.text("abcdef");
    page.tab(12); // already at column 16
    page.text("x");
    page.endLine();
    page.tab(5);
    page.tab(5); // at the column already: stays on the line
    page.text("y");
    EXPECT_EQ(plainText(page.finish()), (Lines{"         abcdef", "           x", "    y"}));
}

TEST(TextPage, StyleChangesStartNewSpansAndAdjoiningTextJoins) {
    TextPage page(90, 24);
    page.tab(3);
    page.text("ab");
    page.text("cd");
    page.setBold(true);
    page.text("E");
    page.setUnderline(true);
    page.tab(10);
    page.text("F");
    const std::vector<PrintLine> lines = page.finish();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              (PrintLine{{3, "abcd", false, false}, {7, "E", true, false}, {10, "F", true, true}}));
}

struct NumberCase {
    double value;
    std::string printed;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.value;
}

class NumberItem : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberItem, HasTheSignPlaceInFrontAndABlankBehind) {
    TextPage page(90, 24);
    page.number(GetParam().value);
    EXPECT_EQ(plainText(page.finish()), Lines{GetParam().printed});
}

INSTANTIATE_TEST_SUITE_P(Values, NumberItem,
                         testing::Values(NumberCase{0, " 0 "}, NumberCase{-0.0, " 0 "},
                                         NumberCase{7, " 7 "}, NumberCase{-3, "-3 "},
                                         NumberCase{10'000'000, " 10000000 "},
                                         NumberCase{1e20, " 100000000000000000000 "}));

struct WrapCase {
    std::string name;
    int startColumn;
    std::string text;
    bool asItem;
    Lines expected; // on a page of 20 columns, continuing at column 5
};

class Wrapping : public testing::TestWithParam<WrapCase> {};

TEST_P(Wrapping, KeepsEveryCharacterWithinTheColumns) {
    TextPage page(20, 5);
    page.tab(GetParam().startColumn);
    if (GetParam().asItem) {
        page.item(GetParam().text);
    } else {
        page.text(GetParam().text);
    }
    EXPECT_EQ(plainText(page.finish()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Wrapping,
    testing::Values(
        WrapCase{"BreaksAtTheLastBlank",
                 3,
                 "one two three four five",
                 false,
                 {"  one two three four", "    five"}},
        WrapCase{"BlankRightAfterTheLastColumn",
                 1,
                 "abcdefghijklmnopqrst uvw",
                 false,
                 {"abcdefghijklmnopqrst", "    uvw"}},
        WrapCase{"DropsBlanksAtTheBreak",
                 1,
                 "abcdefghijklmno     pqrstuvw",
                 false,
                 {"abcdefghijklmno", "    pqrstuvw"}},
        WrapCase{"DropsBlanksThatWouldOverflow", 15, "abc      ", false, {"              abc"}},
        WrapCase{"MovesAWordToTheContinuationLine",
                 10,
                 "abcdefghijklmn",
                 false,
                 {"", "    abcdefghijklmn"}},
        WrapCase{"SplitsAWordLongerThanALine",
                 1,
                 "abcdefghijklmnopqrstuvwxyz",
                 false,
                 {"abcdefghijklmnopqrst", "    uvwxyz"}},
        WrapCase{"CountsCharactersNotBytes", 11, "äöüÄÖÜßéèê", false, {"          äöüÄÖÜßéèê"}},
        WrapCase{"ItemMovesWhole", 15, "12 345 ,", true, {"", "    12 345 ,"}},
        WrapCase{"ItemLongerThanALineIsSplit",
                 3,
                 "123456789012345678901234",
                 true,
                 {"  123456789012345678", "    901234"}}),
    [](const testing::TestParamInfo<WrapCase>& c) { return c.param.name; });

TEST(TextPage, ATabBeyondTheLastColumnStillPrints) {
    TextPage page(20, 5);
    page.tab(30);
    page.text("x");
    EXPECT_EQ(plainText(page.finish()), (Lines{"", "    x"}));
}

struct PageCase {
    std::size_t lines;
    int perPage;
    std::vector<std::size_t> pageSizes;
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.lines << " lines, " << c.perPage << " per page";
}

class Pagination : public testing::TestWithParam<PageCase> {};

TEST_P(Pagination, KeepsEveryLineInOrder) {
    std::vector<PrintLine> lines;
    for (std::size_t i = 0; i < GetParam().lines; ++i) {
        lines.push_back({{1, std::to_string(i), false, false}});
    }
    const auto pages = sorvik1::paginate(lines, GetParam().perPage);
    std::vector<std::size_t> sizes;
    std::vector<PrintLine> joined;
    for (const auto& page : pages) {
        sizes.push_back(page.size());
        joined.insert(joined.end(), page.begin(), page.end());
    }
    EXPECT_EQ(sizes, GetParam().pageSizes);
    EXPECT_EQ(joined, lines);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Pagination,
                         testing::Values(PageCase{0, 50, {}}, PageCase{39, 50, {39}},
                                         PageCase{50, 50, {50}}, PageCase{51, 50, {50, 1}},
                                         PageCase{120, 55, {55, 55, 10}},
                                         PageCase{3, 0, {1, 1, 1}}));

} // namespace
