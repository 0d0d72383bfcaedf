#include "common/FormatHex8.h"

#include <gtest/gtest.h>

#include <climits>

namespace dokkle {
namespace {

TEST(FormatHex8, WritesEightUpperCaseDigitsAfterThePrefix) {
    EXPECT_EQ(FormatHex8(0), L"0x00000000");
    EXPECT_EQ(FormatHex8(1), L"0x00000001");
    EXPECT_EQ(FormatHex8(6699), L"0x00001A2B");
    EXPECT_EQ(FormatHex8(0x0001A2B4), L"0x0001A2B4");
    EXPECT_EQ(FormatHex8(0x7FFFFFFF), L"0x7FFFFFFF");
}

TEST(FormatHex8, NegativeValuesShowTheirTwosComplement) {
    EXPECT_EQ(FormatHex8(-1), L"0xFFFFFFFF");
    EXPECT_EQ(FormatHex8(INT_MIN), L"0x80000000");
    EXPECT_EQ(FormatHex8(-6699), L"0xFFFFE5D5");
}

TEST(FormatHexHandle, KeepsEightDigitsForNarrowValuesAndShowsWideOnesInFull) {
    EXPECT_EQ(FormatHexHandle(0), L"0x00000000");
    EXPECT_EQ(FormatHexHandle(0xFFFFFFFFull), L"0xFFFFFFFF");
    EXPECT_EQ(FormatHexHandle(0x140000000ull), L"0x140000000");
    EXPECT_EQ(FormatHexHandle(0x00007FF6ABCD0000ull), L"0x7FF6ABCD0000");
}

}  // namespace
}  // namespace dokkle
