// The pricked pin's pop-up menu, driven with the right button and access keys.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

using PinMenu = PinTest;

TEST_F(PinMenu, PullingOutClosesThePinAndTheTargetLosesTopmost) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }, 1000));
    ASSERT_TRUE(ChooseFromMenu(pin, {'X'}));
    EXPECT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_FALSE(IsTopmost(target.Window()));
}

TEST_F(PinMenu, FixPositionSnapsADraggedTargetBackWithinOneTick) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    const RECT remembered = RectOf(target.Window());
    ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));

    SetWindowPos(target.Window(), nullptr, remembered.left + 70, remembered.top + 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const ULONGLONG moved = GetTickCount64();
    EXPECT_TRUE(WaitUntil([&] { return RectOf(target.Window()).left == remembered.left; }, 1000));
    EXPECT_LE(GetTickCount64() - moved, 250u);
    EXPECT_EQ(RectOf(target.Window()).top, remembered.top);
    EXPECT_EQ(RectOf(target.Window()).right, remembered.right);
}

}  // namespace
}  // namespace dokkle::e2e
