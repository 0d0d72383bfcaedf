// The report of the window information dialog, on real windows of a process the test starts.
#include "WindowInfoFixture.h"

#include <optional>

#include "Screen.h"

namespace dokkle::e2e {
namespace {

using WindowInfoReport = WindowInfoTest;

constexpr RECT KnownBounds{20, 30, 180, 150};

TargetOptions KnownTarget() {
    TargetOptions options;
    options.title = L"報告テスト Report";
    options.bounds = KnownBounds;
    options.priorityClass = HIGH_PRIORITY_CLASS;
    options.loadLibrary = L"winmm.dll";
    return options;
}

std::vector<std::wstring> ExpectedReport(const TargetProcess& target, const std::wstring& processHandleLine) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(target.Window(), &processId);
    const std::vector<std::wstring> modules = ModuleLines(target.Handle());
    std::vector<std::wstring> lines{
        L"タイトル     : \"報告テスト Report\"",
        L"",
        L"左上端の座標 : (20, 30)",
        L"サイズ       : 160 x 120",
        L"サイズの状態 : 通常",
        L"表示状態     : 可視",
        L"",
        L"親ウィンドウ : (なし)",
        L"",
        L"ハンドル     : " + Hex(reinterpret_cast<uintptr_t>(target.Window())),
        L"プロセスID   : " + Hex(target.Id()),
        L"スレッドID   : " + Hex(threadId),
        L"",
        L"プロセス情報 :",
        processHandleLine,
        L"- 優先度     : 高い (他のアプリケーションより優先的に動作します)",
        L"- 読み込まれたモジュール (" + std::to_wstring(modules.size()) + L"個) : ",
    };
    lines.insert(lines.end(), modules.begin(), modules.end());
    lines.push_back(L"");
    lines.push_back(L"- 実行を想定している Windows のバージョン : 5.10");
    return lines;
}

// The common controls library that a process has loaded, if any: its path.
std::optional<std::wstring> CommonControlsOf(HANDLE process) {
    for (const std::wstring& line : ModuleLines(process)) {
        std::wstring lower = line;
        CharLowerW(lower.data());
        if (lower.ends_with(L"\\comctl32.dll")) return line.substr(line.find(L" : ") + 3);
    }
    return std::nullopt;
}

// Version 6 is an assembly of the side-by-side store, whose folder names it ("..._6.0...."); its file's
// own version resource does not tell the two apart under Wine.
bool IsVersion6Assembly(std::wstring path) {
    CharLowerW(path.data());
    const size_t assembly = path.find(L"microsoft.windows.common-controls_");
    return assembly != std::wstring::npos && path.find(L"_6.", assembly) != std::wstring::npos;
}

// A pin starts without the library; the dialog that needs it gets the version 6 controls.
TEST_F(WindowInfoReport, TheCommonControlsLibraryComesWithTheDialogInItsVersion6) {
    TargetProcess target(KnownTarget());
    pin = PrickAt(target.FreePoint());
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(CommonControlsOf(dokkle->Handle()), std::nullopt);
    const InfoDialog dialog = OpenInfo();
    ASSERT_TRUE(dialog);
    const std::optional<std::wstring> library = CommonControlsOf(dokkle->Handle());
    ASSERT_TRUE(library);
    EXPECT_TRUE(IsVersion6Assembly(*library)) << *library;
}

TEST_F(WindowInfoReport, MatchesTheTargetLineForLineAndFillsTheOperationsBoxes) {
    TargetProcess target(KnownTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);

    const std::vector<std::wstring> lines = dialog.ReportLines();
    ASSERT_GT(lines.size(), 14u);
    // The handle Dokkle opened on the process is its own; only its form can be known.
    const std::wstring& handleLine = lines[14];
    const std::wstring handlePrefix = L"- ハンドル   : 0x";
    EXPECT_EQ(handleLine.rfind(handlePrefix, 0), 0u) << handleLine;
    EXPECT_GE(handleLine.size(), handlePrefix.size() + 8) << handleLine;
    EXPECT_EQ(handleLine.find_first_not_of(L"0123456789ABCDEF", handlePrefix.size()), std::wstring::npos);
    const std::vector<std::wstring> expected = ExpectedReport(target, handleLine);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t index = 0; index < lines.size(); ++index) EXPECT_EQ(lines[index], expected[index]) << index;

    // The target's own program and the library it loaded are among the modules.
    EXPECT_NE(lines[17].find(L"TestTarget.exe"), std::wstring::npos) << lines[17];
    EXPECT_NE(dialog.Text(txtInfo).find(L"\\winmm.dll\r\n"), std::wstring::npos);

