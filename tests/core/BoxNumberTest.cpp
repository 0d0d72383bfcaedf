#include "tools/BoxNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace dokkle {
namespace {

std::string Shown(const wchar_t* text) {
    return ::testing::PrintToString(std::wstring(text));
}

struct Accepted {
    const wchar_t* text;
    int32_t value;
};

TEST(BoxNumber, SignedDecimalsWithBlanksAroundThem) {
    for (const Accepted& number : {
             Accepted{L"0", 0},
             Accepted{L"42", 42},
             Accepted{L"-17", -17},
             Accepted{L"+17", 17},
             Accepted{L"  -5  ", -5},
             Accepted{L"\t8\t", 8},
             Accepted{L"\u30009\u3000", 9},
             Accepted{L"007", 7},
             Accepted{L"-0", 0},
             Accepted{L"2147483647", INT32_MAX},
             Accepted{L"-2147483648", INT32_MIN},
             Accepted{L"0000000000002147483647", INT32_MAX},
         }) {
        EXPECT_EQ(ParseBoxNumber(number.text), number.value) << Shown(number.text);
    }
}

TEST(BoxNumber, FractionsRoundToTheNearestIntegerAndHalvesToTheEvenOne) {
    for (const Accepted& number : {
             Accepted{L"2.5", 2},
             Accepted{L"3.5", 4},
             Accepted{L"-2.5", -2},
             Accepted{L"-3.5", -4},
             Accepted{L"0.5", 0},
             Accepted{L"1.5", 2},
             Accepted{L"2.4999999", 2},
             Accepted{L"2.51", 3},
             // Exactly: a double would take this for 2.5 and round it down.
             Accepted{L"2.50000000000000000001", 3},
             Accepted{L"2.5000000000", 2},
             Accepted{L"-0.4", 0},
             Accepted{L".5", 0},
             Accepted{L".6", 1},
             Accepted{L"5.", 5},
             Accepted{L" 12.75 ", 13},
             Accepted{L"2147483647.4", INT32_MAX},
             Accepted{L"-2147483648.5", INT32_MIN},
             Accepted{L"2147483646.5", 2147483646},
         }) {
        EXPECT_EQ(ParseBoxNumber(number.text), number.value) << Shown(number.text);
    }
}

TEST(BoxNumber, EverythingElseIsRefused) {
    for (const wchar_t* text : {
             L"",
             L"   ",
             L"abc",
             L"12a",
             L"a12",
             L"1e3",
             L"1E3",
             L"0x10",
             L"&H10",
             L"1,000",
             L"1 000",
             L"- 5",
             L"--5",
             L"+-5",
             L"+",
             L"-",
             L".",
             L"1.2.3",
             L"1..2",
             L"５",
             L"1\u00A0",
             L"2147483648",
             L"-2147483649",
             L"2147483647.5",
             L"-2147483648.6",
             L"99999999999999999999999",
         }) {
        EXPECT_EQ(ParseBoxNumber(text), std::nullopt) << Shown(text);
    }
}

TEST(MoveAndSize, FourNumbersWithAPositiveSizeMakeTheBounds) {
    EXPECT_EQ(ParseMoveAndSize(L"10", L"-20", L"300", L"200"), (Bounds{10, -20, 300, 200}));
    EXPECT_EQ(ParseMoveAndSize(L"-50", L" 3.5", L"1", L"1"), (Bounds{-50, 4, 1, 1}));
    EXPECT_EQ(ParseMoveAndSize(L"0", L"0", L"0.6", L"2.5"), (Bounds{0, 0, 1, 2}));
}

TEST(MoveAndSize, ABadNumberOrASizeBelowOneIsRefused) {
    EXPECT_EQ(ParseMoveAndSize(L"x", L"0", L"100", L"100"), std::nullopt);
    EXPECT_EQ(ParseMoveAndSize(L"0", L"", L"100", L"100"), std::nullopt);
    EXPECT_EQ(ParseMoveAndSize(L"0", L"0", L"0", L"100"), std::nullopt);
    EXPECT_EQ(ParseMoveAndSize(L"0", L"0", L"100", L"-1"), std::nullopt);
    // 0.5 rounds to 0.
    EXPECT_EQ(ParseMoveAndSize(L"0", L"0", L"0.5", L"100"), std::nullopt);
    EXPECT_EQ(ParseMoveAndSize(L"0", L"0", L"100", L"1e3"), std::nullopt);
}

}  // namespace
}  // namespace dokkle
