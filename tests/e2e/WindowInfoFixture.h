#pragma once
// The window information dialog of a running Dokkle, seen and driven from outside: its controls by
// their identifiers, their texts read across the process boundary, and its message boxes.
#include <windows.h>

#include <string>
#include <vector>

#include "PinFixture.h"
#include "tools/frmWindowInfoLayout.h"

namespace dokkle::e2e {

using namespace frmWindowInfoLayout;

class InfoDialog {
  public:
    explicit InfoDialog(HWND window = nullptr) : window_(window) {}

    HWND Window() const { return window_; }
    explicit operator bool() const { return window_ != nullptr; }
    HWND Control(ControlId id) const { return GetDlgItem(window_, id); }
    POINT Centre(ControlId id) const;

    // A control's text, through WM_GETTEXT, which the system carries across processes.
    std::wstring Text(ControlId id) const;
    // The report, line by line, without the CR LF of each; a line that lacks it ends the list with "<no CR
    // LF>".
    std::vector<std::wstring> ReportLines() const;
    void SetText(ControlId id, const std::wstring& text) const;
    ControlId DefaultButton() const;
    ControlId Focus() const;
    int PrioritySelection() const;

    void Click(ControlId id) const;
    // Answers once the dialog has handled everything sent before.
    bool Responds() const;

  private:
    HWND window_;
};

class WindowInfoTest : public PinTest {
  protected:
    // Sticks a new pin into the window under the point and opens the dialog from its menu.
    InfoDialog OpenInfoAt(POINT point);
    // Opens the dialog again from the menu of the pin already stuck.
    InfoDialog OpenInfo();

    HWND FindInfoDialog() const;
    HWND FindMessageBox() const;
    // Waits for one of Dokkle's message boxes and returns its text (empty if none came).
    std::wstring MessageBoxText();
    // Answers the message box with a key and waits until it has gone.
    bool AnswerMessageBox(WORD key);

    // The pin tip's point relative to the target's window rectangle, as the dialog should post it.
    uint32_t ExpectedPoint(HWND target) const;

    HWND pin = nullptr;
};

// "0x" and eight or more upper-case hexadecimal digits.
std::wstring Hex(uint64_t value);
// What the report says of each module of the process: "  - handle : path".
std::vector<std::wstring> ModuleLines(HANDLE process);

}  // namespace dokkle::e2e
