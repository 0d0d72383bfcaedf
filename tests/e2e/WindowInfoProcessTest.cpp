// The process operations of the information dialog: priority and forced termination.
#include "WindowInfoFixture.h"

namespace dokkle::e2e {
namespace {

using WindowInfoProcess = WindowInfoTest;

TargetOptions ProcessTarget(DWORD priorityClass = 0) {
    TargetOptions options;
    options.title = L"プロセステスト";
    options.bounds = RECT{20, 30, 160, 140};
    options.priorityClass = priorityClass;
    return options;
}

// Opens the list with the mouse, moves its selection with the arrow keys and takes it with Enter.
void ChoosePriority(const InfoDialog& dialog, WORD key) {
    dialog.Click(cmbProcessPriority);
    ASSERT_TRUE(WaitUntil(
        [&] { return SendMessageW(dialog.Control(cmbProcessPriority), CB_GETDROPPEDSTATE, 0, 0); }));
    PressKey(key);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil(
        [&] { return !SendMessageW(dialog.Control(cmbProcessPriority), CB_GETDROPPEDSTATE, 0, 0); }));
}

TEST_F(WindowInfoProcess, ApplyingAChosenPrioritySetsItsClassAndTheRefreshedReportShowsIt) {
    TargetProcess target(ProcessTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog.PrioritySelection(), 2);

    ChoosePriority(dialog, VK_DOWN);
    EXPECT_EQ(dialog.PrioritySelection(), 3);
    dialog.Click(cmdChangePriority);
    EXPECT_TRUE(WaitUntil([&] { return GetPriorityClass(target.Handle()) == IDLE_PRIORITY_CLASS; }));
    EXPECT_TRUE(WaitUntil([&] {
        return dialog.ReportLines().at(15) ==
               L"- 優先度     : 低い (システムがアイドル状態のときのみ動作します)";
    }));

    ChoosePriority(dialog, VK_HOME);
    dialog.Click(cmdChangePriority);
    EXPECT_TRUE(WaitUntil([&] { return GetPriorityClass(target.Handle()) == REALTIME_PRIORITY_CLASS; }));
    EXPECT_TRUE(WaitUntil(
        [&] { return dialog.ReportLines().at(15) == L"- 優先度     : 最高 (CPU時間の全てを割り当てます)"; }));
    EXPECT_EQ(dialog.PrioritySelection(), 0);
}

TEST_F(WindowInfoProcess, ApplyingWithNothingSelectedChangesNothingButRefreshes) {
    TargetProcess target(ProcessTarget(ABOVE_NORMAL_PRIORITY_CLASS));
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog.PrioritySelection(), CB_ERR);
    SetWindowTextW(target.Window(), L"適用後");
    dialog.Click(cmdChangePriority);
    EXPECT_TRUE(WaitUntil([&] { return dialog.ReportLines().at(0) == L"タイトル     : \"適用後\""; }));
    EXPECT_EQ(GetPriorityClass(target.Handle()), static_cast<DWORD>(ABOVE_NORMAL_PRIORITY_CLASS));
    EXPECT_EQ(dialog.ReportLines().at(15), L"- 優先度     : ");
}

TEST_F(WindowInfoProcess, TerminationAsksFirstAndNoChangesNothing) {
    TargetProcess target(ProcessTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    dialog.Click(cmdTerminateProcess);
    EXPECT_EQ(MessageBoxText(), L"このプロセスを強制終了しますか？");
    ASSERT_TRUE(AnswerMessageBox('N'));
    ASSERT_TRUE(dialog.Responds());
    EXPECT_TRUE(target.IsRunning());
    EXPECT_EQ(FindMessageBox(), nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog.Window()));
}

TEST_F(WindowInfoProcess, TerminationEndsTheProcessWithCodeZeroAndTheDialogWithTheClosedMessage) {
    TargetProcess target(ProcessTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    const std::wstring handle = Hex(reinterpret_cast<uintptr_t>(target.Window()));
    dialog.Click(cmdTerminateProcess);
    ASSERT_TRUE(AnswerMessageBox('Y'));
    EXPECT_TRUE(target.WaitForExit(3000));
    EXPECT_EQ(target.ExitCode(), 0u);
    EXPECT_EQ(MessageBoxText(), L"ハンドル " + handle + L" のウィンドウは閉じられました。");
    ASSERT_TRUE(AnswerMessageBox(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }));
}

}  // namespace
}  // namespace dokkle::e2e
