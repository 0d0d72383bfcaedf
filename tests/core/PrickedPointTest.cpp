#include "tools/PrickedPoint.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

int16_t XOf(int32_t lParam) {
    return static_cast<int16_t>(lParam & 0xFFFF);
}
int16_t YOf(int32_t lParam) {
    return static_cast<int16_t>((static_cast<uint32_t>(lParam) >> 16) & 0xFFFF);
}

TEST(PrickedPoint, IsTheTipRelativeToTheWindowRectangleAsYTimes65536PlusX) {
    const Rect target{200, 150, 600, 450};
    EXPECT_EQ(PrickedPointLParam(Point{210, 170}, target), 1310730);  // 20 * 65536 + 10
    EXPECT_EQ(PrickedPointLParam(Point{200, 150}, target), 0);
    EXPECT_EQ(PrickedPointLParam(Point{599, 449}, target), 299 * 65536 + 399);
}

TEST(PrickedPoint, NegativeCoordinatesKeepTheirOwnHalf) {
    // The sum y * 65536 + x would borrow from y and read back as y = 4.
    const int32_t left = PrickedPointLParam(Point{199, 155}, Rect{200, 150, 600, 450});
    EXPECT_EQ(left, 0x0005FFFF);
    EXPECT_EQ(XOf(left), -1);
    EXPECT_EQ(YOf(left), 5);
    const int32_t above = PrickedPointLParam(Point{230, 140}, Rect{200, 150, 600, 450});
    EXPECT_EQ(XOf(above), 30);
    EXPECT_EQ(YOf(above), -10);
}

TEST(PrickedPoint, CoordinatesBeyondSixteenBitsAreClampedToTheirSide) {
    // A minimised window lies at -32000, -32000 while the pin stays on the screen.
    const int32_t offScreen = PrickedPointLParam(Point{900, 700}, Rect{-32000, -32000, -31840, -31969});
    EXPECT_EQ(XOf(offScreen), 32767);
    EXPECT_EQ(YOf(offScreen), 32700);
    const int32_t farLeft = PrickedPointLParam(Point{-40000, 0}, Rect{0, 50000, 10, 50010});
    EXPECT_EQ(XOf(farLeft), -32768);
    EXPECT_EQ(YOf(farLeft), -32768);
    // The difference itself does not overflow 32 bits.
    const int32_t extreme = PrickedPointLParam(Point{INT32_MAX, INT32_MIN}, Rect{INT32_MIN, INT32_MAX, 0, 0});
    EXPECT_EQ(XOf(extreme), 32767);
    EXPECT_EQ(YOf(extreme), -32768);
}

}  // namespace
}  // namespace dokkle
