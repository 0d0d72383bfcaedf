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

// The test rig's desktop: a primary monitor of 1920 x 1200 and one of 1280 x 1024 to its left, 176
// pixels lower, as Windows reports them.
constexpr Rect Primary{0, 0, 1920, 1200};
constexpr Rect LeftMonitor{-1280, 176, 0, 1200};
constexpr Rect TwoMonitorDesktop{-1280, 0, 1920, 1200};

struct OneMonitorCase {
    int32_t width, height;
    Rect window, onMap;
};

// What the map of a single screen drew before it knew of several monitors, for a 247 x 172 box.
// clang-format off
const OneMonitorCase OneMonitorCases[] = {
    {1024, 768, {0, 0, 1024, 768}, {0, 0, 246, 171}},
    {1024, 768, {200, 150, 600, 450}, {48, 33, 144, 100}},
    {1024, 768, {40, 60, 300, 260}, {10, 13, 72, 58}},
    {1024, 768, {1, 1, 2, 2}, {0, 0, 0, 0}},
    {1024, 768, {511, 383, 513, 385}, {123, 85, 123, 86}},
    {1024, 768, {-8, -8, 1032, 776}, {-2, -2, 248, 173}},
    {1024, 768, {-32000, -32000, -31840, -31973}, {-7688, -7125, -7649, -7119}},
    {1024, 768, {1000, 700, 1400, 900}, {240, 156, 336, 200}},
    {1024, 768, {3, 5, 7, 11}, {1, 1, 2, 2}},
    {1024, 768, {620, 90, 900, 330}, {149, 20, 216, 73}},
    {1024, 768, {0, 0, 1920, 1200}, {0, 0, 461, 267}},
    {1024, 768, {1279, 1023, 1921, 1201}, {307, 228, 461, 267}},
    {1024, 768, {960, 600, 961, 601}, {231, 134, 231, 134}},
    {1024, 768, {17, 29, 1017, 739}, {4, 6, 244, 165}},
    {1024, 768, {-1, -1, 0, 0}, {0, 0, 0, 0}},
    {1024, 768, {250, 250, 251, 251}, {60, 56, 60, 56}},
    {1920, 1200, {0, 0, 1024, 768}, {0, 0, 131, 109}},
    {1920, 1200, {200, 150, 600, 450}, {26, 21, 77, 64}},
    {1920, 1200, {40, 60, 300, 260}, {5, 9, 38, 37}},
    {1920, 1200, {1, 1, 2, 2}, {0, 0, 0, 0}},
    {1920, 1200, {511, 383, 513, 385}, {65, 55, 66, 55}},
    {1920, 1200, {-8, -8, 1032, 776}, {-1, -1, 132, 111}},
    {1920, 1200, {-32000, -32000, -31840, -31973}, {-4100, -4560, -4079, -4556}},
    {1920, 1200, {1000, 700, 1400, 900}, {128, 100, 179, 128}},
    {1920, 1200, {3, 5, 7, 11}, {0, 1, 1, 2}},
    {1920, 1200, {620, 90, 900, 330}, {79, 13, 115, 47}},
    {1920, 1200, {0, 0, 1920, 1200}, {0, 0, 246, 171}},
    {1920, 1200, {1279, 1023, 1921, 1201}, {164, 146, 246, 171}},
    {1920, 1200, {960, 600, 961, 601}, {123, 85, 123, 86}},
    {1920, 1200, {17, 29, 1017, 739}, {2, 4, 130, 105}},
    {1920, 1200, {-1, -1, 0, 0}, {0, 0, 0, 0}},
    {1920, 1200, {250, 250, 251, 251}, {32, 36, 32, 36}},
    {1280, 1024, {0, 0, 1024, 768}, {0, 0, 197, 128}},
    {1280, 1024, {200, 150, 600, 450}, {38, 25, 115, 75}},
    {1280, 1024, {40, 60, 300, 260}, {8, 10, 58, 43}},
    {1280, 1024, {1, 1, 2, 2}, {0, 0, 0, 0}},
    {1280, 1024, {511, 383, 513, 385}, {98, 64, 99, 64}},
    {1280, 1024, {-8, -8, 1032, 776}, {-2, -1, 198, 130}},
    {1280, 1024, {-32000, -32000, -31840, -31973}, {-6150, -5344, -6119, -5339}},
    {1280, 1024, {1000, 700, 1400, 900}, {192, 117, 269, 150}},
    {1280, 1024, {3, 5, 7, 11}, {1, 1, 1, 2}},
    {1280, 1024, {620, 90, 900, 330}, {119, 15, 173, 55}},
    {1280, 1024, {0, 0, 1920, 1200}, {0, 0, 369, 200}},
    {1280, 1024, {1279, 1023, 1921, 1201}, {246, 171, 369, 201}},
    {1280, 1024, {960, 600, 961, 601}, {185, 100, 185, 100}},
    {1280, 1024, {17, 29, 1017, 739}, {3, 5, 195, 123}},
    {1280, 1024, {-1, -1, 0, 0}, {0, 0, 0, 0}},
    {1280, 1024, {250, 250, 251, 251}, {48, 42, 48, 42}},
};
// clang-format on

