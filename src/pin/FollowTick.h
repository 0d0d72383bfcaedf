#pragma once
// What a pricked pin does at one tick of its follow timer, in two halves: the fixes put a target with
// fixed position or size back, and the pin follows the target, keeping its offset from the target's
// top-left corner. The pin's half also stands alone, for a target seen moving between ticks.
#include <cstdint>
#include <optional>

#include "common/Geometry.h"
#include "common/WindowPosFlags.h"

namespace dokkle {

struct FollowState {
    Rect target;                // the target's window rectangle now
    Rect pin;                   // the pin's window rectangle now
    bool targetIsForeground;    // the target is the active window
    bool targetIsMinimised;     // the target is minimised: its rectangle is its icon's
    bool pinIsHidden;           // the pin is hidden, as it is while its target is minimised
    bool fixPosition, fixSize;  // the menu's check marks
    int32_t memoryLeft, memoryTop, memoryWidth, memoryHeight;
    int32_t prickedOffsetX, prickedOffsetY;
};

// One SetWindowPos call: the target's goes to the top of its band, the pin's to the topmost band.
struct WindowPosCall {
    int32_t x, y, width, height;
    uint32_t flags;
    friend bool operator==(const WindowPosCall&, const WindowPosCall&) = default;
};

// The fixes: the rectangle the target should have, and the call that puts it there when it is not.
struct TargetCorrection {
    Rect target;
    std::optional<WindowPosCall> targetCall;
};
TargetCorrection DecideTargetCorrection(const FollowState& state);

// The pin on the target's rectangle (as it is, or as the fixes are making it); a target that has just
// been raised to the top of its band takes the pin along, so that it stays above the window it marks.
struct PinFollowing {
    std::optional<WindowPosCall> pinCall;
    int32_t prickedOffsetX, prickedOffsetY;
};
PinFollowing DecidePinFollowing(const FollowState& state, const Rect& target, bool targetRaised);

struct FollowDecision {
    std::optional<WindowPosCall> targetCall;
    std::optional<WindowPosCall> pinCall;
    int32_t prickedOffsetX, prickedOffsetY;
};

// Both halves, the fixes first.
FollowDecision DecideFollowTick(const FollowState& state);

}  // namespace dokkle
