#include "common/TwipsLayout.h"

#include <gtest/gtest.h>

#include "common/Rounding.h"

namespace dokkle {
namespace {

TEST(TwipsLayout, FifteenTwipsAreOnePixelAtNinetySixDotsPerInch) {
    EXPECT_EQ(TwipsToPixels(Bounds{150, 675, 6390, 5940}, 15, 15), (Bounds{10, 45, 426, 396}));
    EXPECT_EQ(TwipsToPixels(Bounds{10290, 6765, 0, 0}, 15, 15), (Bounds{686, 451, 0, 0}));
}

TEST(TwipsLayout, OtherResolutionsRoundHalvesToEven) {
    // 120 dots per inch: 12 twips a pixel; 390 / 12 = 32.5 goes to 32, 150 / 12 = 12.5 to 12.
    EXPECT_EQ(TwipsToPixels(Bounds{390, 150, 90, 30}, 12, 12), (Bounds{32, 12, 8, 2}));
    EXPECT_EQ(TwipsToPixels(Bounds{75, 45, 0, 0}, 10, 10), (Bounds{8, 4, 0, 0}));
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndOutOfRangeValuesSaturate) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(11.5), 12);
    EXPECT_EQ(RoundHalfEven(1e12), INT32_MAX);
    EXPECT_EQ(RoundHalfEven(-1e12), INT32_MIN);
    EXPECT_EQ(IntegerDivide(1500, 15), 100);
    EXPECT_EQ(IntegerDivide(-1507.5, 15), -100);  // -1508 / 15 truncates toward zero
    EXPECT_EQ(IntegerDivide(1500, 0), 0);
}

}  // namespace
}  // namespace dokkle
