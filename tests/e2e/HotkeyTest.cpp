// The hotkey that pins the active window: pressed as a user presses it, with another program's window
// in front.
#include <algorithm>

#include "LocalWindow.h"
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

const std::vector<WORD> CtrlAltP{VK_CONTROL, VK_MENU, 'P'};
const std::vector<WORD> CtrlShiftF12{VK_CONTROL, VK_SHIFT, VK_F12};

class Hotkey : public PinTest {
  protected:
    void SetUp() override {
        PinTest::SetUp();
        TargetOptions first, second, third;
        first.title = L"First";
        first.bounds = RECT{20, 150, 340, 450};
        second.title = L"Second";
        second.bounds = RECT{360, 150, 680, 450};
        third.title = L"Third";
        third.bounds = RECT{700, 150, 1000, 450};
        targets.push_back(std::make_unique<TargetProcess>(first));
        targets.push_back(std::make_unique<TargetProcess>(second));
        targets.push_back(std::make_unique<TargetProcess>(third));
    }

    void UseSetting(const std::wstring& combination) {
        WritePrivateProfileStringW(L"Hotkey", L"PinActiveWindow", combination.c_str(),
                                   (folder + L"Dokkle.ini").c_str());
    }

    // Starts Dokkle with its main pin stuck into the first target.
    HWND StartWithMainPin() { return PrickAt(targets[0]->FreePoint()); }

    bool Activate(const TargetProcess& target) {
        LeftClickAt(target.FreePoint());
        return WaitUntil([&] { return GetForegroundWindow() == target.Window(); }, 2000);
    }

    // The pin of Dokkle whose tip stands at the target's top centre, 20 pixels down.
    HWND PinAtTopCentreOf(const TargetProcess& target) const {
        const RECT bounds = RectOf(target.Window());
        const POINT tip{(bounds.left + bounds.right) / 2, bounds.top + 20};
        for (HWND pin : dokkle->Pins()) {
            if (PinHangsAt(pin, tip)) return pin;
        }
        return nullptr;
    }

    // The version box's text, the box closed again.
    std::wstring VersionBoxText(HWND pin) {
        if (!ChooseFromMenu(pin, {'V'})) return L"(no menu)";
        HWND box = nullptr;
        WaitUntil(
            [&] {
                const auto boxes = dokkle->VisibleWindowsOfClass(L"#32770");
                box = boxes.empty() ? nullptr : boxes.front();
                return box != nullptr;
            },
            2000);
        std::wstring text;
        for (const std::wstring& line : box ? TextsOf(box) : std::vector<std::wstring>{}) {
            if (line.find(L"バージョン") != std::wstring::npos) text = line;
        }
        PressKey(VK_RETURN);
        WaitUntil([&] { return !IsWindow(box); }, 2000);
        return text;
    }

    std::vector<std::unique_ptr<TargetProcess>> targets;
};

TEST_F(Hotkey, PinsTheActiveWindowOfAnotherProgramAndPullsThePinOutAgain) {
    StartWithMainPin();
    const TargetProcess& second = *targets[1];
    ASSERT_TRUE(Activate(second));
    const POINT cursor = CursorPosition();

    PressKeys(CtrlAltP);
    ASSERT_TRUE(dokkle->WaitForPinCount(2));
    EXPECT_TRUE(
        WaitUntil([&] { return PinAtTopCentreOf(second) != nullptr && IsTopmost(second.Window()); }, 2000));
    const POINT now = CursorPosition();
    EXPECT_TRUE(now.x == cursor.x && now.y == cursor.y);
    EXPECT_TRUE(CursorShowing());
    EXPECT_EQ(GetForegroundWindow(), second.Window());

    PressKeys(CtrlAltP);
    EXPECT_TRUE(dokkle->WaitForPinCount(1));
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(second.Window()); }));
    EXPECT_TRUE(IsTopmost(targets[0]->Window()));
}

