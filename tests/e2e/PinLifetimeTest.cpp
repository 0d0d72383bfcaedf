// A pin closed by another program while one of its own handlers waits for that program: the handler
// stops there, and nothing of what it was about to do happens to a pin that is gone.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

class PinLifetime : public PinTest {
  protected:
    // The target closes every pin the moment a pin takes its topmost state away, while that pin still
    // waits in the call that does it.
    static TargetOptions ClosingTarget() {
        TargetOptions options;
        options.closePinsWhenUnpinned = true;
        return options;
    }
};

TEST_F(PinLifetime, ARepickAfterTheChildOptionChangesTouchesNoOtherWindowOnceThePinIsGone) {
    // A window under the screen's top-left corner, where a pin that is gone would have its tip.
    TargetOptions cornerOptions;
    cornerOptions.title = L"Corner";
    cornerOptions.bounds = RECT{0, 0, 180, 130};
    TargetProcess corner(cornerOptions);
    TargetProcess target(ClosingTarget());
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }));

    ASSERT_TRUE(OpenMenuOf(pin));
    PressKey('C');
    ASSERT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_FALSE(IsTopmost(corner.Window()));
    EXPECT_NE(GetForegroundWindow(), corner.Window());
    EXPECT_FALSE(IsTopmost(target.Window()));
}

TEST_F(PinLifetime, APullThatClosesThePinLeavesTheCursorShown) {
    TargetOptions otherOptions;
    otherOptions.bounds = RECT{560, 150, 960, 450};
    TargetOptions closingOptions = ClosingTarget();
    closingOptions.bounds = RECT{60, 150, 460, 450};
    TargetProcess other(otherOptions), closing(closingOptions);
    // A second pin keeps the process, and its cursor state, alive.
    HWND stays = PrickAt(other.FreePoint());
    HWND pin = LaunchAnotherPinAt(closing.FreePoint());
    ASSERT_NE(pin, nullptr);
    LeftClickAt(closing.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(closing.Window()) && CursorShowing(); }));

    const POINT knob = KnobOf(pin);
    MoveMouseTo(knob);
    LeftPress();
    MoveMouseTo(POINT{knob.x + 1, knob.y});
    const bool closed = dokkle->WaitForPinCount(1, 3000);
    LeftRelease();
    ASSERT_TRUE(closed);
    // The cursor shown is that of the foreground thread: make it Dokkle's by clicking its other pin.
    LeftClickAt(KnobOf(stays));
    EXPECT_TRUE(WaitUntil([&] { return CursorShowing(); }));
    EXPECT_TRUE(dokkle->IsRunning());
    EXPECT_FALSE(IsTopmost(closing.Window()));
}

TEST_F(PinLifetime, TheVersionCommandOfAPinClosedMeanwhileLeavesItsTargetNotTopmost) {
    TargetProcess target(ClosingTarget());
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }));

    ASSERT_TRUE(OpenMenuOf(pin));
    PressKey('V');
    ASSERT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_FALSE(IsTopmost(target.Window()));
}

}  // namespace
}  // namespace dokkle::e2e
