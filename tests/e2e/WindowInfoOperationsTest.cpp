// The window operations of the information dialog, checked from outside on a real target window.
#include "WindowInfoFixture.h"

namespace dokkle::e2e {
namespace {

using WindowInfoOperations = WindowInfoTest;

// Left of and above the dialog, which opens in the middle of the screen.
TargetOptions RecordingTarget() {
    TargetOptions options;
    options.title = L"操作テスト";
    options.bounds = RECT{20, 30, 160, 140};
    options.recordMessages = true;
    return options;
}

bool IsMouseMessage(const RecordedMessage& recorded) {
    return recorded.message >= WM_MOUSEFIRST && recorded.message <= WM_MOUSELAST;
}

std::vector<RecordedMessage> MouseMessages(const TargetProcess& target) {
    std::vector<RecordedMessage> messages;
    for (const RecordedMessage& recorded : target.RecordedMessages()) {
        if (IsMouseMessage(recorded)) messages.push_back(recorded);
    }
    return messages;
}

bool ReceivedQuietly(const TargetProcess& target) {
    // Waits until the target has had nothing new for a while.
    size_t seen = target.RecordedMessages().size();
    ULONGLONG since = GetTickCount64();
    return WaitUntil([&] {
        const size_t now = target.RecordedMessages().size();
        if (now != seen) {
            seen = now;
            since = GetTickCount64();
        }
        return GetTickCount64() - since >= 300;
    });
}

TEST_F(WindowInfoOperations, TopmostAndNotAndHideAndShow) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    HWND window = target.Window();
    ASSERT_TRUE(IsTopmost(window)) << "the pin makes its target topmost";

    dialog.Click(cmdNoTopMost);
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(window); }));
    dialog.Click(cmdTopmost);
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(window); }));
    dialog.Click(cmdNotVisible);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));
    EXPECT_TRUE(IsTopmost(window));
    dialog.Click(cmdVisible);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_EQ(RectOf(window).left, 20);
}

TEST_F(WindowInfoOperations, RedrawErasesTheTargetsBackground) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(ReceivedQuietly(target));
    const size_t before = target.RecordedMessages().size();
    dialog.Click(cmdRedraw);
    EXPECT_TRUE(WaitUntil([&] {
        const auto messages = target.RecordedMessages();
        for (size_t index = before; index < messages.size(); ++index) {
            if (messages[index].message == WM_ERASEBKGND) return true;
        }
        return false;
    }));
}

TEST_F(WindowInfoOperations, EnterInTheTitleBoxRetitlesTheTarget) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    dialog.Click(txtWindowTitle);
    ASSERT_TRUE(WaitUntil([&] { return dialog.DefaultButton() == cmdChangeTitle; }));
    TypeText(L"改題 Renamed");  // replaces the selected title
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return TitleOf(target.Window()) == L"改題 Renamed"; }));
    EXPECT_TRUE(IsWindow(dialog.Window()));
}

// Typed as characters, not as keys: what an input method hands the box once a word is chosen.
TEST_F(WindowInfoOperations, EveryTextBoxTakesJapaneseTypedAsCharacters) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    for (ControlId box : {txtWindowTitle, txtLeft, txtTop, txtWidth, txtHeight}) {
        dialog.Click(box);  // selects what the box holds, so the typing replaces it
        TypeText(L"日本語の入力");
        EXPECT_TRUE(WaitUntil([&] { return dialog.Text(box) == L"日本語の入力"; })) << box;
    }
}

TEST_F(WindowInfoOperations, EnterInANumberBoxMovesAndResizesRoundingHalvesToEvenIntoTheTopmostBand) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    dialog.Click(cmdNoTopMost);
    ASSERT_TRUE(WaitUntil([&] { return !IsTopmost(target.Window()); }));

    dialog.Click(txtLeft);
    TypeText(L"  -5  ");
    PressKey(VK_TAB);
    TypeText(L"2.5");
    PressKey(VK_TAB);
    TypeText(L"300.5");
    PressKey(VK_TAB);
    TypeText(L"201.5");
    ASSERT_TRUE(WaitUntil([&] { return dialog.Text(txtHeight) == L"201.5"; }));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] {
        const RECT bounds = RectOf(target.Window());
        return bounds.left == -5 && bounds.top == 2 && bounds.right == 295 && bounds.bottom == 204;
    })) << RectOf(target.Window()).left
        << ", " << RectOf(target.Window()).top;
    EXPECT_TRUE(IsTopmost(target.Window()));
}

TEST_F(WindowInfoOperations, ABadNumberOrSizeOnlyTellsTheUserAndLeavesTheTargetAlone) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    const RECT before = RectOf(target.Window());
    struct Case {
        ControlId box;
        const wchar_t* text;
    };
    for (const Case& bad : {Case{txtLeft, L""}, Case{txtLeft, L"abc"}, Case{txtTop, L"1e3"},
                            Case{txtLeft, L"0x10"}, Case{txtTop, L"1,000"}, Case{txtLeft, L"4294967296"},
                            Case{txtWidth, L"0"}, Case{txtHeight, L"  -5  "}, Case{txtWidth, L"0.5"}}) {
        dialog.SetText(txtLeft, L"300");
        dialog.SetText(txtTop, L"310");
        dialog.SetText(txtWidth, L"120");
        dialog.SetText(txtHeight, L"130");
        dialog.SetText(bad.box, bad.text);
        dialog.Click(cmdResize);
        EXPECT_EQ(MessageBoxText(), L"値が正しくありません") << bad.text;
        ASSERT_TRUE(AnswerMessageBox(VK_RETURN)) << bad.text;
        const RECT after = RectOf(target.Window());
        EXPECT_TRUE(EqualRect(&before, &after)) << bad.text;
    }
    EXPECT_TRUE(IsWindow(dialog.Window()));
}

