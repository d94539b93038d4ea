#include "core/text/fixed_text.h"

#include <gtest/gtest.h>

namespace {

using sorvik1::fixedText;

// A value that rounds to zero is written without a sign, whichever side of
// zero it came from; every other value keeps its sign and rounds correctly.
TEST(FixedText, DropsTheSignOnlyOfWhatRoundsToZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case& c :
         {Case{-0.00001, 4, "0.0000"}, Case{-0.0, 2, "0.00"}, Case{-0.004, 2, "0.00"},
          Case{-0.005001, 2, "-0.01"}, Case{-12.5, 2, "-12.50"}, Case{2.675, 2, "2.67"},
          Case{1e20, 0, "100000000000000000000"}, Case{0.5, 0, "0"}}) {
        EXPECT_EQ(fixedText(c.value, c.decimals), c.text) << c.value << " to " << c.decimals;
        EXPECT_EQ(sorvik1::roundsToZero(c.value, c.decimals),
                  std::string(c.text).find_first_not_of("0.") == std::string::npos)
            << c.value;
    }
}

} // namespace
