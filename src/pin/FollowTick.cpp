#include "pin/FollowTick.h"

namespace dokkle {

using namespace WindowPosFlags;

FollowDecision DecideFollowTick(const FollowState& state) {
    FollowDecision decision{std::nullopt, std::nullopt, state.prickedOffsetX, state.prickedOffsetY};

    // The rectangle the target should have.
    Rect target = state.target;
    uint32_t targetFlags = NoActivate;
    if (state.fixPosition && (target.left != state.memoryLeft || target.top != state.memoryTop)) {
        // Only the corner moves; with the size not fixed, the width passed is ignored under NoSize.
        target.left = state.memoryLeft;
        target.top = state.memoryTop;
    } else {
        targetFlags |= NoMove;
    }
    if (state.fixSize && (Height(target) != state.memoryHeight || Width(target) != state.memoryWidth)) {
        target.right = Add32(target.left, state.memoryWidth);
        target.bottom = Add32(target.top, state.memoryHeight);
    } else {
        targetFlags |= NoSize;
    }
    if ((targetFlags & (NoMove | NoSize)) != (NoMove | NoSize)) {
        decision.targetCall =
            WindowPosCall{target.left, target.top, Width(target), Height(target), targetFlags};
    }

    // The pin's z-order is touched only while its target is the active window.
    uint32_t pinFlags = NoSize | NoActivate;
    if (!state.targetIsForeground) pinFlags |= NoZOrder;

    // Keep the pin on the target, one axis per tick, x first.
    if (Add32(decision.prickedOffsetX, target.left) > target.right) {
        decision.prickedOffsetX = Subtract32(Width(target), Width(state.pin));
    } else if (Add32(decision.prickedOffsetY, target.top) > target.bottom) {
        decision.prickedOffsetY = Subtract32(Height(target), Height(state.pin));
    }

    Point pin{state.pin.left, state.pin.top};
    const int32_t x = Add32(decision.prickedOffsetX, target.left);
    const int32_t y = Add32(decision.prickedOffsetY, target.top);
    if (pin.y == y && pin.x == x) {
        pinFlags |= NoMove;
    } else {
        pin = Point{x, y};
    }
    if ((pinFlags & (NoMove | NoZOrder)) != (NoMove | NoZOrder)) {
        decision.pinCall = WindowPosCall{pin.x, pin.y, 0, 0, pinFlags};
    }
    return decision;
}

}  // namespace dokkle
