#include "pin/FollowStatistics.h"

#include "pin/TargetEventHooks.h"

namespace dokkle::FollowStatistics {
namespace {

uint32_t calls = 0;
uint32_t eventsReceived = 0;
uint32_t eventCalls = 0;
uint32_t pinsClosedOnEvents = 0;

}  // namespace

void CountWindowPosCall() noexcept {
    ++calls;
}

uint32_t WindowPosCalls() noexcept {
    return calls;
}

void CountEventReceived() noexcept {
    ++eventsReceived;
}

void CountEventWindowPosCall() noexcept {
    ++eventCalls;
}

void CountPinClosedOnEvent() noexcept {
    ++pinsClosedOnEvents;
}

uint32_t EventCountOf(EventCount count) noexcept {
    switch (count) {
        case EventCount::HookedProcesses:
            return static_cast<uint32_t>(TargetEventHooks::HookedProcesses());
        case EventCount::EventsReceived:
            return eventsReceived;
        case EventCount::WindowPosCalls:
            return eventCalls;
        case EventCount::PinsClosed:
            return pinsClosedOnEvents;
    }
    return 0;
}

}  // namespace dokkle::FollowStatistics
