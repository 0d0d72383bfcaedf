#pragma once
// The window of this copy of Dokkle itself: message-only, made at the start and kept for the whole run,
// the main pin closed or not. A later launch's hand-off and the hotkey arrive here. It is no form: it
// keeps nothing alive. Any process that owns a window of its class is a copy of Dokkle.
#include <windows.h>

namespace dokkle::CopyWindow {

inline constexpr const wchar_t* ClassName = L"DokkleCopy";

// Makes the window; null if it could not be made.
HWND Create();
HWND Window();
// Gone with the copy's end: hand-offs sent from now on fail at once.
void Destroy();

// Whether the window is a copy's own window, of this copy or another.
bool IsCopyWindow(HWND window);
// Whether the window belongs to a copy of Dokkle: this one, or another that runs from anywhere.
bool IsDokkleWindow(HWND window);

}  // namespace dokkle::CopyWindow
