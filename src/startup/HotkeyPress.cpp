#include "startup/HotkeyPress.h"

namespace dokkle {

HotkeyAction DecideHotkeyPress(const ForegroundFacts& facts) {
    if (!facts.exists || facts.ofDokkle || facts.isDesktopOrShell) return HotkeyAction::Nothing;
    return facts.hasOurPin ? HotkeyAction::Unpin : HotkeyAction::Pin;
}

}  // namespace dokkle
