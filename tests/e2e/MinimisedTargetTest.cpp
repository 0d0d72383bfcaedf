// A minimised target: its pin hides meanwhile and comes back to its place when the target is restored.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

using MinimisedTarget = PinTest;

POINT OffsetOf(HWND pin, HWND target) {
    const RECT pinBounds = RectOf(pin);
    const RECT targetBounds = RectOf(target);
    return POINT{pinBounds.left - targetBounds.left, pinBounds.top - targetBounds.top};
}

TEST_F(MinimisedTarget, ThePinHidesMeanwhileAndIsBackInItsPlaceWhenTheTargetIsRestored) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    const RECT normal = RectOf(target.Window());
    const POINT offset = OffsetOf(pin, target.Window());

    // What the caption's minimise button does. A minimised window's rectangle is its icon's: on Windows
    // far off the screen, under Wine without a window manager a 160 x 24 strip in the bottom-left corner.
    PostMessageW(target.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(target.Window()) != FALSE; }));
    const RECT minimised = RectOf(target.Window());
    EXPECT_LT(minimised.right - minimised.left, normal.right - normal.left);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(pin); }));
    // A few ticks with the target minimised, at which the pin must stay hidden.
    PumpMessagesFor(400);
    EXPECT_FALSE(IsWindowVisible(pin));
    EXPECT_TRUE(dokkle->IsRunning());

    PostMessageW(target.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(target.Window()); }));
    const RECT restored = RectOf(target.Window());
    EXPECT_TRUE(EqualRect(&restored, &normal));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(pin) != FALSE; }));
    const POINT after = OffsetOf(pin, target.Window());
    EXPECT_EQ(after.x, offset.x);
    EXPECT_EQ(after.y, offset.y);
    EXPECT_TRUE(WaitUntil([&] { return IsAbove(pin, target.Window()); }));
}

}  // namespace
}  // namespace dokkle::e2e