TEST_F(WindowInfoOperations, MouseButtonsPostPressAndReleaseAtThePinTipWhicheverButtonPressesThem) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    const uint32_t point = ExpectedPoint(target.Window());
    const auto received = [&](std::vector<RecordedMessage> expected) {
        return WaitUntil([&] { return MouseMessages(target) == expected; }, 2000);
    };

    MoveMouseTo(dialog.Centre(cmdLeftButton));
    LeftPress();
    EXPECT_TRUE(received({{WM_LBUTTONDOWN, MK_LBUTTON, point}}));
    LeftRelease();
    EXPECT_TRUE(received({{WM_LBUTTONDOWN, MK_LBUTTON, point}, {WM_LBUTTONUP, MK_LBUTTON, point}}));

    dialog.Click(cmdMiddleButton);
    RightClickAt(dialog.Centre(cmdRightButton));
    const std::vector<RecordedMessage> clicks{
        {WM_LBUTTONDOWN, MK_LBUTTON, point}, {WM_LBUTTONUP, MK_LBUTTON, point},
        {WM_MBUTTONDOWN, MK_MBUTTON, point}, {WM_MBUTTONUP, MK_MBUTTON, point},
        {WM_RBUTTONDOWN, MK_RBUTTON, point}, {WM_RBUTTONUP, MK_RBUTTON, point}};
    EXPECT_TRUE(received(clicks));

    // From the keyboard the button posts nothing: the next click's messages follow directly.
    SendMessageW(dialog.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog.Control(cmdLeftButton)),
                 TRUE);
    ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == cmdLeftButton; }));
    PressKey(VK_SPACE);
    dialog.Click(cmdMiddleButton);
    std::vector<RecordedMessage> afterKeyboard = clicks;
    afterKeyboard.push_back({WM_MBUTTONDOWN, MK_MBUTTON, point});
    afterKeyboard.push_back({WM_MBUTTONUP, MK_MBUTTON, point});
    EXPECT_TRUE(received(afterKeyboard));
}

TEST_F(WindowInfoOperations, TheTwoSystemNotificationsArePostedWithoutParameters) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    dialog.Click(cmdHardwareStructureChanged);
    dialog.Click(cmdSystemWillBeShutdown);
    const auto notifications = [&] {
        std::vector<RecordedMessage> found;
        for (const RecordedMessage& recorded : target.RecordedMessages()) {
            if (recorded.message == WM_DEVICECHANGE || recorded.message == WM_ENDSESSION)
                found.push_back(recorded);
        }
        return found;
    };
    const std::vector<RecordedMessage> expected{{WM_DEVICECHANGE, 0, 0}, {WM_ENDSESSION, 0, 0}};
    EXPECT_TRUE(WaitUntil([&] { return notifications() == expected; }));
    EXPECT_TRUE(target.IsRunning());
}

TEST_F(WindowInfoOperations, CloseThatTheTargetRefusesRefreshesTheReportAfterASecond) {
    TargetOptions options = RecordingTarget();
    options.refuseClose = true;
    TargetProcess target(options);
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    SetWindowTextW(target.Window(), L"まだ開いている");
    const ULONGLONG clicked = GetTickCount64();
    dialog.Click(cmdCloseTarget);
    EXPECT_TRUE(
        WaitUntil([&] { return dialog.ReportLines().at(0) == L"タイトル     : \"まだ開いている\""; }));
    EXPECT_GE(GetTickCount64() - clicked, 1000u);
    const std::vector<RecordedMessage> messages = target.RecordedMessages();
    EXPECT_NE(std::find(messages.begin(), messages.end(), RecordedMessage{WM_CLOSE, 0, 0}), messages.end());
    EXPECT_EQ(FindMessageBox(), nullptr);
}

TEST_F(WindowInfoOperations, CloseThatTheTargetAcceptsEndsWithTheClosedMessageAndTheDialogCloses) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    const std::wstring handle = Hex(reinterpret_cast<uintptr_t>(target.Window()));
    dialog.Click(cmdCloseTarget);
    EXPECT_EQ(MessageBoxText(), L"ハンドル " + handle + L" のウィンドウは閉じられました。");
    EXPECT_TRUE(target.WaitForExit(1000));
    ASSERT_TRUE(AnswerMessageBox(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }));
}

TEST_F(WindowInfoOperations, AVanishedTargetIsLeftAloneUntilTheRefreshSaysItClosed) {
    TargetProcess target(RecordingTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    const std::wstring handle = Hex(reinterpret_cast<uintptr_t>(target.Window()));
    target.Kill();
    // Its pin closes at its next tick; the dialog stays.
    EXPECT_TRUE(WaitUntil([&] { return dokkle->Pins().empty(); }));
    for (ControlId operation : {cmdNotVisible, cmdLeftButton, cmdResize, cmdChangeTitle}) {
        dialog.Click(operation);
        ASSERT_TRUE(dialog.Responds());
        EXPECT_EQ(FindMessageBox(), nullptr) << operation;
    }
    dialog.Click(cmdUpdate);
    EXPECT_EQ(MessageBoxText(), L"ハンドル " + handle + L" のウィンドウは閉じられました。");
    ASSERT_TRUE(AnswerMessageBox(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }));
    // With its last window gone the program ends, and ends well.
    EXPECT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_EQ(dokkle->ExitCode(), 0u);
}

}  // namespace
}  // namespace dokkle::e2e
