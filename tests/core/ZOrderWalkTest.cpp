#include "tools/ZOrderWalk.h"

#include <gtest/gtest.h>

#include <map>

namespace dokkle {
namespace {

// A Z order given as "the window below each window".
std::vector<uintptr_t> Walk(const std::map<uintptr_t, uintptr_t>& below, uintptr_t top,
                            uintptr_t skipped = 0) {
    return WalkZOrder(
        top,
        [&](uintptr_t window) {
            const auto next = below.find(window);
            return next == below.end() ? uintptr_t{0} : next->second;
        },
        skipped);
}

TEST(ZOrderWalk, ListsTheWindowsFromTheTopDownWithoutTheSkippedOne) {
    const std::map<uintptr_t, uintptr_t> below = {{0x30, 0x10}, {0x10, 0x20}, {0x20, 0}};
    EXPECT_EQ(Walk(below, 0x30), (std::vector<uintptr_t>{0x30, 0x10, 0x20}));
    EXPECT_EQ(Walk(below, 0x30, 0x10), (std::vector<uintptr_t>{0x30, 0x20}));
    EXPECT_EQ(Walk(below, 0x30, 0x30), (std::vector<uintptr_t>{0x10, 0x20}));
}

TEST(ZOrderWalk, NoTopWindowGivesNoWindows) {
    EXPECT_TRUE(Walk({}, 0).empty());
}

TEST(ZOrderWalk, AnOrderThatTurnsBackOnItselfEndsTheWalkWithEachWindowOnce) {
    // The window that was on top has been moved below the one the walk stands on.
    const std::map<uintptr_t, uintptr_t> below = {{1, 2}, {2, 3}, {3, 1}};
    EXPECT_EQ(Walk(below, 1), (std::vector<uintptr_t>{1, 2, 3}));
    EXPECT_EQ(Walk(below, 1, 2), (std::vector<uintptr_t>{1, 3}));
    EXPECT_EQ(Walk({{7, 7}}, 7), (std::vector<uintptr_t>{7}));
}

}  // namespace
}  // namespace dokkle
