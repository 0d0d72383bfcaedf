// The follow timer: a carried pin stays on the cursor, a pricked one on its target.
#include "common/modWindowTips.h"
#include "pin/FollowTick.h"
#include "pin/FollowStatistics.h"
#include "pin/TargetEventHooks.h"
#include "pin/frmMain.h"

namespace dokkle {
namespace {

static_assert(WindowPosFlags::NoSize == SWP_NOSIZE && WindowPosFlags::NoMove == SWP_NOMOVE &&
              WindowPosFlags::NoZOrder == SWP_NOZORDER && WindowPosFlags::NoActivate == SWP_NOACTIVATE &&
              WindowPosFlags::ShowWindow == SWP_SHOWWINDOW && WindowPosFlags::HideWindow == SWP_HIDEWINDOW);

Rect ToRect(const RECT& rect) {
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

// Asked again only when the target's rectangle changes, as it does when a window is minimised or
// restored: each question about another program's window is a round trip to the window system.
bool frmMain::TargetIsMinimised(const RECT& target) {
    if (hTarget != minimisedAsked_.window || !EqualRect(&target, &minimisedAsked_.bounds)) {
        minimisedAsked_ = {hTarget, target, IsIconic(hTarget) != FALSE};
    }
    return minimisedAsked_.minimised;
}

FollowState frmMain::ReadFollowState() {
    RECT target{};
    GetWindowRect(hTarget, &target);
    FollowState state{};
    state.target = ToRect(target);
    state.pin = ToRect(WindowBounds());
    state.targetIsForeground = GetForegroundWindow() == hTarget;
    // A minimised window lies where its icon is: on Windows far off the screen, under Wine without a
    // window manager in the bottom-left corner.
    state.targetIsMinimised = TargetIsMinimised(target);
    state.pinIsHidden = !IsWindowVisible(Window());
    state.fixPosition = frmMenuInst->Checked(frmMenu::mnuPopupRememberPos);
    state.fixSize = frmMenuInst->Checked(frmMenu::mnuPopupRememberSize);
    state.memoryLeft = MemoryLeft;
    state.memoryTop = MemoryTop;
    state.memoryWidth = MemoryWidth;
    state.memoryHeight = MemoryHeight;
    state.prickedOffsetX = PrickedOffsetX;
    state.prickedOffsetY = PrickedOffsetY;
    return state;
}

void frmMain::timKicker_Timer() {
    if (!IsPricked) {
        Form_MouseMove(0, 0, 0, 0);
        return;
    }
    if (!IsWindow(hTarget)) {
        Close();
        return;
    }

    const FollowDecision decision = DecideFollowTick(ReadFollowState());
    if (decision.targetCall) {
        const WindowPosCall& call = *decision.targetCall;
        modWindowTips::SetWindowPosWithoutStalling(hTarget, HWND_TOP, call.x, call.y, call.width, call.height,
                                                   call.flags);
        FollowStatistics::CountWindowPosCall();
        if (IsClosed()) return;
    }
    if (ApplyPinFollowing(decision.pinCall, decision.prickedOffsetX, decision.prickedOffsetY)) {
        FollowStatistics::CountWindowPosCall();
    }
}

bool frmMain::ApplyPinFollowing(const std::optional<WindowPosCall>& pinCall, int32_t offsetX,
                                int32_t offsetY) {
    PrickedOffsetX = offsetX;
    PrickedOffsetY = offsetY;
    if (!pinCall) return false;
    SetWindowPos(Window(), HWND_TOPMOST, pinCall->x, pinCall->y, 0, 0, pinCall->flags);
    return true;
}

void frmMain::TargetEvent(HWND window, TargetEventAction action) {
    // The event may have been on its way while the pin closed, was pulled out or went elsewhere.
    if (IsClosed() || !IsPricked || window != hTarget) return;
    if (action == TargetEventAction::Close) {
        Close();
        FollowStatistics::CountPinClosedOnEvent();
        return;
    }
    if (!IsWindow(hTarget)) {
        Close();
        return;
    }
    // The pin's half of the tick alone: the fixes wait for the tick, so a window being dragged is not
    // pushed back at every step of the drag.
    const FollowState state = ReadFollowState();
    const PinFollowing following = DecidePinFollowing(state, state.target, false);
    if (ApplyPinFollowing(following.pinCall, following.prickedOffsetX, following.prickedOffsetY)) {
        FollowStatistics::CountEventWindowPosCall();
    }
}

void frmMain::Unprick() {
    if (!IsPricked) return;
    // Cleared first: the call may run the unload step, whose own Unprick must find nothing left to do.
    IsPricked = false;
    TargetEventHooks::PinReleased(Window());
    // Another pin still stuck into the window keeps it on top.
    if (!PinsStuckInto(hTarget).empty()) return;
    modWindowTips::SetWindowPosWithoutStalling(hTarget, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace dokkle
