#include "run/decimal_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class DecimalTextSequence : public testing::TestWithParam<std::vector<std::int64_t>> {};

TEST_P(DecimalTextSequence, ShowsEveryValueAsPlainDecimalText) {
    DecimalText text;
    for (const std::int64_t value : GetParam()) {
        EXPECT_EQ(text(value), QString::number(value)) << "value " << value;
    }
}

// Jumps, repeats, a return to zero, and a count past eight digits.
INSTANTIATE_TEST_SUITE_P(Counters, DecimalTextSequence,
                         testing::Values(std::vector<std::int64_t>{5, 42, 43, 7, 8, 8, 9},
                                         std::vector<std::int64_t>{0, 1, 0, 1, 2},
                                         std::vector<std::int64_t>{9999999, 10000000, 10000001}));

TEST(DecimalTextCount, CountsUpThroughEveryCarry) {
    DecimalText text;
    for (std::int64_t value = 1; value <= 12000; ++value) {
        ASSERT_EQ(text(value), QString::number(value));
    }
}

} // namespace