TEST_F(Hotkey, TwoWindowsPinnedInTurnWorkOnWithoutTheMainPinAndTheProgramEndsWithItsLastPin) {
    HWND mainPin = StartWithMainPin();
    for (size_t index : {size_t{1}, size_t{2}}) {
        ASSERT_TRUE(Activate(*targets[index]));
        PressKeys(CtrlAltP);
        ASSERT_TRUE(dokkle->WaitForPinCount(index + 1));
        ASSERT_TRUE(WaitUntil([&] { return PinAtTopCentreOf(*targets[index]) != nullptr; }));
    }
    ASSERT_TRUE(ChooseFromMenu(mainPin, {'X'}));
    ASSERT_TRUE(dokkle->WaitForPinCount(2));

    for (size_t index : {size_t{1}, size_t{2}}) {
        ASSERT_TRUE(Activate(*targets[index]));
        PressKeys(CtrlAltP);
        EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(targets[index]->Window()); }));
    }
    EXPECT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_EQ(dokkle->ExitCode(), 0u);
}

TEST_F(Hotkey, NothingHappensWithADokkleDialogOrTheDesktopInFront) {
    HWND mainPin = StartWithMainPin();
    ASSERT_TRUE(ChooseFromMenu(mainPin, {'V'}));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto boxes = dokkle->VisibleWindowsOfClass(L"#32770");
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr && GetForegroundWindow() == box;
    }));
    PressKeys(CtrlAltP);
    PumpMessagesFor(500);  // time for a pin that must not come
    EXPECT_EQ(dokkle->Pins().size(), 1u);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));

    ASSERT_TRUE(SetForegroundWindow(GetDesktopWindow()));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == GetDesktopWindow(); }));
    ASSERT_EQ(ClassOf(GetForegroundWindow()), L"#32769");
    PressKeys(CtrlAltP);
    PumpMessagesFor(500);
    EXPECT_EQ(dokkle->Pins().size(), 1u);
}

TEST_F(Hotkey, NothingHappensWithAnotherCopysPinOrDialogInFront) {
    HWND mainPin = StartWithMainPin();
    // Another copy of Dokkle, from another folder: its new pin hangs on the cursor, in front.
    const std::wstring otherFolder = DokkleProcess::NewSandbox();
    const POINT point = targets[2]->FreePoint();
    MoveMouseTo(point);
    {
        DokkleProcess other(otherFolder);
        HWND otherPin = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                const auto pins = other.Pins();
                otherPin = pins.empty() ? nullptr : pins.front();
                return otherPin && PinHangsAt(otherPin, point) && GetForegroundWindow() == otherPin;
            },
            5000));
        PressKeys(CtrlAltP);
        PumpMessagesFor(500);  // time for a pin that must not come
        EXPECT_EQ(dokkle->Pins().size(), 1u);
        EXPECT_EQ(other.Pins().size(), 1u);

        // Its version box in front.
        LeftClickAt(point);
        ASSERT_TRUE(WaitUntil([&] { return StuckInto(otherPin, targets[2]->Window()); }));
        RightClickAt(KnobOf(otherPin));
        ASSERT_TRUE(WaitUntil([&] { return !other.VisibleWindowsOfClass(L"#32768").empty(); }));
        PressKey('V');
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            const auto boxes = other.VisibleWindowsOfClass(L"#32770");
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr && GetForegroundWindow() == box;
        }));
        PressKeys(CtrlAltP);
        PumpMessagesFor(500);  // time for a pin that must not come
        EXPECT_EQ(dokkle->Pins().size(), 1u);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    }
    RemoveFolder(otherFolder);
    // The hotkey still works on an ordinary window.
    ASSERT_TRUE(Activate(*targets[1]));
    PressKeys(CtrlAltP);
    EXPECT_TRUE(dokkle->WaitForPinCount(2));
    EXPECT_TRUE(IsWindow(mainPin));
}

TEST_F(Hotkey, ASecondPressPullsOutAPinStuckIntoAChildWindowOfTheWindowInFront) {
    StartWithMainPin();
    TargetOptions options;
    options.title = L"With a button";
    options.bounds = RECT{360, 470, 680, 740};
    options.withButton = true;
    TargetProcess withButton(options);
    HWND pin = LaunchAnotherPinAt(withButton.ButtonCentre());
    ASSERT_NE(pin, nullptr);
    LeftClickAt(withButton.ButtonCentre());
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(pin, withButton.Window()); }));
    // The child-window option: the pin goes into the button itself, and the window is no longer topmost.
    ASSERT_TRUE(ChooseFromMenu(pin, {'C'}));
    ASSERT_TRUE(WaitUntil([&] { return !IsTopmost(withButton.Window()); }));

    ASSERT_TRUE(Activate(withButton));
    PressKeys(CtrlAltP);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(pin); }));
    PumpMessagesFor(300);  // a while in which no other pin may come
    EXPECT_EQ(dokkle->Pins().size(), 1u);
    EXPECT_EQ(PinAtTopCentreOf(withButton), nullptr);
}

