#include "core/wheel/random.h"
#include "core/wheel/spin_source.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

using sorvik1::Random;

TEST(Random, SameSeedAndStreamGiveTheSameNumbers) {
    Random a(7), b(7), other(8), otherStream(7, 1);
    int differentSeed = 0;
    int differentStream = 0;
    for (int i = 0; i < 1000; ++i) {
        const int n = a.number();
        ASSERT_EQ(n, b.number());
        differentSeed += n != other.number() ? 1 : 0;
        differentStream += n != otherStream.number() ? 1 : 0;
    }
    // Unrelated generators agree about once in 37 draws.
    EXPECT_GT(differentSeed, 900);
    EXPECT_GT(differentStream, 900);
}

TEST(Random, NumbersAreUniformOverTheWheel) {
    constexpr int draws = 1'000'000;
    std::array<int, 37> counts{};
    Random generator(20240601);
    for (int i = 0; i < draws; ++i) {
        const int n = generator.number();
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 36);
        ++counts[static_cast<std::size_t>(n)];
    }
    const double expected = draws / 37.0;
    double chiSquare = 0;
    for (const int count : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    // Upper 0.1 % point of the chi-square distribution with 36 degrees of
    // freedom: a fair draw exceeds it once in a thousand seeds.
    EXPECT_LT(chiSquare, 67.985);
}

TEST(Random, DrawnRunKeepsZerosAroundTheSpins) {
    Random generator(3);
    const auto zahlen = sorvik1::drawZahlen(generator, 1);
    ASSERT_EQ(zahlen.size(), 22u);
    EXPECT_EQ(zahlen[0], 0);
    for (std::size_t i = 2; i < zahlen.size(); ++i) {
        EXPECT_EQ(zahlen[i], 0) << "index " << i;
    }

    Random same(3);
    EXPECT_EQ(zahlen[1], same.number());
}

} // namespace
