// The window information dialog inside the test process, on windows of known state: its window, its
// controls and what LoadInfo fills in, without showing it.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "tools/frmWindowInfo.h"

namespace dokkle {
namespace {

using namespace frmWindowInfoLayout;

class FramedWindow {
  public:
    explicit FramedWindow(const wchar_t* title)
        : window_(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW, 40, 50, 320, 200, nullptr,
                                  nullptr, nullptr, nullptr)) {}
    ~FramedWindow() { DestroyWindow(window_); }
    FramedWindow(const FramedWindow&) = delete;
    FramedWindow& operator=(const FramedWindow&) = delete;
    HWND Handle() const { return window_; }

  private:
    HWND window_;
};

// Presses OK on every message box of this process captioned "Dokkle", from another thread, and keeps
// the last text it saw.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer()
        : thread_([this] {
              while (!stop_) {
                  if (HWND box = FindWindowW(L"#32770", L"Dokkle")) {
                      wchar_t text[256] = {};
                      GetDlgItemTextW(box, 0xFFFF, text, 256);
                      lastText_ = text;
                      ++answered_;
                      SendMessageW(box, WM_COMMAND, IDOK, 0);
                  }
                  Sleep(10);
              }
          }) {}
    ~MessageBoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    int Answered() const { return answered_; }
    std::wstring LastText() const { return lastText_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int> answered_{0};
    std::wstring lastText_;
    std::thread thread_;
};

std::wstring TextOf(HWND control) {
    wchar_t text[4096] = {};
    GetWindowTextW(control, text, 4096);
    return text;
}

std::wstring FaceOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfFaceName;
}

TEST(WindowInfoDialog, LoadInfoBuildsTheHiddenDialogAndFillsItFromTheWindow) {
    FramedWindow target(L"対象ウィンドウ");
    frmWindowInfo dialog;
    ASSERT_TRUE(dialog.LoadInfo(target.Handle()));
    HWND window = dialog.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));

    EXPECT_EQ(TextOf(window), L"ウィンドウの情報と操作");
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME, 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 686);
    EXPECT_EQ(client.bottom, 451);

    EXPECT_EQ(TextOf(GetDlgItem(window, txtWindowTitle)), L"対象ウィンドウ");
    EXPECT_EQ(TextOf(GetDlgItem(window, txtLeft)), L"40");
    EXPECT_EQ(TextOf(GetDlgItem(window, txtTop)), L"50");
    EXPECT_EQ(TextOf(GetDlgItem(window, txtWidth)), L"320");
    EXPECT_EQ(TextOf(GetDlgItem(window, txtHeight)), L"200");
    EXPECT_EQ(TextOf(GetDlgItem(window, txtInfo))
                  .rfind(L"タイトル     : \"対象ウィンドウ\"\r\n\r\n左上端の座標 : (40, 50)\r\n", 0),
              0u);
    EXPECT_EQ(LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0)), cmdClose);
}

TEST(WindowInfoDialog, ThePriorityListOffersFourEntriesAndSelectsTheProcesssClass) {
    FramedWindow target(L"priority");
    frmWindowInfo dialog;
    ASSERT_TRUE(dialog.LoadInfo(target.Handle()));
    HWND list = GetDlgItem(dialog.Window(), cmbProcessPriority);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 4);
    const wchar_t* entries[] = {L"最高", L"高い", L"通常", L"低い"};
    for (int index = 0; index < 4; ++index) {
        wchar_t text[32] = {};
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, entries[index]);
    }
    ASSERT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 2);
}

TEST(WindowInfoDialog, TheReportHasAFixedPitchFontAndEverythingElseTheFormsFont) {
    FramedWindow target(L"fonts");
    frmWindowInfo dialog;
    ASSERT_TRUE(dialog.LoadInfo(target.Handle()));
    EXPECT_EQ(FaceOf(GetDlgItem(dialog.Window(), txtInfo)), L"ＭＳ ゴシック");
    for (ControlId id : {cmdTopmost, txtLeft, cmbProcessPriority, lblWarning, fraWindow, cmdClose}) {
        EXPECT_EQ(FaceOf(GetDlgItem(dialog.Window(), id)), L"MS UI Gothic") << id;
    }
    const LONG reportStyle = GetWindowLongW(GetDlgItem(dialog.Window(), txtInfo), GWL_STYLE);
    EXPECT_EQ(reportStyle & (ES_MULTILINE | ES_READONLY | WS_VSCROLL),
              ES_MULTILINE | ES_READONLY | WS_VSCROLL);
}

TEST(WindowInfoDialog, AClosedWindowIsReportedClosedAndTheDialogKeepsItsLastTarget) {
    FramedWindow first(L"first");
    frmWindowInfo dialog;
    ASSERT_TRUE(dialog.LoadInfo(first.Handle()));
    HWND gone =
        CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);

    MessageBoxAnswerer answerer;
    EXPECT_FALSE(dialog.LoadInfo(gone));
    EXPECT_EQ(answerer.Answered(), 1);
    wchar_t expected[64];
    swprintf(expected, 64, L"ハンドル 0x%08X のウィンドウは閉じられました。",
             static_cast<unsigned>(reinterpret_cast<uintptr_t>(gone)));
    EXPECT_EQ(answerer.LastText(), expected);
    EXPECT_EQ(dialog.Window(), nullptr) << "the dialog closes";

    // The next opening starts from the last report that succeeded.
    ASSERT_TRUE(dialog.LoadInfo(first.Handle()));
    EXPECT_EQ(TextOf(GetDlgItem(dialog.Window(), txtWindowTitle)), L"first");
}

}  // namespace
}  // namespace dokkle
