#pragma once
// The window events of the processes that own the pins' targets: one hook for each such process,
// shared by its pins, made when the first pin is stuck into one of its windows and removed with the
// last. An event for a window that some pin is stuck into now runs that pin's reaction at once; the
// follow timer stays as the fallback for targets whose events never come.
#include <windows.h>

#include <cstddef>

namespace dokkle::TargetEventHooks {

// The pin has been stuck into the window (and out of any other).
void PinStuck(HWND pin, HWND target);
// The pin is stuck into nothing any more.
void PinReleased(HWND pin) noexcept;
// How many processes' events are hooked now.
size_t HookedProcesses() noexcept;

}  // namespace dokkle::TargetEventHooks
