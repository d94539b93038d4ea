#include "core/wheel/roulette_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

struct Case {
    double value;
    std::optional<int> number;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.value;
}

class RouletteNumber : public testing::TestWithParam<Case> {};

TEST_P(RouletteNumber, RoundsHalvesToEvenWithinTheWheel) {
    EXPECT_EQ(sorvik1::rouletteNumber(GetParam().value), GetParam().number)
        << "value " << GetParam().value;
}

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Values, RouletteNumber,
                         testing::Values(Case{0, 0}, Case{36, 36}, Case{17.2, 17}, Case{0.5, 0},
                                         Case{1.5, 2}, Case{2.5, 2}, Case{35.5, 36}, Case{36.4, 36},
                                         Case{36.5, 36}, Case{36.6, std::nullopt},
                                         Case{37, std::nullopt}, Case{-0.4, 0}, Case{-0.5, 0},
                                         Case{-0.6, std::nullopt}, Case{-1, std::nullopt},
                                         Case{1e300, std::nullopt}, Case{nan, std::nullopt},
                                         Case{inf, std::nullopt}, Case{-inf, std::nullopt}));

} // namespace