TEST_F(Hotkey, TheCombinationOfTheSettingsFileIsHonouredAndTheDefaultThenDoesNothing) {
    UseSetting(L"ctrl + shift + f12");
    HWND mainPin = StartWithMainPin();
    // The version box names it as it reads it.
    EXPECT_NE(VersionBoxText(mainPin).find(L"\r\nホットキー : Ctrl+Shift+F12"), std::wstring::npos);
    ASSERT_TRUE(Activate(*targets[1]));
    PressKeys(CtrlAltP);
    PumpMessagesFor(500);  // time for a pin that must not come
    EXPECT_EQ(dokkle->Pins().size(), 1u);
    PressKeys(CtrlShiftF12);
    EXPECT_TRUE(dokkle->WaitForPinCount(2));
}

TEST_F(Hotkey, SwitchedOffInTheSettingsThereIsNoneAndTheVersionBoxSaysSo) {
    UseSetting(L"none");
    HWND mainPin = StartWithMainPin();
    const std::wstring text = VersionBoxText(mainPin);
    EXPECT_NE(text.find(L"\r\nホットキーは設定で無効になっています。"), std::wstring::npos) << text;
    EXPECT_EQ(text.find(L"ホットキー :"), std::wstring::npos) << text;
    ASSERT_TRUE(Activate(*targets[1]));
    PressKeys(CtrlAltP);
    PumpMessagesFor(500);  // time for a pin that must not come
    EXPECT_EQ(dokkle->Pins().size(), 1u);
}

TEST_F(Hotkey, ASettingThatCannotBeReadLeavesDokkleWorkingAndTheVersionBoxSaysWhy) {
    UseSetting(L"Ctrl+Banana");
    HWND mainPin = StartWithMainPin();
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(targets[0]->Window()); }));
    EXPECT_NE(VersionBoxText(mainPin).find(
                  L"ホットキーの設定「Ctrl+Banana」は読めないため、ホットキーは使えません。"),
              std::wstring::npos);
}

TEST_F(Hotkey, ASettingLongerThanAnyCutIsReadWholeAndQuotedShort) {
    UseSetting(L"Ctrl+Alt+P" + std::wstring(300, L' ') + L"+Q");
    HWND mainPin = StartWithMainPin();
    ASSERT_TRUE(Activate(*targets[1]));
    PressKeys(CtrlAltP);
    PumpMessagesFor(500);  // time for a pin that must not come
    EXPECT_EQ(dokkle->Pins().size(), 1u);
    // Forty characters of the value, then an ellipsis.
    const std::wstring quoted = L"Ctrl+Alt+P" + std::wstring(30, L' ') + L"\x2026";
    EXPECT_NE(VersionBoxText(mainPin).find(L"ホットキーの設定「" + quoted +
                                           L"」は読めないため、ホットキーは使えません。"),
              std::wstring::npos);
}

TEST_F(Hotkey, ACombinationHeldByAnotherProgramLeavesDokkleWorkingAndTheVersionBoxSaysWhy) {
    LocalWindow holder({.title = L"Holder", .bounds = {0, 500, 200, 600}});
    ASSERT_TRUE(RegisterHotKey(holder.Handle(), 1, MOD_CONTROL | MOD_ALT, 'P'));
    HWND mainPin = StartWithMainPin();
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(targets[0]->Window()); }));
    EXPECT_NE(VersionBoxText(mainPin).find(
                  L"ホットキー「Ctrl+Alt+P」は他のプログラムが使っているため、ホットキーは使えません。"),
              std::wstring::npos);

    ASSERT_TRUE(Activate(*targets[1]));
    PressKeys(CtrlAltP);
    PumpMessagesFor(500);  // time for a pin that must not come
    EXPECT_EQ(dokkle->Pins().size(), 1u);
    UnregisterHotKey(holder.Handle(), 1);
}

}  // namespace
}  // namespace dokkle::e2e
