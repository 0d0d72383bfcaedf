#pragma once
// How many SetWindowPos calls the follow timers of this process have made, for measuring idle cost,
// and what the window events of the pins' targets have done. Another process reads the counts through
// registered window messages, which any pin answers.
#include <cstdint>

namespace dokkle::FollowStatistics {

void CountWindowPosCall() noexcept;
uint32_t WindowPosCalls() noexcept;

// Every event that reached a hook, whatever window it was about.
void CountEventReceived() noexcept;
// A SetWindowPos call on a pin made on its target's event.
void CountEventWindowPosCall() noexcept;
// A pin closed on its target's event.
void CountPinClosedOnEvent() noexcept;

// The registered message name; a pin answers it with WindowPosCalls().
inline constexpr const wchar_t* QueryMessageName = L"DOKKLE_FOLLOW_CALLS";

// The registered message name for the events' counts; a pin answers it with the count its wParam names.
inline constexpr const wchar_t* EventQueryMessageName = L"DOKKLE_TARGET_EVENTS";
enum class EventCount : uintptr_t {
    HookedProcesses = 0,  // processes whose events are hooked now
    EventsReceived = 1,   // CountEventReceived so far
    WindowPosCalls = 2,   // CountEventWindowPosCall so far
    PinsClosed = 3,       // CountPinClosedOnEvent so far
};
uint32_t EventCountOf(EventCount count) noexcept;

}  // namespace dokkle::FollowStatistics
