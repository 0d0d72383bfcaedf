// The dialogs' texts fit their controls at the screen's resolution: run at 96 dots per inch with the
// other unit tests, and at 192 in the test rig's second prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "InLanguage.h"
#include "common/Win32Handles.h"
#include "tools/frmSelectWindow.h"
#include "tools/frmWindowInfo.h"

namespace dokkle {
namespace {

std::wstring ClassOf(HWND control) {
    wchar_t name[64] = L"";
    GetClassNameW(control, name, 64);
    return name;
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK CollectControl(HWND control, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(control);
    return TRUE;
}

// Every entry of a drop-down list fits beside its arrow button.
void ExpectEntriesFit(HWND list) {
    unique_hdc_window dc = dokkle::GetDC(list);
    unique_select_object font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    RECT client{};
    GetClientRect(list, &client);
    const int room = client.right - GetSystemMetrics(SM_CXVSCROLL) - 6;
    const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 0);
    for (int index = 0; index < count; ++index) {
        std::wstring entry(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
        entry.resize(static_cast<size_t>(
            SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()))));
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), entry.c_str(), static_cast<int>(entry.size()), &size);
        EXPECT_LE(size.cx, room) << "the entry " << index << " of list " << GetDlgCtrlID(list);
    }
}

// Every caption of a label or button, and the line height of every box, fits inside its control.
void ExpectNothingClipped(HWND dialog) {
    std::vector<HWND> controls;
    EnumChildWindows(dialog, CollectControl, reinterpret_cast<LPARAM>(&controls));
    ASSERT_FALSE(controls.empty());
    unique_hdc_window dc = dokkle::GetDC(dialog);
    for (HWND control : controls) {
        const std::wstring kind = ClassOf(control);
        const bool label = kind == L"Static", button = kind == L"Button", box = kind == L"Edit";
        if (kind == L"ComboBox") {
            ExpectEntriesFit(control);
            continue;
        }
        if (!label && !button && !box) continue;
        RECT client{};
        GetClientRect(control, &client);
        if (client.right == 0) continue;  // a container
        unique_select_object font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        const std::wstring text = box ? std::wstring(L"Ag国") : TextOf(control);
        // A button's face loses a few pixels to its edges; a box's text its margins.
        const int inset = button ? 6 : box ? 4 : 0;
        RECT needed{0, 0, client.right - inset, 0};
        const UINT format = DT_CALCRECT | (label ? DT_WORDBREAK : 0);
        DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed, format);
        const std::string name =
            std::string(kind.begin(), kind.end()) + " " + std::to_string(GetDlgCtrlID(control));
        EXPECT_LE(needed.right, client.right - inset) << name << " is " << client.right << " wide";
        EXPECT_LE(needed.bottom, client.bottom - (button ? 4 : 0))
            << name << " is " << client.right << " x " << client.bottom << ", its text needs " << needed.right
            << " x " << needed.bottom;
    }
}

TEST(DialogLayout, TheSelectionDialogsTextsFitTheirControls) {
    frmSelectWindow dialog;
    ASSERT_TRUE(dialog.Load());
    ExpectNothingClipped(dialog.Window());
}

TEST(DialogLayout, TheInformationDialogsTextsFitTheirControls) {
    frmWindowInfo dialog;
    ASSERT_TRUE(dialog.LoadInfo(GetDesktopWindow()));
    ExpectNothingClipped(dialog.Window());
}

TEST(DialogLayout, TheSelectionDialogsEnglishTextsFitTheirControls) {
    testing::InLanguage english(Language::English);
    frmSelectWindow dialog;
    ASSERT_TRUE(dialog.Load());
    ExpectNothingClipped(dialog.Window());
}

TEST(DialogLayout, TheInformationDialogsEnglishTextsFitTheirControls) {
    testing::InLanguage english(Language::English);
    frmWindowInfo dialog;
    ASSERT_TRUE(dialog.LoadInfo(GetDesktopWindow()));
    ExpectNothingClipped(dialog.Window());
}

}  // namespace
}  // namespace dokkle