    EXPECT_EQ(dialog.Text(txtWindowTitle), L"報告テスト Report");
    EXPECT_EQ(dialog.Text(txtLeft), L"20");
    EXPECT_EQ(dialog.Text(txtTop), L"30");
    EXPECT_EQ(dialog.Text(txtWidth), L"160");
    EXPECT_EQ(dialog.Text(txtHeight), L"120");
    EXPECT_EQ(dialog.PrioritySelection(), 1);  // 高い
}

TEST_F(WindowInfoReport, StatesPlacesAndTitlesAsTheTargetChangesAndTheReportIsRefreshed) {
    TargetProcess target(KnownTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    HWND window = target.Window();
    // Once the target has settled in its new state, the refreshed report shows it.
    // The target leaves the topmost band the pin put it in, so that, maximised, it stays below the dialog.
    dialog.Click(cmdNoTopMost);
    ASSERT_TRUE(WaitUntil([&] { return !IsTopmost(window); }));
    const auto refreshedLine = [&](const std::function<bool()>& settled, size_t index,
                                   const std::wstring& expected) {
        if (!WaitUntil(settled)) return false;
        const POINT update = dialog.Centre(cmdUpdate);
        WaitUntil([&] { return WindowFromPoint(update) == dialog.Control(cmdUpdate); });
        dialog.Click(cmdUpdate);
        return WaitUntil([&] { return dialog.ReportLines().at(index) == expected; }, 2000);
    };
    const auto width = [&] { return RectOf(window).right - RectOf(window).left; };

    ShowWindow(window, SW_MAXIMIZE);
    EXPECT_TRUE(
        refreshedLine([&] { return IsZoomed(window) && width() > 400; }, 4, L"サイズの状態 : 最大化"));
    EXPECT_EQ(dialog.Text(txtWidth), std::to_wstring(width()));

    // Minimised from maximised: zoomed again when restored, but not zoomed while minimised.
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_TRUE(refreshedLine([&] { return IsIconic(window) != FALSE; }, 4, L"サイズの状態 : 最小化"));

    ShowWindow(window, SW_RESTORE);
    ShowWindow(window, SW_RESTORE);
    ShowWindow(window, SW_HIDE);
    EXPECT_TRUE(refreshedLine([&] { return !IsWindowVisible(window) && !IsZoomed(window) && width() == 160; },
                              5, L"表示状態     : 不可視"));
    EXPECT_EQ(dialog.ReportLines().at(4), L"サイズの状態 : 通常");

    ShowWindow(window, SW_SHOWNA);
    SetWindowPos(window, nullptr, -50, -30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(window, L"新しい題名");
    EXPECT_TRUE(refreshedLine([&] { return RectOf(window).left == -50 && IsWindowVisible(window); }, 2,
                              L"左上端の座標 : (-50, -30)"));
    EXPECT_EQ(dialog.ReportLines().at(0), L"タイトル     : \"新しい題名\"");
    EXPECT_EQ(dialog.ReportLines().at(5), L"表示状態     : 可視");
    EXPECT_EQ(dialog.Text(txtLeft), L"-50");
    EXPECT_EQ(dialog.Text(txtTop), L"-30");
    EXPECT_EQ(dialog.Text(txtWindowTitle), L"新しい題名");
}

TEST_F(WindowInfoReport, OpensCentredOnTheWorkAreaOfTheScreenUnderTheCursor) {
    TargetProcess target;
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsCentredOnWorkAreaUnderCursor(dialog.Window()));
}

TEST_F(WindowInfoReport, AnOwnedPopUpReportsItsOwnerAsItsParent) {
    TargetOptions options = KnownTarget();
    options.withOwnedPopup = true;
    TargetProcess target(options);
    const RECT popup = RectOf(target.OwnedPopup());
    const InfoDialog dialog = OpenInfoAt(POINT{popup.right - 40, popup.bottom - 30});
    ASSERT_TRUE(dialog);
    const std::vector<std::wstring> lines = dialog.ReportLines();
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[0], L"タイトル     : \"Owned Pop-up\"");
    EXPECT_EQ(lines[7], L"親ウィンドウ : " + Hex(reinterpret_cast<uintptr_t>(target.Window())));
    EXPECT_EQ(lines[9], L"ハンドル     : " + Hex(reinterpret_cast<uintptr_t>(target.OwnedPopup())));
}

TEST_F(WindowInfoReport, AChildWindowReportsItsParent) {
    TargetOptions options = KnownTarget();
    options.bounds = RECT{20, 30, 260, 180};
    options.withButton = true;
    TargetProcess target(options);
    pin = PrickAt(target.ButtonCentre());
    ASSERT_TRUE(ChooseFromMenu(pin, {'C'}));  // child windows too: the pin goes into the button
    const InfoDialog dialog = OpenInfo();
    ASSERT_TRUE(dialog);
    const std::vector<std::wstring> lines = dialog.ReportLines();
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[0], L"タイトル     : \"Button\"");
    EXPECT_EQ(lines[7], L"親ウィンドウ : " + Hex(reinterpret_cast<uintptr_t>(target.Window())));
    EXPECT_EQ(lines[9], L"ハンドル     : " + Hex(reinterpret_cast<uintptr_t>(target.Button())));
}

