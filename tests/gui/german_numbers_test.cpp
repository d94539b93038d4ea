#include "ui/german_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace {

struct Formatted {
    std::string name;
    std::function<QString()> format;
    std::string text;
};

void PrintTo(const Formatted& c, std::ostream* os) {
    *os << c.name;
}

class GermanNumbers : public testing::TestWithParam<Formatted> {};

TEST_P(GermanNumbers, ReadAsAGermanReaderExpects) {
    EXPECT_EQ(GetParam().format().toStdString(), GetParam().text);
}

using namespace germannumbers;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, GermanNumbers,
    testing::Values(Formatted{"WholeGroupsThousands", [] { return whole(10'000'000); },
                              "10.000.000"},
                    Formatted{"WholeSmall", [] { return whole(0); }, "0"},
                    Formatted{"DecimalComma", [] { return decimal(1234.565, 2); }, "1.234,57"},
                    Formatted{"DecimalNegative", [] { return decimal(-4.6049, 2); }, "-4,60"},
                    Formatted{"DecimalNoLoneMinus", [] { return decimal(-0.004, 2); }, "0,00"},
                    Formatted{"DecimalNaN", [] { return decimal(nan, 2); }, "–"},
                    Formatted{"DecimalInfinite", [] { return decimal(infinity, 2); }, "–"},
                    Formatted{"SpinsWithUnit", [] { return spins(10.7412); }, "10,74 Würfe"},
                    Formatted{"SpinsNaN", [] { return spins(nan); }, "–"},
                    Formatted{"ChanceInPercent", [] { return chance(0.48649); }, "48,65 %"},
                    Formatted{"ChanceRoundedToCertain", [] { return chance(1.0); }, "> 99,99 %"},
                    Formatted{"ChanceImpossible", [] { return chance(0.0); }, "0,00 %"},
                    Formatted{"ChanceAlmostCertain", [] { return chance(0.99995); }, "> 99,99 %"},
                    Formatted{"ChanceJustBelowRounding", [] { return chance(0.99994); }, "99,99 %"},
                    Formatted{"ChanceTiny", [] { return chance(4e-7); }, "< 0,01 %"},
                    Formatted{"ChanceNaN", [] { return chance(nan); }, "–"}),
    [](const testing::TestParamInfo<Formatted>& p) { return p.param.name; });

} // namespace
