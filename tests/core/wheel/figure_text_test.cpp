#include "core/wheel/figure_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    std::string text;
    std::string canonical; // empty when refused
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class FigureText : public testing::TestWithParam<TextCase> {};

TEST_P(FigureText, IsReadOrRefused) {
    const auto parsed = sorvik1::parseFigure(GetParam().text);
    if (GetParam().canonical.empty()) {
        EXPECT_FALSE(parsed.error.empty());
        EXPECT_TRUE(parsed.figure.empty());
    } else {
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(sorvik1::figureText(parsed.figure), GetParam().canonical);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FigureText,
                         testing::Values(TextCase{"r", "r"}, TextCase{"rr.s", "rr.s"},
                                         TextCase{"RS", "rs"},
                                         TextCase{"r..................s", "r..................s"},
                                         TextCase{"r...................s", ""}, TextCase{"", ""},
                                         TextCase{".r", ""}, TextCase{"r.", ""},
                                         TextCase{"rxs", ""}, TextCase{"r s", ""},
                                         TextCase{"r\xc3\xa4s", ""}));

TEST(FigureText, SaysWhereAnUnknownCharacterIs) {
    EXPECT_NE(sorvik1::parseFigure("rrx").error.find("Position 3"), std::string::npos);
}

} // namespace
