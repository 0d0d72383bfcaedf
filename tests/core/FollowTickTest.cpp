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
    // The pin stays where the target is put back, and is raised above it, which the call has raised.
    EXPECT_EQ(decision.pinCall, (WindowPosCall{150, 110, 0, 0, 0x0013}));
}

TEST(FollowTick, FixedSizeRestoresTheSizeAtTheCurrentPosition) {
    FollowState state = Still();
    state.fixSize = true;
    state.target = Rect{120, 130, 320, 230};
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_EQ(decision.targetCall, (WindowPosCall{120, 130, 400, 300, 0x0012}));
    EXPECT_EQ(decision.pinCall, (WindowPosCall{170, 140, 0, 0, 0x0011}));
}

TEST(FollowTick, BothFixesRestoreTheWholeRectangleInOneCall) {
    FollowState state = Still();
    state.fixPosition = state.fixSize = true;
    state.target = Rect{10, 20, 110, 70};
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_EQ(decision.targetCall, (WindowPosCall{100, 100, 400, 300, 0x0010}));
    EXPECT_EQ(decision.pinCall, (WindowPosCall{150, 110, 0, 0, 0x0013}));
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

// Each kind of fix with its target out of place, and the pin at its place on the corrected target or
// away from it, with the target active or not. The corrected target is always (100, 100)-(500, 400),
// where the pin belongs at (150, 110).
struct PinAfterFixCase {
    const char* name;
    bool fixPosition, fixSize;
    Rect target;
    std::optional<WindowPosCall> targetCall;
    bool targetIsForeground;
    Rect pin;
    std::optional<WindowPosCall> pinCall;
};

constexpr Rect InPlace{150, 110, 170, 140};
constexpr Rect Away{160, 130, 180, 160};

// clang-format off
const PinAfterFixCase PinAfterFixCases[] = {
    {"no fix, inactive, in place", false, false, {100, 100, 500, 400}, std::nullopt, false, InPlace, std::nullopt},
    {"no fix, inactive, away", false, false, {100, 100, 500, 400}, std::nullopt, false, Away, WindowPosCall{150, 110, 0, 0, 0x0015}},
    {"no fix, active, in place", false, false, {100, 100, 500, 400}, std::nullopt, true, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"no fix, active, away", false, false, {100, 100, 500, 400}, std::nullopt, true, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
    {"fixes kept, inactive, in place", true, true, {100, 100, 500, 400}, std::nullopt, false, InPlace, std::nullopt},
    {"fixes kept, inactive, away", true, true, {100, 100, 500, 400}, std::nullopt, false, Away, WindowPosCall{150, 110, 0, 0, 0x0015}},
    {"fixes kept, active, in place", true, true, {100, 100, 500, 400}, std::nullopt, true, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"fixes kept, active, away", true, true, {100, 100, 500, 400}, std::nullopt, true, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
    {"position put back, inactive, in place", true, false, {300, 250, 700, 550}, WindowPosCall{100, 100, 600, 450, 0x0011}, false, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"position put back, inactive, away", true, false, {300, 250, 700, 550}, WindowPosCall{100, 100, 600, 450, 0x0011}, false, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
    {"position put back, active, in place", true, false, {300, 250, 700, 550}, WindowPosCall{100, 100, 600, 450, 0x0011}, true, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"position put back, active, away", true, false, {300, 250, 700, 550}, WindowPosCall{100, 100, 600, 450, 0x0011}, true, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
    {"size put back, inactive, in place", false, true, {100, 100, 300, 200}, WindowPosCall{100, 100, 400, 300, 0x0012}, false, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"size put back, inactive, away", false, true, {100, 100, 300, 200}, WindowPosCall{100, 100, 400, 300, 0x0012}, false, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
    {"size put back, active, in place", false, true, {100, 100, 300, 200}, WindowPosCall{100, 100, 400, 300, 0x0012}, true, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"size put back, active, away", false, true, {100, 100, 300, 200}, WindowPosCall{100, 100, 400, 300, 0x0012}, true, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
    {"both put back, inactive, in place", true, true, {10, 20, 110, 70}, WindowPosCall{100, 100, 400, 300, 0x0010}, false, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"both put back, inactive, away", true, true, {10, 20, 110, 70}, WindowPosCall{100, 100, 400, 300, 0x0010}, false, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
    {"both put back, active, in place", true, true, {10, 20, 110, 70}, WindowPosCall{100, 100, 400, 300, 0x0010}, true, InPlace, WindowPosCall{150, 110, 0, 0, 0x0013}},
    {"both put back, active, away", true, true, {10, 20, 110, 70}, WindowPosCall{100, 100, 400, 300, 0x0010}, true, Away, WindowPosCall{150, 110, 0, 0, 0x0011}},
};
// clang-format on

TEST(FollowTick, AfterEveryCorrectionThePinIsRaisedAboveItsTargetInTheSameTick) {
    for (const PinAfterFixCase& row : PinAfterFixCases) {
        FollowState state = Still();
        state.fixPosition = row.fixPosition;
        state.fixSize = row.fixSize;
        state.target = row.target;
        state.targetIsForeground = row.targetIsForeground;
        state.pin = row.pin;
        const FollowDecision decision = DecideFollowTick(state);
        EXPECT_EQ(decision.targetCall, row.targetCall) << row.name;
        EXPECT_EQ(decision.pinCall, row.pinCall) << row.name;
        EXPECT_EQ(decision.prickedOffsetX, 50) << row.name;
        EXPECT_EQ(decision.prickedOffsetY, 10) << row.name;
    }
}

TEST(FollowTick, ThePinsHalfAloneRaisesThePinOnlyWhenTold) {
    const FollowState state = Still();
    EXPECT_FALSE(DecidePinFollowing(state, state.target, false).pinCall);
    EXPECT_EQ(DecidePinFollowing(state, state.target, true).pinCall, (WindowPosCall{150, 110, 0, 0, 0x0013}));
    const PinFollowing moved = DecidePinFollowing(state, Rect{130, 100, 530, 400}, false);
    EXPECT_EQ(moved.pinCall, (WindowPosCall{180, 110, 0, 0, 0x0015}));
}

// Wine without a window manager lays a minimised window in the bottom-left corner of a 1024 x 768
// screen; Windows puts it at (-32000, -32000).
constexpr Rect WineIcon{0, 744, 160, 768};
constexpr Rect WindowsIcon{-32000, -32000, -31840, -31976};

// A pin at offset (300, 200) on its target, which no icon is wide or tall enough to hold.
FollowState Minimised(Rect icon) {
    FollowState state = Still();
    state.target = icon;
    state.targetIsMinimised = true;
    state.prickedOffsetX = 300;
    state.prickedOffsetY = 200;
    state.pin = Rect{400, 300, 420, 330};
    return state;
}

TEST(FollowTick, AMinimisedTargetHidesThePinWhichKeepsItsOffsets) {
    for (const Rect icon : {WineIcon, WindowsIcon}) {
        for (const bool active : {false, true}) {
            FollowState state = Minimised(icon);
            state.targetIsForeground = active;
            const FollowDecision decision = DecideFollowTick(state);
            EXPECT_FALSE(decision.targetCall);
            EXPECT_EQ(decision.pinCall, (WindowPosCall{400, 300, 0, 0, 0x0097}));
            EXPECT_EQ(decision.prickedOffsetX, 300);
            EXPECT_EQ(decision.prickedOffsetY, 200);

            state.pinIsHidden = true;
            const FollowDecision hidden = DecideFollowTick(state);
            EXPECT_FALSE(hidden.pinCall);
            EXPECT_EQ(hidden.prickedOffsetX, 300);
            EXPECT_EQ(hidden.prickedOffsetY, 200);
        }
    }
}

TEST(FollowTick, AMinimisedTargetIsNotPutBackByTheFixes) {
    FollowState state = Minimised(WineIcon);
    state.pinIsHidden = true;
    state.fixPosition = state.fixSize = true;
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_FALSE(decision.targetCall);
    EXPECT_FALSE(decision.pinCall);
}

TEST(FollowTick, ARestoredTargetShowsThePinAtItsOffsetsAboveIt) {
    FollowState state = Minimised(WineIcon);
    state.targetIsMinimised = false;
    state.pinIsHidden = true;
    state.target = Rect{100, 100, 500, 400};
    EXPECT_EQ(DecideFollowTick(state).pinCall, (WindowPosCall{400, 300, 0, 0, 0x0053}));  // where it was
    state.target = Rect{120, 90, 520, 390};
    const FollowDecision moved = DecideFollowTick(state);
    EXPECT_EQ(moved.pinCall, (WindowPosCall{420, 290, 0, 0, 0x0051}));
    EXPECT_EQ(moved.prickedOffsetX, 300);
    EXPECT_EQ(moved.prickedOffsetY, 200);

    state.fixPosition = true;  // put back to (100, 100) in the same tick, and the pin shown there
    const FollowDecision fixed = DecideFollowTick(state);
    EXPECT_EQ(fixed.targetCall, (WindowPosCall{100, 100, 420, 290, 0x0011}));
    EXPECT_EQ(fixed.pinCall, (WindowPosCall{400, 300, 0, 0, 0x0053}));
}

TEST(FollowTick, AShrunkTargetThatIsNotMinimisedStillClampsThePin) {
    FollowState state = Minimised(WineIcon);
    state.targetIsMinimised = false;
    const FollowDecision decision = DecideFollowTick(state);
    EXPECT_EQ(decision.prickedOffsetX, 140);                               // 160 wide, less the pin's 20
    EXPECT_EQ(decision.pinCall, (WindowPosCall{140, 944, 0, 0, 0x0015}));  // y: 200 below its top
}

}  // namespace
}  // namespace dokkle
