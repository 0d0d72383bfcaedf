// The pricked pin's pop-up menu, driven with the right button and access keys.
#include <algorithm>
#include <vector>

#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

using PinMenu = PinTest;

TEST_F(PinMenu, PullingOutClosesThePinAndTheTargetLosesTopmost) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }));
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
    EXPECT_TRUE(WaitUntil([&] { return RectOf(target.Window()).left == remembered.left; }));
    EXPECT_LE(GetTickCount64() - moved, 250u);
    EXPECT_EQ(RectOf(target.Window()).top, remembered.top);
    EXPECT_EQ(RectOf(target.Window()).right, remembered.right);
}

}  // namespace
}  // namespace dokkle::e2e

namespace dokkle::e2e {
namespace {

TEST_F(PinMenu, FixSizePutsAResizedTargetBackAndBothFixesRestoreTheWholeRectangleAtOnce) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    const RECT remembered = RectOf(target.Window());
    ASSERT_TRUE(ChooseFromMenu(pin, {'S'}));
    SetWindowPos(target.Window(), nullptr, 0, 0, 250, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(target.Window()).right == remembered.right; }));
    EXPECT_EQ(RectOf(target.Window()).bottom, remembered.bottom);

    // The user activates the target, and the pin stays above it.
    LeftClickAt(POINT{remembered.left + 40, remembered.top + 80});
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == target.Window(); }));
    ASSERT_TRUE(WaitUntil([&] { return IsAbove(pin, target.Window()); }));
    ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));
    SetWindowPos(target.Window(), nullptr, 20, 30, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT seen{};
    ASSERT_TRUE(WaitUntil([&] {
        seen = RectOf(target.Window());
        return seen.left != 20 || seen.right != 320;
    }));
    // The first change seen is already the whole remembered rectangle: one call put it back.
    EXPECT_TRUE(EqualRect(&seen, &remembered));
}

TEST_F(PinMenu, SwitchingAFixOffAndOnRemembersTheRectangleAnew) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));
    ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));  // off again: the window may move freely
    const RECT first = RectOf(target.Window());
    SetWindowPos(target.Window(), nullptr, first.left + 60, first.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessagesFor(400);  // a few ticks, at which the window must not be put back
    EXPECT_EQ(RectOf(target.Window()).left, first.left + 60);

    ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));  // on: the new place is remembered
    SetWindowPos(target.Window(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(target.Window()).left == first.left + 60; }));
    EXPECT_EQ(RectOf(target.Window()).top, first.top + 30);
}

TEST_F(PinMenu, TheChildOptionRepricksIntoTheButtonUnderTheTipAndBack) {
    TargetOptions options;
    options.withButton = true;
    TargetProcess target(options);
    HWND pin = PrickAt(target.ButtonCentre());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }));

    ASSERT_TRUE(ChooseFromMenu(pin, {'C'}));
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.Window()); }));
    // Stuck into the button itself: moving the button moves the pin.
    const POINT before = PinOrigin(pin);
    RECT button = RectOf(target.Button());
    MapWindowPoints(nullptr, target.Window(), reinterpret_cast<POINT*>(&button), 2);
    SetWindowPos(target.Button(), nullptr, button.left + 25, button.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(WaitUntil([&] { return PinOrigin(pin).x == before.x + 25; }));

    ASSERT_TRUE(ChooseFromMenu(pin, {'C'}));
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }));
}

TEST_F(PinMenu, AModifierHeldWhenTheMenuOpenedSwitchesTheChildOptionBackOnWhenItIsTurnedOff) {
    TargetOptions options;
    options.withButton = true;
    TargetProcess target(options);
    HWND pin = PrickAt(target.ButtonCentre(), StandardTip);
    ASSERT_TRUE(ChooseFromMenu(pin, {'C'}));  // on: stuck into the button
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.Window()); }));

    // Opened with Ctrl held: the last mouse event on the pin carries the modifier.
    const POINT knob = KnobOf(pin);
    MoveMouseTo(knob);
    INPUT inputs[4]{};
    inputs[0].type = inputs[3].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[3].ki.wVk = VK_CONTROL;
    inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[1].type = inputs[2].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(4, inputs, sizeof(INPUT));
    ASSERT_TRUE(WaitUntil([&] { return OpenMenuWindow() != nullptr; }));
    PressKey('C');  // off, but the re-prick sees Ctrl and switches it on again
    ASSERT_TRUE(WaitUntil([&] { return OpenMenuWindow() == nullptr; }));
    PumpMessagesFor(300);                      // a while in which the framed window must not become topmost
    EXPECT_FALSE(IsTopmost(target.Window()));  // still stuck into the button, not its framed window
}

TEST_F(PinMenu, TheVersionBoxShowsTheVersionLegalNoticeAndHotkeyWithTheTargetNotTopmostMeanwhile) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(OpenMenuOf(pin));
    PressKey('V');
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto boxes = dokkle->VisibleWindowsOfClass(L"#32770");
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    }));
    EXPECT_EQ(TitleOf(box), L"Dokkle");
    EXPECT_FALSE(IsTopmost(target.Window()));
    const auto texts = TextsOf(box);
    // The hotkey in use closes the text.
    const std::wstring expected = L"Dokkle - バージョン " DOKKLE_VERSION_TEXT
                                  L"\r\nCopyright (C) 2026 The Dokkle developers. Free to use, copy and change."
                                  L"\r\nホットキー : Ctrl+Alt+P";
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end());

    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }));
}

}  // namespace
}  // namespace dokkle::e2e
