#include "tools/frmWindowInfoLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dokkle::frmWindowInfoLayout {
namespace {

Bounds PixelsOf(ControlId id, double twipsPerPixel) {
    const auto controls = LayOut(twipsPerPixel, twipsPerPixel);
    const auto found =
        std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.id == id; });
    EXPECT_NE(found, controls.end());
    return found == controls.end() ? Bounds{} : found->pixels;
}

TEST(WindowInfoLayout, ControlsInsidePanelsInsideFramesAddTheirContainersPlaces) {
    // Window frame 6675, 675; its panel 75, 225; the button 75, 75: 6825, 975 twips.
    EXPECT_EQ(PixelsOf(cmdTopmost, 15), (Bounds{455, 65, 131, 26}));
    // Process frame 6675, 4575; its panel 75, 225; the list 1575, 75.
    EXPECT_EQ(PixelsOf(cmbProcessPriority, 15), (Bounds{555, 325, 66, 20}));
    // Information frame 150, 675; its panel 75, 225; the report 75, 75.
    EXPECT_EQ(PixelsOf(txtInfo, 15), (Bounds{20, 65, 406, 336}));
    EXPECT_EQ(PixelsOf(cmdClose, 15), (Bounds{580, 415, 96, 26}));
    EXPECT_EQ(PixelsOf(fraWindow, 15), (Bounds{445, 45, 231, 251}));
}

TEST(WindowInfoLayout, EachContainerIsRoundedOnItsOwnAtOtherResolutions) {
    // 12 twips a pixel: 6675 -> 556, 75 -> 6, 75 -> 6 (the sum of twips would give 569).
    EXPECT_EQ(PixelsOf(cmdTopmost, 12).left, 568);
}

// The order itself is checked end to end, by what the user sees as Tab moves the focus.
TEST(WindowInfoLayout, TheTwentyFourControlsThatTakeTheFocusComeFirst) {
    const auto controls = LayOut(15, 15);
    const auto takesNoFocus = [](const PlacedControl& control) {
        return control.kind == Kind::Frame || control.kind == Kind::Label ||
               control.kind == Kind::RightLabel || control.kind == Kind::CentredLabel;
    };
    // 21 operations (Tab 0 to 20), then the close button, the report and the refresh button.
    ASSERT_EQ(controls.size(), 34u);
    for (size_t index = 0; index < controls.size(); ++index)
        EXPECT_EQ(takesNoFocus(controls[index]), index >= 24) << controls[index].id;
}

TEST(WindowInfoLayout, EveryControlLiesInsideTheClientArea) {
    for (const PlacedControl& control : LayOut(15, 15)) {
        EXPECT_GE(control.pixels.left, 0) << control.id;
        EXPECT_GE(control.pixels.top, 0) << control.id;
        EXPECT_LE(control.pixels.left + control.pixels.width, ClientWidthTwips / 15) << control.id;
        EXPECT_LE(control.pixels.top + control.pixels.height, ClientHeightTwips / 15) << control.id;
    }
}

}  // namespace
}  // namespace dokkle::frmWindowInfoLayout
