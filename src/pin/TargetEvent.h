#pragma once
// What a pin does when the window system reports an event for the window it is stuck into. The pin
// half of the follow tick runs at once for a move or an activation; a window destroyed closes its pins.
// The fixes are left to the tick, so that a window being dragged is not pushed back at every step.
#include <cstdint>

namespace dokkle {

// The window system's event numbers and object identifiers, by their values, for a decision that
// includes no <windows.h>.
namespace WinEvents {

constexpr uint32_t SystemForeground = 0x0003;
constexpr uint32_t ObjectDestroy = 0x8001;
constexpr uint32_t ObjectLocationChange = 0x800B;
// The event concerns the window itself, not a part of it (its client area, caret, scroll bars...).
constexpr int32_t ObjectIdWindow = 0;
constexpr int32_t ChildIdSelf = 0;

// The events a target's process is hooked for, each on its own so that nothing between them wakes us.
inline constexpr uint32_t Hooked[] = {SystemForeground, ObjectDestroy, ObjectLocationChange};

}  // namespace WinEvents

enum class TargetEventAction {
    None,    // not about a window as a whole, or an event pins do not follow
    Follow,  // the pin half of the tick: the pin moves with the window, and rises while it is active
    Close,   // the window is gone: its pins close
};

TargetEventAction DecideTargetEvent(uint32_t event, int32_t objectId, int32_t childId);

}  // namespace dokkle
