#include "pin/FollowTick.h"

namespace dokkle {

using namespace WindowPosFlags;

TargetCorrection DecideTargetCorrection(const FollowState& state) {
    TargetCorrection correction{state.target, std::nullopt};
    // A minimised window's rectangle is its icon's: the fixes wait until it is restored.
    if (state.targetIsMinimised) return correction;

    Rect& target = correction.target;
    uint32_t flags = NoActivate;
    if (state.fixPosition && (target.left != state.memoryLeft || target.top != state.memoryTop)) {
        // Only the corner moves; with the size not fixed, the width passed is ignored under NoSize.
        target.left = state.memoryLeft;
        target.top = state.memoryTop;
    } else {
        flags |= NoMove;
    }
    if (state.fixSize && (Height(target) != state.memoryHeight || Width(target) != state.memoryWidth)) {
        target.right = Add32(target.left, state.memoryWidth);
        target.bottom = Add32(target.top, state.memoryHeight);
    } else {
        flags |= NoSize;
    }
    if ((flags & (NoMove | NoSize)) != (NoMove | NoSize)) {
        correction.targetCall = WindowPosCall{target.left, target.top, Width(target), Height(target), flags};
    }
    return correction;
}

PinFollowing DecidePinFollowing(const FollowState& state, const Rect& target, bool targetRaised) {
    PinFollowing following{std::nullopt, state.prickedOffsetX, state.prickedOffsetY};
    // The pin hides with its target and keeps its offsets for the target's return.
    if (state.targetIsMinimised) {
        if (!state.pinIsHidden) {
            following.pinCall = WindowPosCall{state.pin.left, state.pin.top, 0, 0,
                                              NoSize | NoMove | NoZOrder | NoActivate | HideWindow};
        }
        return following;
    }

    // The pin's z-order is touched while its target is the active window, and whenever the target has
    // just been raised or the pin comes back.
    uint32_t flags = NoSize | NoActivate;
    if (state.pinIsHidden) {
        flags |= ShowWindow;
    } else if (!state.targetIsForeground && !targetRaised) {
        flags |= NoZOrder;
    }

    // Keep the pin on the target, one axis per tick, x first.
    if (Add32(following.prickedOffsetX, target.left) > target.right) {
        following.prickedOffsetX = Subtract32(Width(target), Width(state.pin));
    } else if (Add32(following.prickedOffsetY, target.top) > target.bottom) {
        following.prickedOffsetY = Subtract32(Height(target), Height(state.pin));
    }

    Point pin{state.pin.left, state.pin.top};
    const int32_t x = Add32(following.prickedOffsetX, target.left);
    const int32_t y = Add32(following.prickedOffsetY, target.top);
    if (pin.y == y && pin.x == x) {
        flags |= NoMove;
    } else {
        pin = Point{x, y};
    }
    if ((flags & (NoMove | NoZOrder)) != (NoMove | NoZOrder)) {
        following.pinCall = WindowPosCall{pin.x, pin.y, 0, 0, flags};
    }
    return following;
}

FollowDecision DecideFollowTick(const FollowState& state) {
    const TargetCorrection correction = DecideTargetCorrection(state);
    const PinFollowing following =
        DecidePinFollowing(state, correction.target, correction.targetCall.has_value());
    return FollowDecision{correction.targetCall, following.pinCall, following.prickedOffsetX,
                          following.prickedOffsetY};
}

}  // namespace dokkle
