#include "tools/WindowMap.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace dokkle {
namespace {

WindowEntry EntryAt(int32_t left, int32_t top, int32_t right, int32_t bottom, uintptr_t handle = 1) {
    WindowEntry entry;
    entry.hWnd = handle;
    entry.Left = left;
    entry.Top = top;
    entry.Right = right;
    entry.Bottom = bottom;
    return entry;
}

TEST(WindowMap, TheScreensRightAndBottomEdgesLandOnTheBoxsLastPixelColumnAndRow) {
    const MapScale scale = MeasureMap(247, 172, 1024, 768);
    EXPECT_EQ(scale.x, 246.0f / 1024);
    EXPECT_EQ(scale.y, 171.0f / 768);
    EXPECT_EQ(ToMapRect(Rect{0, 0, 1024, 768}, scale), (Rect{0, 0, 246, 171}));
    EXPECT_EQ(ToMapRect(Rect{200, 150, 600, 450}, scale), (Rect{48, 33, 144, 100}));
}

TEST(WindowMap, EachAxisScalesOnItsOwnAndProductsRoundHalvesToEven) {
    // Half a map pixel per screen pixel across, one down: 3 -> 1.5 -> 2, 5 -> 2.5 -> 2, -3 -> -1.5 -> -2.
    const MapScale scale = MeasureMap(11, 21, 20, 20);
    EXPECT_EQ(scale.x, 0.5f);
    EXPECT_EQ(scale.y, 1.0f);
    EXPECT_EQ(ToMapRect(Rect{3, 7, 5, 9}, scale), (Rect{2, 7, 2, 9}));
    EXPECT_EQ(ToMapRect(Rect{-3, -7, 7, 0}, scale), (Rect{-2, -7, 4, 0}));
}

TEST(WindowMap, AScreenOrBoxOfNoSizeGivesAFlatMapRatherThanADivisionByZero) {
    const MapScale noScreen = MeasureMap(247, 172, 0, -5);
    EXPECT_EQ(noScreen.x, 0.0f);
    EXPECT_EQ(noScreen.y, 0.0f);
    const MapScale noBox = MeasureMap(0, 0, 1024, 768);
    EXPECT_EQ(noBox.x, 0.0f);
    EXPECT_EQ(noBox.y, 0.0f);
    EXPECT_EQ(ToMapRect(Rect{-32000, -32000, 1024, 768}, noScreen), (Rect{0, 0, 0, 0}));
}

TEST(MapHitTest, WhereRectanglesOverlapTheLowestIndexTheWindowDrawnOnTopWins) {
    const std::vector<WindowEntry> entries = {EntryAt(50, 50, 60, 60, 0xA), EntryAt(0, 0, 100, 100, 0xB),
                                              EntryAt(40, 40, 70, 70, 0xC)};
    EXPECT_EQ(HitTestMap(entries, Point{55, 55}), 0u);
    EXPECT_EQ(HitTestMap(entries, Point{45, 45}), 1u);
    EXPECT_EQ(HitTestMap(entries, Point{5, 95}), 1u);
}

TEST(MapHitTest, EveryEdgeIncludingRightAndBottomHitsAndOnePixelBeyondMisses) {
    const std::vector<WindowEntry> entries = {EntryAt(10, 20, 30, 40)};
    for (const Point inside : {Point{10, 20}, Point{30, 40}, Point{30, 20}, Point{10, 40}}) {
        EXPECT_EQ(HitTestMap(entries, inside), 0u) << inside.x << ", " << inside.y;
    }
    for (const Point outside : {Point{9, 30}, Point{31, 30}, Point{20, 19}, Point{20, 41}}) {
        EXPECT_EQ(HitTestMap(entries, outside), std::nullopt) << outside.x << ", " << outside.y;
    }
}

TEST(MapHitTest, NoEntriesOrOnlyInvertedRectanglesHitNothing) {
    EXPECT_EQ(HitTestMap({}, Point{0, 0}), std::nullopt);
    EXPECT_EQ(HitTestMap({EntryAt(30, 30, 10, 10)}, Point{20, 20}), std::nullopt);
    EXPECT_EQ(HitTestMap({EntryAt(5, 5, 5, 5)}, Point{5, 5}), 0u);  // a window shrunk to a dot
}

TEST(ListLine, IsTheHandlesEightHexadecimalDigitsATabAndTheTitle) {
    WindowEntry entry;
    entry.hWnd = 0x0001A2B4;
    entry.Title = L"Memo";
    EXPECT_EQ(ListLine(entry), L"0x0001A2B4\tMemo");
    entry.Title.clear();
    EXPECT_EQ(ListLine(entry), L"0x0001A2B4\t");
    entry.Title = L"メモ帳 - 無題";
    EXPECT_EQ(ListLine(entry), L"0x0001A2B4\tメモ帳 - 無題");
}

TEST(ListLine, ShowsTheHandlesThirtyTwoBitValueInBothBuilds) {
    WindowEntry entry;
    // 64-bit Windows hands out window handles sign-extended from 32 bits.
    entry.hWnd = static_cast<uintptr_t>(static_cast<intptr_t>(INT32_MIN + 0x1A2B4));
    EXPECT_EQ(ListLine(entry), L"0x8001A2B4\t");
}

}  // namespace
}  // namespace dokkle