TEST_F(WindowInfoReport, APriorityTheListDoesNotOfferLeavesTheLabelAloneAndNothingSelected) {
    TargetOptions options = KnownTarget();
    options.priorityClass = BELOW_NORMAL_PRIORITY_CLASS;
    TargetProcess target(options);
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog.ReportLines().at(15), L"- 優先度     : ");
    EXPECT_EQ(dialog.PrioritySelection(), CB_ERR);
}

// What the user sees of the control that has the focus: a button's or a list's caption, or a box's text,
// each with the kind of control it is.
std::wstring FocusedControlAsSeen(const InfoDialog& dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog.Window(), nullptr), &info);
    const std::wstring kind = ClassOf(info.hwndFocus);
    const auto id = static_cast<ControlId>(GetDlgCtrlID(info.hwndFocus));
    return kind + L": " + (kind == L"ComboBox" ? std::wstring(L"") : dialog.Text(id));
}

TEST_F(WindowInfoReport, FocusStartsOnTheFirstOperationAndTabFollowsTheDesign) {
    TargetProcess target(KnownTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(FocusedControlAsSeen(dialog), L"Button: 常に最前面に表示");
    EXPECT_EQ(dialog.DefaultButton(), cmdClose);

    // The design's focus order, as the user meets it: the captions of the design, and the boxes holding
    // the known target's title, left, top, width and height.
    const std::wstring report = dialog.Text(txtInfo);
    const std::vector<std::wstring> order = {
        L"Button: …を解除",
        L"Button: 表示",
        L"Button: 隠す",
        L"Button: 再描画",
        L"Button: 閉じる",
        L"Edit: 報告テスト Report",
        L"Button: タイトル変更",
        L"Edit: 20",
        L"Edit: 30",
        L"Edit: 160",
        L"Edit: 120",
        L"Button: 移動\r\nリサイズ",
        L"Button: 左",
        L"Button: 中",
        L"Button: 右",
        L"Button: 「ハードウェア構成が変更された」",
        L"Button: 「システムが終了されようとしている」",
        L"ComboBox: ",
        L"Button: 適用",
        L"Button: プロセスの強制終了",
        L"Button: 閉じる",
        L"Edit: " + report,
        L"Button: 最新の情報に更新",
        L"Button: 常に最前面に表示",
    };
    for (const std::wstring& next : order) {
        PressKey(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return FocusedControlAsSeen(dialog) == next; }))
            << "after Tab: " << testing::PrintToString(FocusedControlAsSeen(dialog)) << ", expected "
            << testing::PrintToString(next);
        // The default button follows the text boxes, whose whole text is then selected; elsewhere, away
        // from the buttons (which show themselves as the default while they have the focus), it is 閉じる.
        const ControlId focus = dialog.Focus();
        const bool titleBox = focus == txtWindowTitle;
        const bool numberBox = focus == txtLeft || focus == txtTop || focus == txtWidth || focus == txtHeight;
        if (titleBox || numberBox) {
            EXPECT_EQ(dialog.DefaultButton(), titleBox ? cmdChangeTitle : cmdResize) << focus;
            const auto selection = static_cast<DWORD>(SendMessageW(dialog.Control(focus), EM_GETSEL, 0, 0));
            EXPECT_EQ(LOWORD(selection), 0) << focus;
            EXPECT_EQ(HIWORD(selection), dialog.Text(focus).size()) << focus;
        } else if (focus == cmbProcessPriority || focus == txtInfo) {
            EXPECT_EQ(dialog.DefaultButton(), cmdClose) << focus;
        }
    }
}

TEST_F(WindowInfoReport, ClickingIntoABoxSelectsItsWholeTextAndEnterThenUsesItsButton) {
    TargetProcess target(KnownTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    dialog.Click(txtWidth);
    ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == txtWidth; }));
    EXPECT_TRUE(
        WaitUntil([&] { return SendMessageW(dialog.Control(txtWidth), EM_GETSEL, 0, 0) == MAKELONG(0, 3); }));
    EXPECT_EQ(dialog.DefaultButton(), cmdResize);
    dialog.Click(txtWindowTitle);
    EXPECT_TRUE(WaitUntil([&] { return dialog.DefaultButton() == cmdChangeTitle; }));
    dialog.Click(cmdRedraw);
    EXPECT_TRUE(WaitUntil([&] { return dialog.DefaultButton() == cmdClose; }));
}

