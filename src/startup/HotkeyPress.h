#pragma once
// What a press of the pin-the-active-window hotkey does, from what the foreground window is.

namespace dokkle {

struct ForegroundFacts {
    bool exists = false;            // there is a foreground window
    bool ofDokkle = false;          // a pin, a menu or a dialog of this copy of Dokkle or of any other
    bool isDesktopOrShell = false;  // the desktop, the taskbar or another window of the shell
    bool hasOurPin = false;         // one of our pins is stuck into its framed window or a child of it
};

enum class HotkeyAction { Nothing, Pin, Unpin };

HotkeyAction DecideHotkeyPress(const ForegroundFacts& facts);

}  // namespace dokkle
