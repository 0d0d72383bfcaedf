#pragma once
#include <windows.h>

#include <string>

namespace dokkle::modWindowTips {

// The window's title text alone; empty for an untitled window or a handle that names no window.
std::wstring GetWindowTextString(HWND hWnd);

// The window itself or its nearest ancestor (parent, or owner as GetParent reports it) with a dialog
// frame, which every window with a title bar has; failing that, the last window up the chain.
HWND FramedAncestor(HWND hWnd);

// SetWindowPos that never stalls on another program's window. A window of this thread, or one that
// answers at once when asked, gets the plain call, whose result comes back; while a plain call waits for
// another thread, messages sent to this thread are handled, any handler included. A window that does not
// answer gets the change posted (SWP_ASYNCWINDOWPOS), to take effect when its thread answers again, and
// is remembered until then: what is asked of it meanwhile is not asked of it again but waits, combined
// into one change that is posted when its answer comes, and it is asked again only once a second.
BOOL SetWindowPosWithoutStalling(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);

// SetWindowText that never stalls on another program's window: a title carries text, so it must be
// sent, and a window that is hung or does not take it within half a second keeps its title.
bool SetWindowTextWithoutStalling(HWND hWnd, const std::wstring& text);

}  // namespace dokkle::modWindowTips
