#include "common/modWindowTips.h"

#include <vector>

#include "common/UnansweredWindows.h"
#include "common/WindowPosFlags.h"

namespace dokkle::modWindowTips {
namespace {

static_assert(WindowPosFlags::AsyncWindowPos == SWP_ASYNCWINDOWPOS);

// Long enough for any thread that is pumping its messages, short enough that nobody notices.
constexpr UINT AnswerTimeoutMilliseconds = 50;
// A title is worth a little more patience, as it can go no other way than as a sent message.
constexpr UINT TitleTimeoutMilliseconds = 500;

bool Answers(HWND window) {
    if (IsHungAppWindow(window)) return false;
    // SMTO_BLOCK: nothing of ours runs while we ask.
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                               AnswerTimeoutMilliseconds, &ignored) != 0;
}

UnansweredWindows& Unanswered() {
    static UnansweredWindows windows;
    return windows;
}

uintptr_t KeyOf(HWND window) {
    return reinterpret_cast<uintptr_t>(window);
}

WindowPosRequest RequestOf(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return WindowPosRequest{reinterpret_cast<intptr_t>(insertAfter), x, y, cx, cy, flags};
}

BOOL Apply(HWND window, const WindowPosRequest& request, UINT extraFlags) {
    return SetWindowPos(window, reinterpret_cast<HWND>(request.insertAfter), request.x, request.y,
                        request.width, request.height, request.flags | extraFlags);
}

void CALLBACK WindowAnswered(HWND window, UINT, ULONG_PTR, LRESULT) noexcept;

// Posts the change, and asks for word once the window has handled it; false if it could not be posted.
bool PostAndWait(HWND window, const WindowPosRequest& request) {
    if (!Apply(window, request, SWP_ASYNCWINDOWPOS)) return false;
    if (SendMessageCallbackW(window, WM_NULL, 0, 0, WindowAnswered, 0)) {
        Unanswered().Wait(KeyOf(window), GetWindowThreadProcessId(window, nullptr), GetTickCount64());
    }
    return true;
}

// The window has handled what was posted to it: what was asked of it meanwhile goes now, as one change.
void CALLBACK WindowAnswered(HWND window, UINT, ULONG_PTR, LRESULT) noexcept {
    try {
        const std::optional<WindowPosRequest> next = Unanswered().Answered(KeyOf(window), GetTickCount64());
        if (next && !PostAndWait(window, *next)) Unanswered().Forget(KeyOf(window));
    } catch (...) {
        // Nothing more is posted; the next request asks the window afresh.
        Unanswered().Forget(KeyOf(window));
    }
}

void ForgetGoneWindows() {
    Unanswered().ForgetGone([](uintptr_t key, uint32_t thread) {
        HWND window = reinterpret_cast<HWND>(key);
        return !IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != thread;
    });
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
    if (GetWindowThreadProcessId(hWnd, nullptr) == GetCurrentThreadId()) {
        return SetWindowPos(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags);
    }
    ForgetGoneWindows();
    UnansweredWindows& unanswered = Unanswered();
    const WindowPosRequest request = RequestOf(hWndInsertAfter, X, Y, cx, cy, uFlags);
    const uint64_t now = GetTickCount64();
    if (!unanswered.ShouldAsk(KeyOf(hWnd), now)) {
        unanswered.Join(KeyOf(hWnd), request);
        return TRUE;
    }
    if (Answers(hWnd)) {
        // What waited for it goes with this call.
        const std::optional<WindowPosRequest> waiting = unanswered.Forget(KeyOf(hWnd));
        return Apply(hWnd, waiting ? Combine(*waiting, request) : request, 0);
    }
    if (unanswered.IsWaitedFor(KeyOf(hWnd))) {
        unanswered.Join(KeyOf(hWnd), request);
        unanswered.AskedAgain(KeyOf(hWnd), now);
        return TRUE;
    }
    return PostAndWait(hWnd, request) ? TRUE : FALSE;
}

bool SetWindowTextWithoutStalling(HWND hWnd, const std::wstring& text) {
    if (GetWindowThreadProcessId(hWnd, nullptr) == GetCurrentThreadId()) {
        return SetWindowTextW(hWnd, text.c_str()) != FALSE;
    }
    if (IsHungAppWindow(hWnd)) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_BLOCK | SMTO_ABORTIFHUNG, TitleTimeoutMilliseconds, &result) != 0 &&
           result != FALSE;
}

}  // namespace dokkle::modWindowTips
