// The pin stays above the window it marks, and that window stays on top while any pin is in it.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

using PinZOrder = PinTest;

TargetOptions TargetAt(const wchar_t* title, RECT bounds) {
    TargetOptions options;
    options.title = title;
    options.bounds = bounds;
    return options;
}

TEST_F(PinZOrder, AFixPuttingBackAnInactiveTargetLeavesThePinAboveIt) {
    TargetProcess target(TargetAt(L"Marked", RECT{60, 100, 460, 400}));
    TargetProcess other(TargetAt(L"Other", RECT{560, 100, 900, 400}));
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));
    const RECT remembered = RectOf(target.Window());
    LeftClickAt(other.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.Window(); }));
    ASSERT_TRUE(IsAbove(pin, target.Window()));

    SetWindowPos(target.Window(), nullptr, remembered.left + 70, remembered.top + 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return RectOf(target.Window()).left == remembered.left; }));
    EXPECT_TRUE(WaitUntil([&] { return IsAbove(pin, target.Window()); }));
    EXPECT_EQ(GetForegroundWindow(), other.Window());
}

TEST_F(PinZOrder, TheWindowStaysTopmostUntilItsLastPinIsPulledOutOrClosed) {
    TargetProcess target(TargetAt(L"Marked", RECT{60, 100, 460, 400}));
    TargetProcess other(TargetAt(L"Other", RECT{560, 100, 900, 400}));
    HWND first = PrickAt(target.FreePoint());
    HWND second = LaunchAnotherPinAt(POINT{140, 200});
    ASSERT_NE(second, nullptr);
    LeftClickAt(POINT{140, 200});
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(second, target.Window()); }));
    HWND third = LaunchAnotherPinAt(POINT{240, 200});
    ASSERT_NE(third, nullptr);
    LeftClickAt(POINT{240, 200});
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(third, target.Window()); }));

    // Each pin stuck in made the window active, and the pins already in it rise above it at their next tick.
    ASSERT_TRUE(
        WaitUntil([&] { return IsAbove(first, target.Window()) && IsAbove(second, target.Window()); }));

    // The first is pulled out and stuck into the other window.
    EXPECT_TRUE(PullOutAndCarryTo(first, target.Window(), other.FreePoint()));
    LeftRelease();
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(other.Window()); }));
    EXPECT_TRUE(IsTopmost(target.Window()));

    // Its unload step has run once its window is gone.
    ASSERT_TRUE(WaitUntil([&] { return KnobOnScreen(second); }));
    LeftDoubleClickAt(KnobOf(second));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(second); }));
    EXPECT_TRUE(IsTopmost(target.Window()));

    ASSERT_TRUE(WaitUntil([&] { return KnobOnScreen(third); }));
    LeftDoubleClickAt(KnobOf(third));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(third); }));
    EXPECT_FALSE(IsTopmost(target.Window()));
    EXPECT_TRUE(IsTopmost(other.Window()));
}

TEST_F(PinZOrder, APinInAChildWindowDoesNotKeepItsFramedWindowOnTop) {
    TargetOptions options = TargetAt(L"Framed", RECT{60, 100, 460, 400});
    options.withButton = true;
    TargetProcess target(options);
    HWND framed = PrickAt(target.FreePoint());
    // The second is stuck into the button itself, which makes nothing topmost.
    HWND inButton = LaunchAnotherPinAt(target.ButtonCentre());
    ASSERT_NE(inButton, nullptr);
    LeftClickAt(target.ButtonCentre(), {VK_SHIFT});
    ASSERT_TRUE(WaitUntil([&] { return CursorShowing() && !IsTopmost(target.Button()); }));
    ASSERT_TRUE(IsTopmost(target.Window()));

    // The window's only pin closes: nothing keeps the window on top any more.
    ASSERT_TRUE(ShowPinOverTarget(framed, target.Window()));
    LeftDoubleClickAt(KnobOf(framed));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(framed); }));
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.Window()); }));
    EXPECT_TRUE(IsWindow(inButton));
}

}  // namespace
}  // namespace dokkle::e2e
