#include "common/modWindowTips.h"

#include <vector>

namespace dokkle::modWindowTips {
namespace {

// Long enough for any thread that is pumping its messages, short enough that nobody notices.
constexpr UINT AnswerTimeoutMilliseconds = 50;

bool Answers(HWND window) {
    if (IsHungAppWindow(window)) return false;
    // SMTO_BLOCK: nothing of ours runs while we ask.
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                               AnswerTimeoutMilliseconds, &ignored) != 0;
}

}  // namespace

std::wstring GetWindowTextString(HWND hWnd) {
    const int length = GetWindowTextLengthW(hWnd);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    // The title may have changed in between; take what was copied, up to its terminator.
    const int copied = GetWindowTextW(hWnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

HWND FramedAncestor(HWND hWnd) {
    HWND framed = nullptr;
    do {
        framed = hWnd;
        if (GetWindowLongW(hWnd, GWL_STYLE) & WS_DLGFRAME) break;
        hWnd = GetParent(hWnd);
    } while (hWnd);
    return framed;
}

BOOL SetWindowPosWithoutStalling(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    const bool otherThread = GetWindowThreadProcessId(hWnd, nullptr) != GetCurrentThreadId();
    if (otherThread && !Answers(hWnd)) uFlags |= SWP_ASYNCWINDOWPOS;
    return SetWindowPos(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags);
}

}  // namespace dokkle::modWindowTips
