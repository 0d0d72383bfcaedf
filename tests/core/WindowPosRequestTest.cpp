#include "common/WindowPosRequest.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

// Hand-worked cases, each a pair of calls made in a row and the one call that has their effect.
struct CombineCase {
    const char* name;
    WindowPosRequest earlier, later, combined;
};

// clang-format off
const CombineCase CombineCases[] = {
    {"a later move and size replace the earlier",
     {0, 10, 20, 300, 200, 0x0014}, {0, 30, 40, 500, 400, 0x0014}, {0, 30, 40, 500, 400, 0x0014}},
    {"a move only keeps the earlier size",
     {0, 10, 20, 300, 200, 0x0014}, {0, 30, 40, 0, 0, 0x0015}, {0, 30, 40, 300, 200, 0x0014}},
    {"a size only keeps the earlier place",
     {0, 10, 20, 300, 200, 0x0014}, {0, 0, 0, 500, 400, 0x0016}, {0, 10, 20, 500, 400, 0x0014}},
    {"neither moves nor sizes",
     {-1, 0, 0, 0, 0, 0x0003}, {-2, 0, 0, 0, 0, 0x0003}, {-2, 0, 0, 0, 0, 0x0003}},
    {"the fixes' raise after a change of band keeps the band",
     {-2, 0, 0, 0, 0, 0x0003}, {0, 100, 100, 400, 300, 0x0010}, {-2, 100, 100, 400, 300, 0x0000}},
    {"the fixes' raise after leaving the z-order alone raises",
     {0, 0, 0, 0, 0, 0x0057}, {0, 100, 100, 0, 0, 0x0011}, {0, 100, 100, 0, 0, 0x0051}},
    {"a change of band after a raise changes the band",
     {0, 100, 100, 0, 0, 0x0011}, {-1, 0, 0, 0, 0, 0x0003}, {-1, 100, 100, 0, 0, 0x0001}},
    {"a later call that leaves the z-order alone keeps the earlier change of band",
     {-1, 0, 0, 0, 0, 0x0003}, {0, 5, 6, 0, 0, 0x0015}, {-1, 5, 6, 0, 0, 0x0001}},
    {"raise after raise",
     {0, 1, 2, 0, 0, 0x0011}, {0, 3, 4, 0, 0, 0x0011}, {0, 3, 4, 0, 0, 0x0011}},
    {"a later hide wins over an earlier show",
     {0, 0, 0, 0, 0, 0x0057}, {0, 0, 0, 0, 0, 0x0097}, {0, 0, 0, 0, 0, 0x0097}},
    {"an earlier show stands when the later call does not say",
     {0, 0, 0, 0, 0, 0x0047}, {-1, 0, 0, 0, 0, 0x0013}, {-1, 0, 0, 0, 0, 0x0043}},
    {"activating later activates",
     {0, 1, 2, 0, 0, 0x0015}, {-2, 0, 0, 0, 0, 0x0003}, {-2, 1, 2, 0, 0, 0x0001}},
    {"other flags of either are kept",
     {0, 1, 2, 0, 0, 0x0215}, {0, 0, 0, 0, 0, 0x0017 | 0x0008}, {0, 1, 2, 0, 0, 0x021D}},
};
// clang-format on

TEST(WindowPosRequest, TwoCallsInARowCombineIntoOneWithTheirEffect) {
    for (const CombineCase& row : CombineCases) {
        EXPECT_EQ(Combine(row.earlier, row.later), row.combined) << row.name;
    }
}

}  // namespace
}  // namespace dokkle
