#include "ui/placement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Placement {
    std::string name;
    QRect main;
    QSize size;
    QPoint expected;
};

void PrintTo(const Placement& c, std::ostream* os) {
    *os << c.name;
}

class BesideWindow : public testing::TestWithParam<Placement> {};

// A 1920 x 1040 desktop below a 40-pixel panel.
const QRect desktop{0, 40, 1920, 1040};

TEST_P(BesideWindow, StaysBesideTheMainWindowAndOnTheScreen) {
    const auto& c = GetParam();
    const QPoint at = besideWindow(c.main, c.size, desktop);
    EXPECT_EQ(at, c.expected);
    EXPECT_TRUE(desktop.contains(QRect(at, c.size)));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, BesideWindow,
    testing::Values(
        Placement{"RightWhenThereIsRoom", {100, 100, 640, 480}, {300, 250}, {748, 100}},
        Placement{"LeftWhenTheRightIsFull", {1300, 100, 640, 480}, {300, 250}, {992, 100}},
        Placement{"AgainstTheRightEdgeWhenNeitherSideFits",
                  {200, 100, 1500, 480},
                  {300, 250},
                  {1620, 100}},
        Placement{
            "BelowThePanelWhenTheMainWindowIsAboveIt", {100, 0, 640, 480}, {300, 250}, {748, 40}},
        Placement{"UpWhenItWouldHangBelowTheScreen", {100, 900, 640, 480}, {300, 250}, {748, 830}},
        Placement{"RightEvenWhenTheMainWindowIsPartlyOffTheScreen",
                  {-300, 100, 640, 480},
                  {300, 250},
                  {348, 100}}),
    [](const testing::TestParamInfo<Placement>& p) { return p.param.name; });

} // namespace
