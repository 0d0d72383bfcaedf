#include "PinFixture.h"

#include <fstream>
#include <iostream>
#include <iterator>

#include "Screen.h"

namespace dokkle::e2e {

::testing::AssertionResult IsCentredOnWorkAreaUnderCursor(HWND window) {
    const RECT work = WorkAreaUnderCursor();
    const RECT bounds = RectOf(window);
    const LONG before[] = {bounds.left - work.left, bounds.top - work.top};
    const LONG after[] = {work.right - bounds.right, work.bottom - bounds.bottom};
    for (int axis = 0; axis < 2; ++axis) {
        const LONG extra = after[axis] - before[axis];
        if (before[axis] < 0 || extra < 0 || extra > 1) {
            return ::testing::AssertionFailure()
                   << "window (" << bounds.left << ", " << bounds.top << ")-(" << bounds.right << ", "
                   << bounds.bottom << ") on work area (" << work.left << ", " << work.top << ")-("
                   << work.right << ", " << work.bottom << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

std::string FileText(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void PinTest::SetUp() {
    MoveMouseTo(POINT{900, 700});
}

void PinTest::TearDown() {
    dokkle.reset();
    RemoveFolder(folder);
    // A killed carried pin leaves its hidden cursor behind; show it for the next case.
    while (ShowCursor(TRUE) < 0) {
    }
}

HWND PinTest::LaunchWithMouseAt(POINT point, POINT tip) {
    MoveMouseTo(point);
    dokkle = std::make_unique<DokkleProcess>(folder);
    HWND pin = nullptr;
    const bool hanging = WaitUntil([&] {
        const auto pins = dokkle->Pins();
        pin = pins.empty() ? nullptr : pins.front();
        return pin && PinHangsAt(pin, point, tip);
    });
    if (!hanging) {
        const POINT origin = pin ? PinOrigin(pin) : POINT{-1, -1};
        const POINT cursor = CursorPosition();
        const RECT bounds = pin ? RectOf(pin) : RECT{};
        ADD_FAILURE() << "the new pin does not hang at (" << point.x << ", " << point.y
                      << "): its corner is at (" << origin.x << ", " << origin.y << "), its size "
                      << bounds.right - bounds.left << " x " << bounds.bottom - bounds.top
                      << ", the cursor at (" << cursor.x << ", " << cursor.y << ")";
    }
    return pin;
}

HWND PinTest::PrickAt(POINT point, POINT tip) {
    // The framed window the click is meant for, looked up before a pin hangs over the point.
    HWND target = GetAncestor(WindowFromPoint(point), GA_ROOT);
    HWND pin = LaunchWithMouseAt(point, tip);
    LeftClickAt(point);
    if (!WaitUntil([&] { return pin && StuckInto(pin, target); })) {
        ADD_FAILURE() << "the pin was not stuck into the window under (" << point.x << ", " << point.y << ")";
    }
    return pin;
}

HWND PinTest::LaunchAnotherPinAt(POINT point) {
    MoveMouseTo(point);
    const size_t before = dokkle->Pins().size();
    DokkleProcess later(folder);
    EXPECT_TRUE(later.WaitForExit(8000));
    HWND pin = nullptr;
    const bool hanging = WaitUntil([&] {
        for (HWND candidate : dokkle->Pins()) {
            if (TitleOf(candidate) != MainPinTitle && PinHangsAt(candidate, point)) pin = candidate;
        }
        return dokkle->Pins().size() == before + 1 && pin != nullptr;
    });
    EXPECT_TRUE(hanging) << "no new pin hangs at (" << point.x << ", " << point.y << ")";
    return hanging ? pin : nullptr;
}

HWND PinTest::OpenMenuWindow() const {
    const auto menus = dokkle->VisibleWindowsOfClass(L"#32768");
    return menus.empty() ? nullptr : menus.front();
}

bool RetryOnce(const std::string& step, int attempt) {
    if (attempt == 0) {
        std::cout << "[ RETRY    ] " << step << "; given once more" << std::endl;
        return true;
    }
    ADD_FAILURE() << step << ", again after one retry";
    return false;
}

bool PinTest::OpenMenuOf(HWND pin) {
    // An injected click goes to the window on top in the X server, which can lag behind Wine's own
    // order for a moment; a click that reached the window below is given once more.
    for (int attempt = 0;; ++attempt) {
        WaitUntil([&] { return KnobOnScreen(pin); }, 2000);
        RightClickAt(KnobOf(pin));
        if (WaitUntil([&] { return OpenMenuWindow() != nullptr; }, 1000)) return true;
        if (!RetryOnce("a right-click on the pin opened no menu", attempt)) return false;
    }
}

void PinTest::ActivateOverItsPins(HWND target) {
    SetWindowPos(target, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetForegroundWindow(target);
}

bool PinTest::ShowPinOverTarget(HWND pin, HWND target) {
    const auto shown = [&] { return IsAbove(pin, target) && KnobOnScreen(pin); };
    if (WaitUntil(shown, 1000)) return true;
    // The X server, which no window manager orders here, can go on showing the target over the pin after
    // Wine has put the pin on top, and Wine restacks a window on the screen only when its place in the
    // order changes: the target is laid over its pin and activated, as a click on it would, and the
    // follow timer lays the pin over its active target again, on the screen too.
    std::cout << "[ RECOVER  ] the screen showed the target over its pin; activating the target" << std::endl;
    ActivateOverItsPins(target);
    return WaitUntil(shown);
}

bool PinTest::PullOutAndCarryTo(HWND pin, HWND target, POINT point) {
    // A press goes to the window the screen shows on top: one that reached the target below would leave
    // a pin pulled out by the next move waiting for a click of its own.
    if (!ShowPinOverTarget(pin, target)) {
        ADD_FAILURE() << "the screen does not show the pin over its target";
        return false;
    }
    const POINT knob = KnobOf(pin);
    MoveMouseTo(knob);
    LeftPress();
    const POINT pulled{knob.x + 1, knob.y};
    MoveMouseTo(pulled);
    // Each move waits for the last one to be taken, as under a hand: until the pulled pin has the capture
    // (it hangs on the cursor once it has), Wine routes a move to the window under the cursor, and the X
    // server's motion events, read late, can set the cursor back to where it was a moment ago.
    if (!WaitUntil([&] { return PinHangsAt(pin, pulled); }, 2000)) {
        ADD_FAILURE() << "the pressed and moved pin was not carried";
        return false;
    }
    return CarryTo(pin, point);
}

bool PinTest::CarryTo(HWND pin, POINT point) {
    for (int attempt = 0;; ++attempt) {
        MoveMouseTo(point);
        if (WaitUntil([&] { return PinHangsAt(pin, point); }, 1000)) return true;
        if (!RetryOnce("the carried pin did not follow the cursor", attempt)) return false;
        MoveMouseTo(POINT{point.x + 1, point.y});
    }
}

bool PinTest::ChooseFromMenu(HWND pin, const std::vector<WORD>& accessKeys) {
    if (!OpenMenuOf(pin)) return false;
    for (WORD key : accessKeys) PressKey(key);
    return WaitUntil([&] { return OpenMenuWindow() == nullptr; }, 2000);
}

bool PinTest::PinHangsAt(HWND pin, POINT point, POINT tip) {
    const POINT origin = PinOrigin(pin);
    return origin.x == point.x - tip.x && origin.y == point.y - tip.y;
}

bool PinTest::StuckInto(HWND pin, HWND target) {
    return IsTopmost(target) && CursorShowing() && IsAbove(pin, target);
}

POINT PinTest::PinOrigin(HWND pin) {
    const RECT bounds = RectOf(pin);
    return POINT{bounds.left, bounds.top};
}

POINT PinTest::KnobOf(HWND pin) {
    const POINT origin = PinOrigin(pin);
    return POINT{origin.x + StandardPrickedKnob.x, origin.y + StandardPrickedKnob.y};
}

bool PinTest::KnobOnScreen(HWND pin) {
    const POINT knob = KnobOf(pin);
    const Colour seen = Screenshot(RECT{knob.x, knob.y, knob.x + 1, knob.y + 1}).At(knob.x, knob.y);
    // The knob is red, whatever its shading: no window of the tests is.
    return seen.red > 100 && seen.red > 2 * seen.green && seen.red > 2 * seen.blue;
}

bool PinTest::CursorShowing() {
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    GetCursorInfo(&info);
    return (info.flags & CURSOR_SHOWING) != 0;
}

}  // namespace dokkle::e2e
