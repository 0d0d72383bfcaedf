#pragma once
// What a pricked pin does at one tick of its follow timer: put a target with fixed position or size
// back, and keep the pin at its offset from the target's top-left corner.
#include <cstdint>
#include <optional>

#include "common/Geometry.h"

namespace dokkle {

// SetWindowPos flags, by their values in the window system.
namespace WindowPosFlags {
constexpr uint32_t NoSize = 0x0001;
constexpr uint32_t NoMove = 0x0002;
constexpr uint32_t NoZOrder = 0x0004;
constexpr uint32_t NoActivate = 0x0010;
}  // namespace WindowPosFlags

struct FollowState {
    Rect target;                // the target's window rectangle now
    Rect pin;                   // the pin's window rectangle now
    bool targetIsForeground;    // the target is the active window
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

struct FollowDecision {
    std::optional<WindowPosCall> targetCall;
    std::optional<WindowPosCall> pinCall;
    int32_t prickedOffsetX, prickedOffsetY;
};

FollowDecision DecideFollowTick(const FollowState& state);

}  // namespace dokkle
