#pragma once
// The system-wide hotkey that pins the active window, or pulls out this process's pins from it. One per
// process, on a message-only window of its own that is no form: it keeps nothing alive, and works on
// while any pin lives, the main pin closed or not.
namespace dokkle::ActiveWindowHotkey {

// Registers the combination of the settings file (section "Hotkey", key "PinActiveWindow"; Ctrl+Alt+P
// by default, "none" for no hotkey). A setting that cannot be read, or a combination that another
// program holds, leaves the program without the hotkey, and the version box says why.
void Start();

}  // namespace dokkle::ActiveWindowHotkey
