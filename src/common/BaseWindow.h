#pragma once
// One window procedure thunk for all of the program's windows: the object is taken from
// CREATESTRUCT at WM_NCCREATE, kept in GWLP_USERDATA and let go at WM_NCDESTROY.
#include <windows.h>

namespace dokkle {

class BaseWindow {
  public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;
    virtual ~BaseWindow();

    HWND Window() const noexcept { return window_; }
    // True once the window has been destroyed; code that may have closed its own form checks this.
    bool IsClosed() const noexcept { return window_ == nullptr; }
    // True once the window has been created at all (it may have gone again since).
    bool HadWindow() const noexcept { return hadWindow_; }

  protected:
    // Registers the class on first use, with the common window procedure.
    static void RegisterWindowClass(WNDCLASSEXW windowClass);
    HWND CreateFormWindow(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style,
                          RECT bounds, HWND parent = nullptr);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Called after WM_NCDESTROY; a window that owns itself hands itself to FormLifetime here.
    virtual void OnWindowGone() {}

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        return DefWindowProcW(window_, message, wParam, lParam);
    }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND window_ = nullptr;
    bool hadWindow_ = false;
};

}  // namespace dokkle
