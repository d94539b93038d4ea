#include "core/wheel/colour.h"
#include "core/wheel/spin_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using sorvik1::SpinSource;
using sorvik1::wheelColours;

struct ImportCase {
    double value;
    int number;
};

void PrintTo(const ImportCase& c, std::ostream* os) {
    *os << c.value;
}

class ImportedNumber : public testing::TestWithParam<ImportCase> {};

TEST_P(ImportedNumber, IsTheNearestWholeNumberHalvesToEven) {
    const std::vector<double> permanenz{0, GetParam().value, 0};
    const auto source = SpinSource::imported(wheelColours(), permanenz);
    EXPECT_EQ(source.number(1), GetParam().number) << "value " << GetParam().value;
}

// Values that are no roulette number read as 0 (no colour) instead of
// reaching outside the colour table.
INSTANTIATE_TEST_SUITE_P(Values, ImportedNumber,
                         testing::Values(ImportCase{36.4, 36}, ImportCase{0.5, 0},
                                         ImportCase{1.5, 2}, ImportCase{2.5, 2},
                                         ImportCase{35.5, 36}, ImportCase{36.5, 36},
                                         ImportCase{-0.5, 0}, ImportCase{-0.4, 0},
                                         ImportCase{17.0, 17}, ImportCase{36.6, 0},
                                         ImportCase{-3, 0}, ImportCase{1e300, 0},
                                         ImportCase{std::numeric_limits<double>::quiet_NaN(), 0},
                                         ImportCase{std::numeric_limits<double>::infinity(), 0}));

TEST(SpinSource, ReadsZeroOutsideTheVector) {
    const std::vector<std::int16_t> zahlen{0, 5, 36};
    const std::vector<double> permanenz{0, 5, 36};
    for (const auto& source : {SpinSource::drawn(wheelColours(), zahlen),
                               SpinSource::imported(wheelColours(), permanenz)}) {
        EXPECT_EQ(source.number(1), 5);
        EXPECT_EQ(source.number(2), 36);
        EXPECT_EQ(source.number(3), 0);
        EXPECT_EQ(source.number(1'000'000), 0);
        EXPECT_EQ(source.number(-1), 0);
        EXPECT_EQ(source.colour(1), sorvik1::red);
        EXPECT_EQ(source.colour(3), sorvik1::noColour);
    }
}

TEST(SpinSource, DrawnValueOutsideTheWheelHasNoColour) {
    const std::vector<std::int16_t> zahlen{0, 37, -1, 2};
    const auto source = SpinSource::drawn(wheelColours(), zahlen);
    EXPECT_EQ(source.number(1), 0);
    EXPECT_EQ(source.number(2), 0);
    EXPECT_EQ(source.colour(3), sorvik1::black);
}

} // namespace
