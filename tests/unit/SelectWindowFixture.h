#pragma once
// The selection dialog loaded inside the test process (hidden, without its modal loop), with windows
// of the test's own to list, and the questions a test asks of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Win32Handles.h"
#include "tools/frmSelectWindow.h"

namespace dokkle::testing {

class SelectWindowTest : public ::testing::Test {
  protected:
    // A top-level window of this process, hidden unless asked for, placed on the screen.
    HWND MakeWindow(const std::wstring& title, RECT bounds = {100, 100, 400, 300}, DWORD extendedStyle = 0,
                    HWND owner = nullptr);
    // A new dialog, handed a window and loaded: laid out, topmost, its list filled.
    void Open(HWND target);

    HWND Item(int id) const { return GetDlgItem(dialog->Window(), id); }
    // What a control tells its dialog: a click, a change, a focus.
    void Notify(int id, int code) const;
    void Click(int id) const;
    // The user selects a line of the list (-1: none).
    void ChooseLine(int line) const;
    void TypeKeyword(const std::wstring& keyword) const;
    void PressMapAt(int32_t x, int32_t y, UINT buttonMessage = WM_LBUTTONDOWN) const;

    std::vector<std::wstring> Lines() const;
    std::optional<size_t> SelectedLine() const;
    std::optional<size_t> LineOf(HWND window) const;
    static std::wstring LineFor(HWND window, const std::wstring& title);
    bool IsOkEnabled() const;

    std::unique_ptr<frmSelectWindow> dialog;
    std::vector<unique_hwnd> windows;
};

}  // namespace dokkle::testing
