#include "pin/FollowTick.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

// A 400 x 300 target at (100, 100) with a 20 x 30 pin at offset (50, 10), both fixes off.
FollowState Still() {
    FollowState state{};
    state.target = Rect{100, 100, 500, 400};
    state.pin = Rect{150, 110, 170, 140};
    state.prickedOffsetX = 50;
    state.prickedOffsetY = 10;
    state.memoryLeft = 100;
    state.memoryTop = 100;
    state.memoryWidth = 400;
    state.memoryHeight = 300;
    return state;
}

TEST(FollowTick, TargetInactiveAndStillMakesNoCallAtAll) {
    const FollowDecision decision = DecideFollowTick(Still());
    EXPECT_FALSE(decision.targetCall);
    EXPECT_FALSE(decision.pinCall);
    EXPECT_EQ(decision.prickedOffsetX, 50);
    EXPECT_EQ(decision.prickedOffsetY, 10);
}

TEST(FollowTick, TargetActiveAndStillRaisesThePinOnly) {
    FollowState state = Still();
    state.targetIsForeground = true;
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_FALSE(decision.targetCall);
    EXPECT_EQ(decision.pinCall, (WindowPosCall{150, 110, 0, 0, 0x0013}));
}

TEST(FollowTick, TargetMovedMovesThePinByTheSameAmountAndLeavesTheTargetAlone) {
    FollowState state = Still();
    state.target = Rect{150, 100, 550, 400};
    FollowDecision decision = DecideFollowTick(state);
    EXPECT_FALSE(decision.targetCall);
    EXPECT_EQ(decision.pinCall, (WindowPosCall{200, 110, 0, 0, 0x0015}));

    state.targetIsForeground = true;
    decision = DecideFollowTick(state);
    EXPECT_EQ(decision.pinCall, (WindowPosCall{200, 110, 0, 0, 0x0011}));
}

TEST(FollowTick, FixedPositionPutsTheCornerBackAndKeepsTheSize) {
    FollowState state = Still();
    state.fixPosition = true;
    state.target = Rect{300, 250, 700, 550};  // dragged away, same size
    const FollowDecision decision = DecideFollowTick(state);
    // With the size not fixed the width passed is right minus the remembered left, ignored under NoSize.
    EXPECT_EQ(decision.targetCall, (WindowPosCall{100, 100, 600, 450, 0x0011}));
    EXPECT_FALSE(decision.pinCall);  // the pin stays where the target is put back
}

TEST(FollowTick, FixedSizeRestoresTheSizeAtTheCurrentPosition) {
    FollowState state = Still();
    state.fixSize = true;
    state.target = Rect{120, 130, 320, 230};
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_EQ(decision.targetCall, (WindowPosCall{120, 130, 400, 300, 0x0012}));
    EXPECT_EQ(decision.pinCall, (WindowPosCall{170, 140, 0, 0, 0x0015}));
}

TEST(FollowTick, BothFixesRestoreTheWholeRectangleInOneCall) {
    FollowState state = Still();
    state.fixPosition = state.fixSize = true;
    state.target = Rect{10, 20, 110, 70};
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_EQ(decision.targetCall, (WindowPosCall{100, 100, 400, 300, 0x0010}));
    EXPECT_FALSE(decision.pinCall);
}

TEST(FollowTick, FixesAlreadySatisfiedMakeNoTargetCall) {
    FollowState state = Still();
    state.fixPosition = state.fixSize = true;
    EXPECT_FALSE(DecideFollowTick(state).targetCall);
}

TEST(FollowTick, APinBeyondTheRightEdgeIsClampedFirstAndTheBottomAtTheNextTick) {
    FollowState state = Still();
    state.prickedOffsetX = 350;
    state.prickedOffsetY = 280;
    state.pin = Rect{450, 380, 470, 410};
    state.target = Rect{100, 100, 300, 200};  // shrunk to 200 x 100
    FollowDecision decision = DecideFollowTick(state);
    EXPECT_EQ(decision.prickedOffsetX, 180);  // target width minus pin width
    EXPECT_EQ(decision.prickedOffsetY, 280);  // not yet
    EXPECT_EQ(decision.pinCall, (WindowPosCall{280, 380, 0, 0, 0x0015}));

    state.prickedOffsetX = decision.prickedOffsetX;
    state.pin = Rect{280, 380, 300, 410};
    decision = DecideFollowTick(state);
    EXPECT_EQ(decision.prickedOffsetX, 180);
    EXPECT_EQ(decision.prickedOffsetY, 70);  // target height minus pin height
    EXPECT_EQ(decision.pinCall, (WindowPosCall{280, 170, 0, 0, 0x0015}));
}

TEST(FollowTick, APinLeftOfOrAboveTheTargetIsNeverCorrected) {
    FollowState state = Still();
    state.prickedOffsetX = -30;
    state.prickedOffsetY = -40;
    state.pin = Rect{70, 60, 90, 90};
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_EQ(decision.prickedOffsetX, -30);
    EXPECT_EQ(decision.prickedOffsetY, -40);
    EXPECT_FALSE(decision.pinCall);
}

TEST(FollowTick, AnOffsetExactlyOnTheEdgeStays) {
    FollowState state = Still();
    state.prickedOffsetX = 400;  // left edge on the target's right edge
    state.pin = Rect{500, 110, 520, 140};
    EXPECT_EQ(DecideFollowTick(state).prickedOffsetX, 400);
}

TEST(FollowTick, ExtremeCoordinatesWrapInsteadOfOverflowing) {
    FollowState state = Still();
    state.target = Rect{INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX};
    state.fixSize = true;
    state.memoryWidth = state.memoryHeight = 100;
    const FollowDecision decision = DecideFollowTick(state);
    ASSERT_TRUE(decision.targetCall);
    EXPECT_EQ(decision.targetCall->width, 100);
    EXPECT_EQ(decision.targetCall->flags, 0x0012u);
}

}  // namespace
}  // namespace dokkle
