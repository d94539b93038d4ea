#include "core/text/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Case {
    std::string text;
    double value;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class LeadingNumber : public testing::TestWithParam<Case> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(sorvik1::leadingNumber(GetParam().text), GetParam().value)
        << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    testing::Values(Case{"", 0}, Case{"abc", 0}, Case{"25", 25}, Case{"  7", 7}, Case{"1 7", 17},
                    Case{"12 a", 12}, Case{"12abc", 12}, Case{"7,5", 7}, Case{"7.5", 7.5},
                    Case{".5", 0.5}, Case{"-5", -5}, Case{"+5", 5}, Case{"- 5", -5},
                    Case{"1e3x", 1000}, Case{"1E3", 1000}, Case{"2D2", 200}, Case{"1e", 1},
                    Case{"1e-2", 0.01}, Case{"\t3\n6", 36}, Case{"0", 0}, Case{"00012", 12},
                    Case{".", 0}, Case{"-", 0}, Case{"e5", 0}, Case{"10000000", 10000000},
                    Case{"123456789012345678901", 123456789012345678901.0}, Case{"3\r", 3}));

TEST(LeadingNumberLimits, HugeExponentsAndLongDigitRunsStayFinite) {
    EXPECT_TRUE(std::isinf(sorvik1::leadingNumber("1e99999999999")));
    EXPECT_EQ(sorvik1::leadingNumber("1e-99999999999"), 0.0);
    const std::string many(300, '9');
    EXPECT_NEAR(std::log10(sorvik1::leadingNumber(many)), 300.0, 1e-9);
    EXPECT_TRUE(std::isinf(sorvik1::leadingNumber(std::string(400, '9'))));
}

} // namespace
