#include "common/UnansweredWindows.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

constexpr uintptr_t Hung = 0x1234;
constexpr uintptr_t Other = 0x5678;
constexpr uint32_t Thread = 7;

// The fixes' call putting a window back at (100, 100), and a pin's unload step taking it out of the
// topmost band.
constexpr WindowPosRequest PutBack{0, 100, 100, 0, 0, 0x0011};
constexpr WindowPosRequest NotTopmost{-2, 0, 0, 0, 0, 0x0003};

TEST(UnansweredWindows, AWindowNotWaitedForIsAskedFirst) {
    const UnansweredWindows windows;
    EXPECT_TRUE(windows.ShouldAsk(Hung, 0));
    EXPECT_FALSE(windows.IsWaitedFor(Hung));
}

TEST(UnansweredWindows, AWindowWaitedForIsNotAskedAgainForASecond) {
    UnansweredWindows windows;
    windows.Wait(Hung, Thread, 5000);
    EXPECT_TRUE(windows.IsWaitedFor(Hung));
    EXPECT_FALSE(windows.ShouldAsk(Hung, 5000));
    EXPECT_FALSE(windows.ShouldAsk(Hung, 5999));
    EXPECT_TRUE(windows.ShouldAsk(Hung, 6000));
    EXPECT_TRUE(windows.ShouldAsk(Other, 5000));

    windows.AskedAgain(Hung, 6000);
    EXPECT_FALSE(windows.ShouldAsk(Hung, 6999));
    EXPECT_TRUE(windows.ShouldAsk(Hung, 7000));
}

TEST(UnansweredWindows, RequestsMeanwhileWaitAsOneAndArePostedWhenTheAnswerComes) {
    UnansweredWindows windows;
    windows.Wait(Hung, Thread, 0);
    for (int tick = 0; tick < 40; ++tick) windows.Join(Hung, PutBack);
    windows.Join(Hung, NotTopmost);
    EXPECT_EQ(windows.Size(), 1u);

    // Put back at (100, 100) and taken out of the topmost band, in one call that activates as the
    // second did.
    const std::optional<WindowPosRequest> next = windows.Answered(Hung, 900);
    EXPECT_EQ(next, (WindowPosRequest{-2, 100, 100, 0, 0, 0x0001}));
    // Still waited for, until the answer to what was posted now comes.
    EXPECT_TRUE(windows.IsWaitedFor(Hung));
    EXPECT_FALSE(windows.ShouldAsk(Hung, 1000));
    EXPECT_EQ(windows.Answered(Hung, 1000), std::nullopt);
    EXPECT_FALSE(windows.IsWaitedFor(Hung));
    EXPECT_EQ(windows.Size(), 0u);
}

TEST(UnansweredWindows, AnAnswerWithNothingWaitingForgetsTheWindow) {
    UnansweredWindows windows;
    windows.Wait(Hung, Thread, 0);
    EXPECT_EQ(windows.Answered(Hung, 10), std::nullopt);
    EXPECT_TRUE(windows.ShouldAsk(Hung, 10));
}

TEST(UnansweredWindows, AnAnswerFromAWindowNotWaitedForChangesNothing) {
    UnansweredWindows windows;
    windows.Wait(Hung, Thread, 0);
    windows.Join(Hung, PutBack);
    EXPECT_EQ(windows.Answered(Other, 10), std::nullopt);
    windows.Join(Other, NotTopmost);
    EXPECT_EQ(windows.Size(), 1u);
    EXPECT_EQ(windows.Forget(Hung), PutBack);
}

TEST(UnansweredWindows, AWindowThatAnswersWhenAskedAgainIsForgottenAndHandsBackWhatWaited) {
    UnansweredWindows windows;
    windows.Wait(Hung, Thread, 0);
    windows.Join(Hung, NotTopmost);
    EXPECT_EQ(windows.Forget(Hung), NotTopmost);
    EXPECT_FALSE(windows.IsWaitedFor(Hung));
    EXPECT_EQ(windows.Forget(Hung), std::nullopt);
}

TEST(UnansweredWindows, WindowsThatAreGoneAreForgotten) {
    UnansweredWindows windows;
    windows.Wait(Hung, Thread, 0);
    windows.Wait(Other, Thread + 1, 0);
    windows.ForgetGone(
        [](uintptr_t window, uint32_t thread) { return window == Other && thread == Thread + 1; });
    EXPECT_TRUE(windows.IsWaitedFor(Hung));
    EXPECT_FALSE(windows.IsWaitedFor(Other));
    EXPECT_EQ(windows.Size(), 1u);
}

TEST(UnansweredWindows, WaitingAgainForAWindowKeepsOneEntry) {
    UnansweredWindows windows;
    windows.Wait(Hung, Thread, 0);
    windows.Join(Hung, PutBack);
    windows.Wait(Hung, Thread, 3000);
    EXPECT_EQ(windows.Size(), 1u);
    EXPECT_FALSE(windows.ShouldAsk(Hung, 3999));
    EXPECT_EQ(windows.Forget(Hung), PutBack);
}

}  // namespace
}  // namespace dokkle