TEST(WindowMap, OnOneMonitorEveryWindowLandsWhereItAlwaysHas) {
    for (const OneMonitorCase& test : OneMonitorCases) {
        const MapScale scale = MeasureMap(247, 172, Rect{0, 0, test.width, test.height});
        const Rect& w = test.window;
        EXPECT_EQ(ToMapRect(test.window, scale), test.onMap)
            << test.width << " x " << test.height << ": " << w.left << ", " << w.top << ", " << w.right
            << ", " << w.bottom;
    }
}

TEST(WindowMap, TheScreensRightAndBottomEdgesLandOnTheBoxsLastPixelColumnAndRow) {
    const MapScale scale = MeasureMap(247, 172, Rect{0, 0, 1024, 768});
    EXPECT_EQ(scale.x, 246.0f / 1024);
    EXPECT_EQ(scale.y, 171.0f / 768);
    EXPECT_EQ(scale.origin, (Point{0, 0}));
    EXPECT_EQ(ToMapRect(Rect{0, 0, 1024, 768}, scale), (Rect{0, 0, 246, 171}));
    EXPECT_EQ(ToMapRect(Rect{200, 150, 600, 450}, scale), (Rect{48, 33, 144, 100}));
}

TEST(WindowMap, EachAxisScalesOnItsOwnAndProductsRoundHalvesToEven) {
    // Half a map pixel per screen pixel across, one down: 3 -> 1.5 -> 2, 5 -> 2.5 -> 2, -3 -> -1.5 -> -2.
    const MapScale scale = MeasureMap(11, 21, Rect{0, 0, 20, 20});
    EXPECT_EQ(scale.x, 0.5f);
    EXPECT_EQ(scale.y, 1.0f);
    EXPECT_EQ(ToMapRect(Rect{3, 7, 5, 9}, scale), (Rect{2, 7, 2, 9}));
    EXPECT_EQ(ToMapRect(Rect{-3, -7, 7, 0}, scale), (Rect{-2, -7, 4, 0}));
}

TEST(WindowMap, TheTwoMonitorDesktopFitsTheBoxFromItsLeftMonitorsEdgeToThePrimarysRight) {
    const MapScale scale = MeasureMap(247, 172, TwoMonitorDesktop);
    EXPECT_EQ(scale.x, 246.0f / 3200);
    EXPECT_EQ(scale.y, 171.0f / 1200);
    EXPECT_EQ(scale.origin, (Point{-1280, 0}));
    EXPECT_EQ(ToMapRect(TwoMonitorDesktop, scale), (Rect{0, 0, 246, 171}));
    // 1280 x 0.076875 = 98.4; 176 x 0.1425 = 25.08
    EXPECT_EQ(ToMapRect(LeftMonitor, scale), (Rect{0, 25, 98, 171}));
    EXPECT_EQ(ToMapRect(Primary, scale), (Rect{98, 0, 246, 171}));
    // A window on the left monitor: 80 x 0.076875 = 6.15, 680 x 0.076875 = 52.275, 300 x 0.1425 = 42.75,
    // 700 x 0.1425 = 99.75.
    EXPECT_EQ(ToMapRect(Rect{-1200, 300, -600, 700}, scale), (Rect{6, 43, 52, 100}));
    // One across the boundary: 1180 x 0.076875 = 90.7125, 1680 x 0.076875 = 129.15, 200 x 0.1425 = 28.5.
    EXPECT_EQ(ToMapRect(Rect{-100, 0, 400, 200}, scale), (Rect{91, 0, 129, 28}));
}

TEST(WindowMap, ADesktopAboveAndLeftOfThePrimaryShiftsEveryWindowByItsCorner) {
    // A monitor of 1024 x 512 above and left of a primary of 1024 x 512: an eighth of a map pixel a pixel.
    const MapScale scale = MeasureMap(257, 129, Rect{-1024, -512, 1024, 512});
    EXPECT_EQ(ToMapRect(Rect{-1024, -512, 0, 0}, scale), (Rect{0, 0, 128, 64}));
    EXPECT_EQ(ToMapRect(Rect{0, 0, 1024, 512}, scale), (Rect{128, 64, 256, 128}));
    // 126.5, 61.5, 129.5 and 66.5, each to the even neighbour
    EXPECT_EQ(ToMapRect(Rect{-12, -20, 12, 20}, scale), (Rect{126, 62, 130, 66}));
}

