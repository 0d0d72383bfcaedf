#pragma once
// The program's dialogs: a dialog window made from an empty template, whose controls the dialog lays
// out in code, shown modal to the whole program. Enter, Esc, Tab and the default button work as in any
// dialog; a dialog counts as an open form, so the program lives while one is shown.
#include <windows.h>

#include <functional>
#include <string>

namespace dokkle {

class BaseDialog {
  public:
    BaseDialog() = default;
    BaseDialog(const BaseDialog&) = delete;
    BaseDialog& operator=(const BaseDialog&) = delete;
    virtual ~BaseDialog();

    HWND Window() const noexcept { return window_; }

    // Creates the dialog window, hidden, with the given client size in pixels; OnInitDialog lays it out.
    bool CreateDialogWindow(const std::wstring& caption, DWORD style, SIZE clientSize);
    // Shows the dialog and returns once it has closed. Every other window of the program is disabled
    // meanwhile; their timers keep running. A dialog already showing is only brought to the front.
    void ShowModal();
    // Ends the dialog window (the object stays, with whatever the dialog keeps).
    void CloseDialog();

  protected:
    // Lets the program's messages flow, the pins' timers included, until done() holds, while the dialog
    // takes no input; done is asked at least every few tens of milliseconds. False when the dialog has
    // closed meanwhile or the program is ending: then nothing more is to be done.
    bool WaitWithoutInput(const std::function<bool()>& done);

    // Centres the dialog on the work area of the monitor under the cursor, where the user is working,
    // wholly inside it where it fits.
    void PlaceOnScreen();

    // Called once the window exists and before it is shown.
    virtual void OnInitDialog() = 0;
    // The dialog's own handling: true when the message was handled (result in DWLP_MSGRESULT if needed).
    virtual bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND window_ = nullptr;
};

}  // namespace dokkle
