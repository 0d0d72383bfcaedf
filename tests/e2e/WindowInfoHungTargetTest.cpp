// The information dialog's close and retitle on a target whose program has stopped answering, and the
// second's pause after a close or a termination: the rest of Dokkle goes on meanwhile, while the dialog
// itself takes no input.
#include "SuspendedThread.h"
#include "WindowInfoFixture.h"

namespace dokkle::e2e {
namespace {

class WindowInfoHungTarget : public WindowInfoTest {
  protected:
    void SetUp() override {
        WindowInfoTest::SetUp();
        TargetOptions liveOptions;
        liveOptions.title = L"Live";
        liveOptions.bounds = RECT{20, 30, 220, 180};
        live = std::make_unique<TargetProcess>(liveOptions);
    }

    // Sticks a pin into the live window, then the dialog's pin into the other, and opens the dialog.
    InfoDialog OpenInfoOn(const TargetProcess& target) {
        onLive = PrickAt(live->FreePoint());
        pin = LaunchAnotherPinAt(target.FreePoint());
        LeftClickAt(target.FreePoint());
        if (!WaitUntil([&] { return pin && StuckInto(pin, target.Window()); }))
            ADD_FAILURE() << "the dialog's pin was not stuck in";
        return OpenInfo();
    }

    // The pin on the live window follows it when it moves, within the deadline.
    bool LivePinFollows(int dx, int deadline = 1500) {
        const POINT before = PinOrigin(onLive);
        const RECT bounds = RectOf(live->Window());
        SetWindowPos(live->Window(), nullptr, bounds.left + dx, bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return WaitUntil([&] { return PinOrigin(onLive).x == before.x + dx; }, deadline);
    }

    static TargetOptions OperatedTarget() {
        TargetOptions options;
        options.title = L"操作テスト";
        options.bounds = RECT{760, 30, 1000, 180};
        options.recordMessages = true;
        return options;
    }

    std::unique_ptr<TargetProcess> live;
    HWND onLive = nullptr;
};

bool Received(const TargetProcess& target, UINT message) {
    for (const RecordedMessage& recorded : target.RecordedMessages()) {
        if (recorded.message == message) return true;
    }
    return false;
}

TEST_F(WindowInfoHungTarget, CloseLeavesThePinsFollowingAndReachesTheTargetWhenItAnswersAgain) {
    TargetProcess target(OperatedTarget());
    const InfoDialog dialog = OpenInfoOn(target);
    ASSERT_TRUE(dialog);
    SuspendedThread stopped(target.Window());
    ASSERT_TRUE(stopped);

    dialog.Click(cmdCloseTarget);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(dialog.Window()); }, 2000));
    EXPECT_TRUE(LivePinFollows(50));
    EXPECT_TRUE(LivePinFollows(-50));
    // A target that answers nothing for a while is not waited for: the report is refreshed after the
    // second's pause, and the dialog takes input again.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog.Window()) != FALSE; }, 10000));
    EXPECT_EQ(FindMessageBox(), nullptr);
    EXPECT_TRUE(IsWindow(target.Window()));
    EXPECT_TRUE(dialog.Responds());

    stopped.Resume();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(target.Window()); }, 3000));
    EXPECT_TRUE(Received(target, WM_CLOSE));
}

TEST_F(WindowInfoHungTarget, RetitlingLeavesThePinsFollowing) {
    TargetProcess target(OperatedTarget());
    const InfoDialog dialog = OpenInfoOn(target);
    ASSERT_TRUE(dialog);
    SuspendedThread stopped(target.Window());
    ASSERT_TRUE(stopped);

    dialog.SetText(txtWindowTitle, L"改題");
    dialog.Click(cmdChangeTitle);
    EXPECT_TRUE(LivePinFollows(50));
    EXPECT_TRUE(dialog.Responds());
    EXPECT_TRUE(IsWindowEnabled(dialog.Window()));
}

TEST_F(WindowInfoHungTarget, DuringTheSecondAfterACloseThePinsFollowAndTheDialogWaits) {
    TargetOptions options = OperatedTarget();
    options.refuseClose = true;
    TargetProcess target(options);
    const InfoDialog dialog = OpenInfoOn(target);
    ASSERT_TRUE(dialog);
    SetWindowTextW(target.Window(), L"まだ開いている");
    const ULONGLONG clicked = GetTickCount64();
    dialog.Click(cmdCloseTarget);
    ASSERT_TRUE(WaitUntil([&] { return Received(target, WM_CLOSE); }, 2000));

    // The pin is looked at first: it has followed while the dialog still waited.
    const POINT before = PinOrigin(onLive);
    const RECT bounds = RectOf(live->Window());
    SetWindowPos(live->Window(), nullptr, bounds.left + 40, bounds.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil(
        [&] { return PinOrigin(onLive).x == before.x + 40 && !IsWindowEnabled(dialog.Window()); }, 900));

    const auto refreshed = [&] {
        const std::vector<std::wstring> lines = dialog.ReportLines();
        return !lines.empty() && lines[0] == L"タイトル     : \"まだ開いている\"";
    };
    EXPECT_TRUE(WaitUntil([&] { return refreshed() && IsWindowEnabled(dialog.Window()); }, 3000));
    EXPECT_GE(GetTickCount64() - clicked, 1000u);
    EXPECT_EQ(dialog.Focus(), cmdCloseTarget);
    EXPECT_EQ(FindMessageBox(), nullptr);
}

TEST_F(WindowInfoHungTarget, DuringTheSecondAfterATerminationTheEndedTargetsPinCloses) {
    TargetProcess target(OperatedTarget());
    const InfoDialog dialog = OpenInfoOn(target);
    ASSERT_TRUE(dialog);
    const std::wstring handle = Hex(reinterpret_cast<uintptr_t>(target.Window()));
    dialog.Click(cmdTerminateProcess);
    ASSERT_TRUE(AnswerMessageBox('Y'));
    ASSERT_TRUE(target.WaitForExit(3000));

    // The dialog's own pin goes with its target while the dialog still waits, before any message.
    EXPECT_TRUE(WaitUntil(
        [&] { return !IsWindow(pin) && FindMessageBox() == nullptr && !IsWindowEnabled(dialog.Window()); },
        900));
    EXPECT_TRUE(LivePinFollows(30));
    EXPECT_EQ(MessageBoxText(), L"ハンドル " + handle + L" のウィンドウは閉じられました。");
    ASSERT_TRUE(AnswerMessageBox(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }));
    EXPECT_TRUE(dokkle->IsRunning());
}

}  // namespace
}  // namespace dokkle::e2e
