#pragma once
// A window handle together with what identifies the window behind it: the thread and process that
// own it and its class. A handle whose window has closed and been given to a new window no longer
// matches, so the dialog never acts on some other window that reused the handle.
#include <windows.h>

namespace dokkle {

struct WindowIdentity {
    HWND window = nullptr;
    DWORD threadId = 0;
    DWORD processId = 0;
    ATOM windowClass = 0;
};

WindowIdentity IdentityOf(HWND window);
// True while the handle still names the same window.
bool StillNamesTheSameWindow(const WindowIdentity& identity);

}  // namespace dokkle
