#pragma once
// The window selection dialog as another program sees it: its window, its controls, the lines of its
// list and the screen points of its map.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/Geometry.h"

namespace dokkle::e2e {

// The dialog's caption on the display the test runs on: Dokkle speaks Japanese on a Japanese display and
// English on any other.
const wchar_t* SelectDialogCaption();

class SelectDialogView {
  public:
    // The process's visible dialog, once it has appeared; null if it does not within the time.
    static HWND WaitForDialog(DWORD processId, int timeoutMilliseconds = 5000,
                              const wchar_t* caption = SelectDialogCaption());

    explicit SelectDialogView(HWND dialog) : dialog_(dialog) {}

    HWND Handle() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    // A control's bounds relative to the dialog's client area.
    RECT ControlBounds(int id) const;
    POINT ControlCentre(int id) const;
    // A control's text, asked of the control itself (GetWindowText reads no other program's edit box).
    std::wstring ControlText(int id) const;

    std::vector<std::wstring> Lines() const;
    std::optional<size_t> SelectedLine() const;
    std::optional<size_t> LineOf(HWND window) const;
    // The dialog's line for a window: its handle's eight hexadecimal digits, a tab, its title.
    static std::wstring ExpectedLine(HWND window, const std::wstring& title);

    // The screen point of a map pixel, and the map rectangle of a window's screen rectangle.
    POINT ScreenPointOfMapPixel(Point pixel) const;
    static Rect MapRectOf(const RECT& screen);

  private:
    HWND dialog_;
};

}  // namespace dokkle::e2e
