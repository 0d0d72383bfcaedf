#include "common/BaseDialog.h"

#include <vector>

#include "common/DialogPlacement.h"
#include "common/FormLifetime.h"

namespace dokkle {
namespace {

// A dialog template with no controls, no menu, the default class and no title (set afterwards in Unicode).
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

struct DisabledWindows {
    HWND dialog;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableOtherWindow(HWND window, LPARAM parameter) {
    auto* disabled = reinterpret_cast<DisabledWindows*>(parameter);
    if (window != disabled->dialog && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled->windows.push_back(window);
    }
    return TRUE;
}

// The longest a wait goes without asking whether it is over.
constexpr DWORD WaitSliceMilliseconds = 20;

// A key or a mouse message for the dialog or one of its controls, which a dialog that waits drops.
bool IsInputFor(HWND dialog, const MSG& message) {
    const bool input = (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) ||
                       (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) ||
                       (message.message >= WM_NCMOUSEMOVE && message.message <= WM_NCXBUTTONDBLCLK);
    return input && (message.hwnd == dialog || IsChild(dialog, message.hwnd));
}

}  // namespace

BaseDialog::~BaseDialog() {
    if (!window_) return;
    HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrW(window, DWLP_USER, 0);
    DestroyWindow(window);
    FormLifetime::FormClosed();
}

bool BaseDialog::CreateDialogWindow(const std::wstring& caption, DWORD style, SIZE clientSize) {
    if (window_) return true;
    EmptyDialogTemplate dialogTemplate{};
    dialogTemplate.header.style = style;
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialogTemplate.header, nullptr, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (!window_) return false;
    SetWindowTextW(window_, caption.c_str());
    RECT bounds{0, 0, clientSize.cx, clientSize.cy};
    AdjustWindowRectEx(&bounds, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OnInitDialog();
    return true;
}

void BaseDialog::ShowModal() {
    if (!window_) return;
    if (IsWindowVisible(window_)) {
        SetForegroundWindow(window_);
        return;
    }
    DisabledWindows disabled{window_, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOtherWindow, reinterpret_cast<LPARAM>(&disabled));
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    // The dialog manager focuses the first tab stop at WM_INITDIALOG, before OnInitDialog has made any.
    HWND first = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (first && !IsChild(window_, GetFocus())) {
        SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }

    // Forms that close meanwhile are deleted by the outer loop, not here: the handler that opened this
    // dialog may belong to one of them and is still on the stack.
    MSG message{};
    while (window_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window_ || !IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));

    for (HWND window : disabled.windows) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

bool BaseDialog::WaitWithoutInput(const std::function<bool()>& done) {
    if (!window_) return false;
    HWND focus = GetFocus();
    EnableWindow(window_, FALSE);
    bool quit = false;
    while (window_ && !quit && !done()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, WaitSliceMilliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG message{};
        while (window_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                quit = true;
                break;
            }
            if (IsInputFor(window_, message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (!window_) return false;
    EnableWindow(window_, TRUE);
    if (focus && IsChild(window_, focus)) SetFocus(focus);
    return !quit;
}

void BaseDialog::CloseDialog() {
    if (window_) DestroyWindow(window_);
}

INT_PTR CALLBACK BaseDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    BaseDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<BaseDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
        FormLifetime::FormOpened();
        return TRUE;
    }
    self = reinterpret_cast<BaseDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;

    bool handled = false;
    try {
        handled = self->HandleDialogMessage(message, wParam, lParam);
    } catch (...) {
        handled = false;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->window_ = nullptr;
        FormLifetime::FormClosed();
    }
    return handled ? TRUE : FALSE;
}

void BaseDialog::PlaceOnScreen() {
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    const RECT& work = monitor.rcWork;
    const Point corner = PlaceDialog(Rect{work.left, work.top, work.right, work.bottom},
                                     bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetWindowPos(window_, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace dokkle
