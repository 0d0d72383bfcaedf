#pragma once
// The system-wide hotkey that pins the active window, or pulls out this process's pins from it. One per
// process, on the copy's own window (CopyWindow): it works on while any pin lives, the main pin closed
// or not.
#include <windows.h>

namespace dokkle::ActiveWindowHotkey {

// Registers the combination of the settings file (section "Hotkey", key "PinActiveWindow"; Ctrl+Alt+P
// by default, "none" for no hotkey) on the window. A setting that cannot be read, or a combination that
// another program holds, leaves the program without the hotkey. The version box names the hotkey, or
// says why there is none.
void Start(HWND window);
// The window received WM_HOTKEY with this identifier.
void Pressed(WPARAM id);
// Lets the combination go, for the next copy to take.
void Stop();

}  // namespace dokkle::ActiveWindowHotkey
