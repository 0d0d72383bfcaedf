#include "tools/frmWindowInfoLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "InLanguage.h"

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

TEST(WindowInfoLayout, EveryControlLiesInsideTheClientAreaInEitherLanguage) {
    for (Language language : {Language::Japanese, Language::English}) {
        testing::InLanguage inLanguage(language);
        for (const PlacedControl& control : LayOut(15, 15)) {
            EXPECT_GE(control.pixels.left, 0) << control.id;
            EXPECT_GE(control.pixels.top, 0) << control.id;
            EXPECT_LE(control.pixels.left + control.pixels.width, ClientWidthTwips / 15) << control.id;
            EXPECT_LE(control.pixels.top + control.pixels.height, ClientHeightTwips / 15) << control.id;
        }
    }
}

TEST(WindowInfoLayout, InEnglishThePriorityListTakesRoomFromItsShorterLabel) {
    testing::InLanguage english(Language::English);
    // Process frame 6675, 4575; its panel 75, 225; the label 0, 150, 1065 wide; the list 1125, 75, 1440.
    EXPECT_EQ(PixelsOf(lblPriority, 15), (Bounds{450, 330, 71, 16}));
    EXPECT_EQ(PixelsOf(cmbProcessPriority, 15), (Bounds{525, 325, 96, 20}));
    // The apply button after it stays where it is: 6675 + 75 + 2625.
    EXPECT_EQ(PixelsOf(cmdChangePriority, 15), (Bounds{625, 325, 41, 21}));
}

bool Overlap(const Bounds& a, const Bounds& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// The design lets a few controls touch (the "x" between the size boxes, the frames around their
// contents); English adds no overlap of its own, at 96 and at 192 dots per inch.
TEST(WindowInfoLayout, EnglishOverlapsNoControlsTheDesignKeepsApart) {
    for (double twipsPerPixel : {15.0, 7.5}) {
        const std::vector<PlacedControl> japanese = LayOut(twipsPerPixel, twipsPerPixel);
        testing::InLanguage english(Language::English);
        const std::vector<PlacedControl> englishControls = LayOut(twipsPerPixel, twipsPerPixel);
        ASSERT_EQ(englishControls.size(), japanese.size());
        for (size_t a = 0; a < japanese.size(); ++a) {
            for (size_t b = a + 1; b < japanese.size(); ++b) {
                if (!Overlap(englishControls[a].pixels, englishControls[b].pixels)) continue;
                EXPECT_TRUE(Overlap(japanese[a].pixels, japanese[b].pixels))
                    << englishControls[a].id << " and " << englishControls[b].id << " at " << twipsPerPixel;
            }
        }
    }
}

}  // namespace
}  // namespace dokkle::frmWindowInfoLayout
