#include "messaging/modMessageHooking.h"

#include "common/Catalogue.h"
#include "messaging/clsMessageListener.h"

namespace dokkle::modMessageHooking {
namespace {

struct HookEntry {
    HWND hWnd = nullptr;
    WNDPROC PrevWndProc = nullptr;
};

struct ListenerEntry {
    HWND hWnd = nullptr;
    std::shared_ptr<clsMessageListener> Listener;
    int HookIndex = -1;
};

HookEntry Hooks[HookCapacity];
ListenerEntry Listeners[ListenerCapacity];
std::wstring lastResultText;

bool HasListenerOn(int hookIndex) {
    for (const ListenerEntry& entry : Listeners) {
        if (entry.Listener && entry.HookIndex == hookIndex) return true;
    }
    return false;
}

enum class Phase { Before, After };

// Reads the entry afresh: an earlier listener's handler may have started or ended registrations.
void Notify(int index, Phase phase, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) noexcept {
    // A local reference keeps the listener alive even if its own handler ends its registration.
    std::shared_ptr<clsMessageListener> listener = Listeners[index].Listener;
    if (!listener || Listeners[index].hWnd != hWnd) return;
    try {
        if (phase == Phase::Before) {
            listener->CallBefore(uMsg, wParam, lParam);
        } else {
            listener->CallAfter(uMsg, wParam, lParam);
        }
    } catch (...) {
        // A failing listener must not keep the message from the window or from the other listeners.
    }
}

LRESULT CallPrevious(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) noexcept {
    const int hookIndex = FindHook(hWnd);
    if (hookIndex >= 0) return CallWindowProcW(Hooks[hookIndex].PrevWndProc, hWnd, uMsg, wParam, lParam);
    // The hook was ended during this very message (a BeforeArrival handler removed the last listener),
    // or another subclass still forwards to us: the window's own procedure is the one now installed.
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    if (current && current != HookProc) return CallWindowProcW(current, hWnd, uMsg, wParam, lParam);
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

}  // namespace

int AddListener(HWND hWnd, const std::shared_ptr<clsMessageListener>& Listener) {
    for (int index = 0; index < ListenerCapacity; ++index) {
        ListenerEntry& entry = Listeners[index];
        if (entry.Listener) continue;
        entry.HookIndex = HookWindow(hWnd);
        entry.hWnd = hWnd;
        if (entry.HookIndex < 0) {
            lastResultText = Text(TextName::HookResultHookFailed);
            return -1;
        }
        entry.Listener = Listener;
        lastResultText = Text(TextName::HookResultDone);
        return index;
    }
    lastResultText = Text(TextName::HookResultListenersFull);
    return -1;
}

void RemoveListener(int Index) {
    if (Index < 0) return;
    if (Index >= ListenerCapacity || !Listeners[Index].Listener || Listeners[Index].HookIndex < 0) {
        lastResultText = Text(TextName::HookResultNoSuchListener);
        return;
    }
    ListenerEntry& entry = Listeners[Index];
    const int hookIndex = entry.HookIndex;
    entry.HookIndex = -1;
    // Moved out first so that the listener's destruction, if this was the last reference, sees a free entry.
    std::shared_ptr<clsMessageListener> released = std::move(entry.Listener);
    entry.Listener.reset();

    if (HasListenerOn(hookIndex)) {
        lastResultText = Text(TextName::HookResultDone);
        return;
    }
    lastResultText =
        Text(UnhookWindow(hookIndex) ? TextName::HookResultDone : TextName::HookResultUnhookFailed);
}

int HookWindow(HWND hWnd) {
    const int existing = FindHook(hWnd);
    if (existing >= 0) return existing;
    for (int index = 0; index < HookCapacity; ++index) {
        HookEntry& entry = Hooks[index];
        if (entry.hWnd) continue;
        const LONG_PTR previous =
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc));
        if (previous == 0) return -1;
        entry.PrevWndProc = reinterpret_cast<WNDPROC>(previous);
        entry.hWnd = hWnd;
        return index;
    }
    return -1;
}

int FindHook(HWND hWnd) {
    if (!hWnd) return -1;
    for (int index = 0; index < HookCapacity; ++index) {
        if (Hooks[index].hWnd == hWnd) return index;
    }
    return -1;
}

bool UnhookWindow(int HookIndex) {
    if (HookIndex < 0 || HookIndex >= HookCapacity) return false;
    HookEntry& entry = Hooks[HookIndex];
    SetLastError(ERROR_SUCCESS);
    const LONG_PTR previous =
        SetWindowLongPtrW(entry.hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.PrevWndProc));
    const bool restored = previous != 0 || GetLastError() == ERROR_SUCCESS;
    entry.hWnd = nullptr;
    entry.PrevWndProc = nullptr;
    return restored;
}

LRESULT CALLBACK HookProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) noexcept {
    for (int index = 0; index < ListenerCapacity; ++index) {
        Notify(index, Phase::Before, hWnd, uMsg, wParam, lParam);
    }
    const LRESULT result = CallPrevious(hWnd, uMsg, wParam, lParam);
    for (int index = 0; index < ListenerCapacity; ++index) {
        Notify(index, Phase::After, hWnd, uMsg, wParam, lParam);
    }
    return result;
}

const std::wstring& LastResultText() {
    return lastResultText;
}

}  // namespace dokkle::modMessageHooking
