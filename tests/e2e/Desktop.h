#pragma once
// What a user does and sees on the desktop, for the end-to-end tests: waiting for a state while
// pumping messages, the mouse and keyboard through SendInput, and window facts read through Win32.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dokkle::e2e {

// Polls until the condition holds or the time is up; keeps this thread's windows answering meanwhile.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 5000);
void PumpMessagesFor(int milliseconds);

void MoveMouseTo(POINT point);
void LeftClickAt(POINT point, const std::vector<WORD>& heldKeys = {});
void LeftDoubleClickAt(POINT point);
void RightClickAt(POINT point);
void LeftPress();
void LeftRelease();
void PressKey(WORD virtualKey);
// Presses the keys in order and releases them in reverse, as one input: a combination such as Ctrl+Alt+P.
void PressKeys(const std::vector<WORD>& virtualKeys);
// Types the text as characters, whatever the keyboard layout.
void TypeText(const std::wstring& text);
POINT CursorPosition();

std::wstring TitleOf(HWND window);
std::wstring ClassOf(HWND window);
RECT RectOf(HWND window);
// The work area (the screen less the taskbar) of the monitor under the mouse cursor.
RECT WorkAreaUnderCursor();
bool IsTopmost(HWND window);
// The texts of a window's child controls, another process's included.
std::vector<std::wstring> TextsOf(HWND window);
// Whether the first window lies above the second in the z-order.
bool IsAbove(HWND upper, HWND lower);

}  // namespace dokkle::e2e
