#pragma once
// Subclasses windows with one shared procedure and tells the listeners registered on a window of every
// message it gets, before and after the window's own procedure. Two fixed tables of five entries;
// an entry's index is its identity and entries never move.
#include <windows.h>

#include <memory>
#include <string>

namespace dokkle {

class clsMessageListener;

namespace modMessageHooking {

constexpr int HookCapacity = 5;
constexpr int ListenerCapacity = 5;

// The listener entry's index, or -1 when the table is full or the window cannot be hooked.
int AddListener(HWND hWnd, const std::shared_ptr<clsMessageListener>& Listener);
void RemoveListener(int Index);

int HookWindow(HWND hWnd);
int FindHook(HWND hWnd);
// False when the window's previous procedure could not be put back; the entry is freed either way.
bool UnhookWindow(int HookIndex);

LRESULT CALLBACK HookProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) noexcept;

// The outcome of the last AddListener or RemoveListener, for diagnosis.
const std::wstring& LastResultText();

}  // namespace modMessageHooking
}  // namespace dokkle
