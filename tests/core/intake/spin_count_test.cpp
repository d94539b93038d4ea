#include "core/intake/spin_count.h"

#include "core/wheel/limits.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    std::string text;
    std::size_t spins;
    bool tooLarge;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class SpinCount : public testing::TestWithParam<Case> {};

TEST_P(SpinCount, TakesTheWholePartOfTheLeadingNumberWithinTheLimits) {
    const Case& c = GetParam();
    EXPECT_EQ(sorvik1::spinCount(c.text), c.spins) << "text: \"" << c.text << "\"";
    EXPECT_EQ(sorvik1::exceedsMaxSpins(c.text), c.tooLarge) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Texts, SpinCount,
                         testing::Values(Case{"", 0, false}, Case{"abc", 0, false},
                                         Case{"0", 0, false}, Case{"-5", 0, false},
                                         Case{" ", 0, false}, Case{"25", 25, false},
                                         Case{"12abc", 12, false}, Case{"7,5", 7, false},
                                         Case{"7.9", 7, false}, Case{"1e3x", 1000, false},
                                         Case{"0.5", 1, false}, Case{".001", 1, false},
                                         Case{"10000000", sorvik1::maxSpins, false},
                                         Case{"10000001", sorvik1::maxSpins, true},
                                         Case{"1e999", sorvik1::maxSpins, true},
                                         Case{"99999999999999999999999", sorvik1::maxSpins, true}));

} // namespace