// A 32-bit program cannot read a 64-bit process's module list; a 64-bit program reads a 32-bit one's.
TEST_F(WindowInfoReport, AProcessOfTheOtherWidth) {
#ifdef _WIN64
    const std::wstring otherBuild = BuildFolder() + L"..\\win32\\TestTarget.exe";
#else
    const std::wstring otherBuild = BuildFolder() + L"..\\win64\\TestTarget.exe";
#endif
    if (GetFileAttributesW(otherBuild.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no TestTarget.exe of the other width beside this build";
    }
    // The test scripts say so when the machine's kernel runs no 32-bit programs, and Wine with it.
    wchar_t runs32Bit[8] = L"";
    GetEnvironmentVariableW(L"DOKKLE_RUNS_32BIT", runs32Bit, 8);
    if (std::wstring(runs32Bit) == L"no") GTEST_SKIP() << "this machine runs no 32-bit programs";
    TargetOptions options = KnownTarget();
    options.executable = otherBuild;
    TargetProcess target(options);
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    const std::vector<std::wstring> lines = dialog.ReportLines();
    ASSERT_GT(lines.size(), 18u);
    EXPECT_EQ(lines[15], L"- 優先度     : 高い (他のアプリケーションより優先的に動作します)");
#ifdef _WIN64
    const std::vector<std::wstring> modules = ModuleLines(target.Handle());
    ASSERT_FALSE(modules.empty());
    EXPECT_EQ(lines[16], L"- 読み込まれたモジュール (" + std::to_wstring(modules.size()) + L"個) : ");
    ASSERT_EQ(lines.size(), 17 + modules.size() + 2);
    for (size_t index = 0; index < modules.size(); ++index) EXPECT_EQ(lines[17 + index], modules[index]);
    EXPECT_NE(lines[17].find(L"\\win32\\TestTarget.exe"), std::wstring::npos) << lines[17];
#else
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[16], L"- 読み込まれたモジュール : 取得失敗");
    EXPECT_EQ(lines[17], L"");
#endif
    EXPECT_EQ(lines.back(), L"- 実行を想定している Windows のバージョン : 5.10");
}

TEST_F(WindowInfoReport, Screenshot) {
    TargetProcess target(KnownTarget());
    const InfoDialog dialog = OpenInfoAt(target.FreePoint());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsTopmost(dialog.Window()));
    RECT client{};
    GetClientRect(dialog.Window(), &client);
    EXPECT_EQ(client.right, 686);
    EXPECT_EQ(client.bottom, 451);
    std::optional<Screenshot> shot;
    POINT origin{0, 0};
    ClientToScreen(dialog.Window(), &origin);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto isFace = [&](int x, int y) {
        const Colour c = shot->At(origin.x + x, origin.y + y);
        return c.red == GetRValue(face) && c.green == GetGValue(face) && c.blue == GetBValue(face);
    };
    const auto darkPixels = [&](RECT area) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const Colour c = shot->At(origin.x + x, origin.y + y);
                count += c.red + c.green + c.blue < 200;
            }
        }
        return count;
    };
    const auto lineAcross = [&](int x, int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            if (!isFace(x, y)) return true;
        }
        return false;
    };
    // Everything the checks below look at; the dialog paints its parts one after another, the last ones
    // after the focus has moved.
    const auto painted = [&] {
        return darkPixels(RECT{10, 10, 676, 23}) > 1000 && darkPixels(RECT{10, 23, 676, 36}) > 250 &&
               isFace(440, 300) && darkPixels(RECT{22, 67, 420, 80}) > 150 &&
               darkPixels(RECT{22, 340, 420, 398}) > 500 && darkPixels(RECT{470, 71, 570, 84}) > 150 &&
               lineAcross(660, 45, 57) && !isFace(10, 200);
    };
    WaitUntil(
        [&] {
            shot.emplace(RectOf(dialog.Window()));
            return painted();
        },
        3000);

    // The warning runs over two lines of Japanese text across the top, and the panels are empty face colour.
    EXPECT_GT(darkPixels(RECT{10, 10, 676, 23}), 1000);
    EXPECT_GT(darkPixels(RECT{10, 23, 676, 36}), 250);
    EXPECT_TRUE(isFace(440, 300));
    // The report is written in the report box, down to the module lines.
    EXPECT_GT(darkPixels(RECT{22, 67, 420, 80}), 150);    // タイトル     : "報告テスト Report"
    EXPECT_GT(darkPixels(RECT{22, 340, 420, 398}), 500);  // modules
    // The operation buttons carry their captions, centred, and the frames their etched lines.
    EXPECT_GT(darkPixels(RECT{470, 71, 570, 84}), 150);  // 常に最前面に表示
    EXPECT_TRUE(lineAcross(660, 45, 57)) << "no line along the window frame's top";
    EXPECT_FALSE(isFace(10, 200)) << "no line along the information frame's left side";
}

}  // namespace
}  // namespace dokkle::e2e
