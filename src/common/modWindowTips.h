#pragma once
#include <windows.h>

#include <string>

namespace dokkle::modWindowTips {

// The window's title text alone; empty for an untitled window or a handle that names no window.
std::wstring GetWindowTextString(HWND hWnd);

// The window itself or its nearest ancestor (parent, or owner as GetParent reports it) with a dialog
// frame, which every window with a title bar has; failing that, the last window up the chain.
HWND FramedAncestor(HWND hWnd);

// SetWindowPos that never stalls on another program's window: a window whose thread does not answer
// at once gets the change posted (SWP_ASYNCWINDOWPOS), to take effect when that thread answers again.
// A window of this thread, or one that answers, gets the plain call, whose result comes back; while a
// plain call waits for another thread, messages sent to this thread are handled, any handler included.
BOOL SetWindowPosWithoutStalling(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);

}  // namespace dokkle::modWindowTips
