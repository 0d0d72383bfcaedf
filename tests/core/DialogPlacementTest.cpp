#include "common/DialogPlacement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace dokkle {
namespace {

struct PlacementCase {
    const char* name;
    Rect workArea;
    int32_t width, height;
    Point expected;
};

// clang-format off
const PlacementCase PlacementCases[] = {
    {"centred above a taskbar at the bottom",     {0, 0, 1024, 728},        400, 300, {312, 214}},
    {"centred beside a taskbar on the left",      {60, 0, 1280, 1024},      500, 400, {420, 312}},
    {"on a monitor left of the primary one",      {-1280, 0, 0, 1024},      400, 300, {-840, 362}},
    {"on a monitor above the primary one",        {0, -768, 1024, -40},     400, 300, {312, -554}},
    {"an odd pixel left over goes after it",      {0, 0, 101, 51},          50, 20, {25, 15}},
    {"exactly as large as the work area",         {10, 20, 410, 320},       400, 300, {10, 20}},
    {"too wide: left edge at the work area's",    {0, 0, 800, 600},         900, 300, {0, 150}},
    {"too tall: top edge at the work area's",     {-1280, 0, 0, 1024},      400, 1100, {-840, 0}},
    {"too large both ways: top-left corner",      {100, 50, 740, 530},      800, 600, {100, 50}},
    {"a negative size counts as none",            {0, 0, 100, 100},         -20, -1, {50, 50}},
    {"an empty work area takes its corner",       {30, 40, 30, 40},         10, 10, {30, 40}},
    {"a work area as wide as the whole range",
     {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min(),
      std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()},
     1, 2, {-1, -2}},
};
// clang-format on

TEST(DialogPlacement, Cases) {
    for (const PlacementCase& test : PlacementCases) {
        EXPECT_EQ(PlaceDialog(test.workArea, test.width, test.height), test.expected) << test.name;
    }
}

// Every small work area and size along one axis (the other shares the rule): a dialog that fits lies
// wholly inside, with the space before and after it equal or one pixel more after; one that does not
// fit starts at the work area's start.
TEST(DialogPlacement, EverySmallCaseFitsInsideCentredOrStartsAtTheEdge) {
    for (int32_t start = -4; start <= 4; ++start) {
        for (int32_t room = 0; room <= 12; ++room) {
            const int32_t end = start + room;
            for (int32_t size = 0; size <= 14; ++size) {
                const Point corner = PlaceDialog(Rect{start, -7, end, -7 + room}, size, size);
                ASSERT_EQ(corner.x, corner.y + 7 + start) << start << " " << room << " " << size;
                if (size > room) {
                    EXPECT_EQ(corner.x, start) << start << " " << room << " " << size;
                    continue;
                }
                const int32_t before = corner.x - start;
                const int32_t after = end - (corner.x + size);
                EXPECT_GE(before, 0) << start << " " << room << " " << size;
                EXPECT_GE(after, 0) << start << " " << room << " " << size;
                EXPECT_TRUE(after == before || after == before + 1) << start << " " << room << " " << size;
            }
        }
    }
}

}  // namespace
}  // namespace dokkle
