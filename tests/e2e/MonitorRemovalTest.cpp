// Unplugging the left monitor while pins stand on it and one is carried there, and plugging it in again.
#include "LocalWindow.h"
#include "MonitorRig.h"

namespace dokkle::e2e {
namespace {

using MultiMonitorRemoval = MonitorRigTest;

POINT Corner(HWND window) {
    const RECT bounds = RectOf(window);
    return POINT{bounds.left, bounds.top};
}

// Where a pin stands on its target: its corner less the target's.
POINT PlaceOn(HWND pin, HWND target) {
    const POINT pinCorner = Corner(pin);
    const POINT targetCorner = Corner(target);
    return POINT{pinCorner.x - targetCorner.x, pinCorner.y - targetCorner.y};
}

bool Same(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

TEST_F(MultiMonitorRemoval, PinsKeepTheirTargetsAndTheCarriedPinItsCursorWhenTheLeftMonitorGoesAndComesBack) {
    TargetOptions leftOptions, primaryOptions;
    leftOptions.title = L"Left";
    leftOptions.bounds = RECT{-1100, 400, -500, 800};
    primaryOptions.title = L"Primary";
    primaryOptions.bounds = RECT{200, 300, 800, 700};
    TargetProcess left(leftOptions);
    TargetProcess primary(primaryOptions);
    HWND leftPin = PrickAt(left.FreePoint());
    const POINT leftTip = left.FreePoint();
    const POINT leftPlace = PlaceOn(leftPin, left.Window());
    HWND primaryPin = LaunchAnotherPinAt(primary.FreePoint());
    ASSERT_NE(primaryPin, nullptr);
    LeftClickAt(primary.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(primaryPin, primary.Window()); }));
    const POINT primaryTip = primary.FreePoint();
    HWND carried = LaunchAnotherPinAt(POINT{-300, 900});
    ASSERT_NE(carried, nullptr);

    ASSERT_TRUE(UnplugLeftMonitor());
    // The cursor is put back on the primary; the carried pin hangs on it there.
    EXPECT_TRUE(WaitUntil([&] { return OnAMonitor(CursorPosition()); })) << CursorPosition().x;
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(carried, CursorPosition()); }));
    // The pins stay with their targets wherever the system leaves them, for tick after tick.
    PumpMessagesFor(500);
    EXPECT_TRUE(Same(PlaceOn(leftPin, left.Window()), leftPlace));
    EXPECT_TRUE(PinHangsAt(primaryPin, primaryTip));
    // The left target brought onto the primary, as Windows does with the windows of an unplugged
    // monitor: its pin comes along, to the pixel, and stands on a monitor again.
    SetWindowPos(left.Window(), nullptr, 1100, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const POINT movedTip{leftTip.x + 2200, leftTip.y};
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(leftPin, movedTip); }))
        << "pin at " << Describe(RectOf(leftPin)) << ", target at " << Describe(RectOf(left.Window()));
    EXPECT_TRUE(OnAMonitor(movedTip));
    const POINT cursorNow{1500, 1000};
    MoveMouseTo(cursorNow);
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(carried, cursorNow); }));

    // Plugged in again: no pricked pin moves; the carried one stays on the cursor, wherever that goes.
    ASSERT_TRUE(PlugInLeftMonitor());
    PumpMessagesFor(500);
    EXPECT_TRUE(PinHangsAt(leftPin, movedTip)) << "pin at " << Describe(RectOf(leftPin));
    EXPECT_TRUE(PinHangsAt(primaryPin, primaryTip)) << "pin at " << Describe(RectOf(primaryPin));
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(carried, CursorPosition()); }));
    MoveMouseTo(POINT{-700, 1000});
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(carried, POINT{-700, 1000}); }));
}

TEST_F(MultiMonitorRemoval, APinLeftWithItsTargetOffEveryMonitorFollowsItBackWhenTheMonitorReturns) {
    TargetOptions options;
    options.bounds = RECT{-1100, 400, -500, 800};
    TargetProcess target(options);
    HWND pin = PrickAt(target.FreePoint());
    const POINT tip = target.FreePoint();

    ASSERT_TRUE(UnplugLeftMonitor());
    PumpMessagesFor(500);
    // Moved while its monitor is away, as a program may move its own window.
    SetWindowPos(target.Window(), nullptr, -1000, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(pin, POINT{tip.x + 100, tip.y + 100}); }));
    ASSERT_TRUE(PlugInLeftMonitor());
    PumpMessagesFor(500);
    EXPECT_TRUE(PinHangsAt(pin, POINT{tip.x + 100, tip.y + 100})) << "pin at " << Describe(RectOf(pin));
    EXPECT_TRUE(OnAMonitor(POINT{tip.x + 100, tip.y + 100}));
}

}  // namespace
}  // namespace dokkle::e2e
