#include "pin/MouseArguments.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

TEST(MouseArguments, ButtonsAreLeftOneRightTwoMiddleFourAdded) {
    EXPECT_EQ(ButtonsHeld(0), 0);
    EXPECT_EQ(ButtonsHeld(MouseKeys::LeftButton), 1);
    EXPECT_EQ(ButtonsHeld(MouseKeys::RightButton), 2);
    EXPECT_EQ(ButtonsHeld(MouseKeys::MiddleButton), 4);
    EXPECT_EQ(ButtonsHeld(MouseKeys::LeftButton | MouseKeys::RightButton), 3);
    EXPECT_EQ(ButtonsHeld(MouseKeys::LeftButton | MouseKeys::ShiftKey | MouseKeys::ControlKey), 1);
}

TEST(MouseArguments, ModifiersAreShiftOneCtrlTwoAltFourAdded) {
    EXPECT_EQ(ModifiersHeld(MouseKeys::LeftButton, false), 0);
    EXPECT_EQ(ModifiersHeld(MouseKeys::ShiftKey, false), 1);
    EXPECT_EQ(ModifiersHeld(MouseKeys::ControlKey, false), 2);
    EXPECT_EQ(ModifiersHeld(0, true), 4);
    EXPECT_EQ(ModifiersHeld(MouseKeys::ShiftKey | MouseKeys::ControlKey, true), 7);
}

}  // namespace
}  // namespace dokkle
