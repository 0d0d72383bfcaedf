#include "common/BaseWindow.h"

#include "common/FormLifetime.h"

namespace dokkle {

BaseWindow::~BaseWindow() {
    if (!window_) return;
    // The object is going first: detach it so the destroy messages reach no half-destroyed object.
    HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
    FormLifetime::FormClosed();
}

void BaseWindow::RegisterWindowClass(WNDCLASSEXW windowClass) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) return;
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    RegisterClassExW(&windowClass);
}

HWND BaseWindow::CreateFormWindow(DWORD exStyle, const wchar_t* className, const wchar_t* caption,
                                  DWORD style, RECT bounds, HWND parent) {
    return CreateWindowExW(exStyle, className, caption, style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                           GetModuleHandleW(nullptr), this);
}

LRESULT CALLBACK BaseWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    BaseWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
        self->hadWindow_ = true;
        FormLifetime::FormOpened();
    } else {
        self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // No failure may cross back into the window system.
        result = DefWindowProcW(window, message, wParam, lParam);
    }

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        FormLifetime::FormClosed();
        self->OnWindowGone();
    }
    return result;
}

}  // namespace dokkle
