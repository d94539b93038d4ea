// The icon is drawn from the embedded picture at every size asked for: a
// missing or broken picture would still give a non-null, but empty, icon.
#include "ui/app_icon.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

struct IconCase {
    int size;
};

class AppIcon : public testing::TestWithParam<IconCase> {};

TEST_P(AppIcon, ShowsTheRedAndTheBlackMark) {
    const int size = GetParam().size;
    const QImage image = renderAppIcon(size);
    ASSERT_EQ(image.size(), QSize(size, size));
    // The red mark sits in the upper left cell, the black one in the lower right.
    const QColor red = image.pixelColor(size * 82 / 256, size * 82 / 256);
    const QColor black = image.pixelColor(size * 174 / 256, size * 174 / 256);
    EXPECT_GT(red.red(), 180) << red.name().toStdString();
    EXPECT_LT(red.green(), 80) << red.name().toStdString();
    EXPECT_LT(black.value(), 60) << black.name().toStdString();
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppIcon, testing::Values(IconCase{16}, IconCase{48}, IconCase{256}),
                         [](const auto& param) { return std::to_string(param.param.size); });

} // namespace