// Every small desktop anywhere near the origin, every box: its corners land on the box's first and last
// pixels, and a window moved with the desktop keeps its place on the map.
TEST(WindowMap, EverySmallDesktopFillsTheBoxWhereverItsCornerLies) {
    for (int32_t inner = 1; inner <= 24; ++inner) {
        for (int32_t length = 1; length <= 40; ++length) {
            for (int32_t start = -45; start <= 5; start += 5) {
                const MapScale scale =
                    MeasureMap(inner, inner, Rect{start, start - 3, start + length, start - 3 + length});
                const Rect corners =
                    ToMapRect(Rect{start, start - 3, start + length, start - 3 + length}, scale);
                ASSERT_EQ(corners, (Rect{0, 0, inner - 1, inner - 1}))
                    << inner << " " << length << " " << start;
                const MapScale atZero = MeasureMap(inner, inner, Rect{0, 0, length, length});
                for (int32_t offset = 0; offset <= length; ++offset) {
                    ASSERT_EQ(
                        ToMapRect(Rect{start + offset, start - 3, start + offset, start - 3}, scale).left,
                        ToMapRect(Rect{offset, 0, offset, 0}, atZero).left)
                        << inner << " " << length << " " << start << " " << offset;
                }
            }
        }
    }
}

TEST(WindowMap, ADesktopOrBoxOfNoSizeGivesAFlatMapRatherThanADivisionByZero) {
    const MapScale noDesktop = MeasureMap(247, 172, Rect{0, 0, 0, -5});
    EXPECT_EQ(noDesktop.x, 0.0f);
    EXPECT_EQ(noDesktop.y, 0.0f);
    const MapScale noBox = MeasureMap(0, 0, Rect{0, 0, 1024, 768});
    EXPECT_EQ(noBox.x, 0.0f);
    EXPECT_EQ(noBox.y, 0.0f);
    EXPECT_EQ(ToMapRect(Rect{-32000, -32000, 1024, 768}, noDesktop), (Rect{0, 0, 0, 0}));
}

TEST(WindowMap, TheWidestDesktopAndWindowsFarOffItNeitherOverflowNorWrap) {
    const Rect everything{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    const MapScale scale = MeasureMap(247, 172, everything);
    EXPECT_GT(scale.x, 0.0f);
    EXPECT_EQ(ToMapRect(everything, scale), (Rect{0, 0, 246, 171}));
    // A minimised window's place, far left of the rig's desktop, stays far left of the map.
    const Rect far =
        ToMapRect(Rect{INT32_MIN, INT32_MIN, -32000, -32000}, MeasureMap(247, 172, TwoMonitorDesktop));
    EXPECT_LT(far.left, 0);
    EXPECT_LT(far.right, 0);
    EXPECT_LT(far.bottom, 0);
}

TEST(MonitorOutlines, OneMonitorHasNoneAndSeveralHaveOneEachInMapPixels) {
    const MapScale scale = MeasureMap(247, 172, TwoMonitorDesktop);
    EXPECT_TRUE(MonitorOutlines({}, scale).empty());
    EXPECT_TRUE(MonitorOutlines({Primary}, MeasureMap(247, 172, Primary)).empty());
    EXPECT_EQ(MonitorOutlines({Primary, LeftMonitor}, scale),
              (std::vector<Rect>{Rect{98, 0, 246, 171}, Rect{0, 25, 98, 171}}));
}

TEST(MonitorOutlines, AreDrawnHalfwayBetweenTheBackgroundAndTheGreyText) {
    EXPECT_EQ(FaintOutlineColour(0xFFFFFF, 0x808080), 0xBFBFBFu);
    EXPECT_EQ(FaintOutlineColour(0x000000, 0xFFFFFF), 0x7F7F7Fu);
    EXPECT_EQ(FaintOutlineColour(0x0000FF, 0xFF0000), 0x7F007Fu);      // each channel on its own
    EXPECT_EQ(FaintOutlineColour(0x10203040, 0x00406080), 0x304860u);  // nothing above the three channels
}

TEST(MapHitTest, AClickOnTheLeftMonitorsPartOfTheMapFindsTheWindowAtNegativeCoordinates) {
    const MapScale scale = MeasureMap(247, 172, TwoMonitorDesktop);
    std::vector<WindowEntry> entries;
    for (const Rect& window : {Rect{-1200, 300, -600, 700}, Rect{200, 150, 600, 450}, LeftMonitor}) {
        const Rect onMap = ToMapRect(window, scale);
        entries.push_back(EntryAt(onMap.left, onMap.top, onMap.right, onMap.bottom, entries.size() + 1));
    }
    EXPECT_EQ(HitTestMap(entries, Point{6, 43}), 0u);    // the left window's top-left corner
    EXPECT_EQ(HitTestMap(entries, Point{52, 100}), 0u);  // and its bottom-right one
    EXPECT_EQ(HitTestMap(entries, Point{53, 100}), 2u);  // beside it, the window that fills that monitor
    EXPECT_EQ(HitTestMap(entries, Point{30, 20}), std::nullopt);  // above the left monitor: no monitor at all
    // The primary's window: 1480 x 0.076875 = 113.775, 150 x 0.1425 = 21.375.
    EXPECT_EQ(HitTestMap(entries, Point{114, 21}), 1u);
    EXPECT_EQ(HitTestMap(entries, Point{113, 21}), std::nullopt);
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
