#pragma once
// The subclassing calls of the common controls library, which is loaded only when they are first used:
// linked in, it would be loaded from the side-by-side store before the program starts, although only
// the information dialog needs it. The manifest still gives every dialog the version 6 controls.
#include <windows.h>

#include <commctrl.h>

namespace dokkle::CommonControlsLibrary {

// As the library's functions of the same names; FALSE, or DefWindowProcW's answer, when the library
// cannot be loaded.
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) noexcept;
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) noexcept;
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace dokkle::CommonControlsLibrary
