#pragma once
#include <windows.h>

#include <string>

namespace dokkle::modWindowTips {

// The window's title text alone; empty for an untitled window or a handle that names no window.
std::wstring GetWindowTextString(HWND hWnd);

}  // namespace dokkle::modWindowTips
