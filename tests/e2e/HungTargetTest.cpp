// A target whose thread stops handling its messages: its own pin can still be closed and stuck into
// it, the other pins go on following, and launches still hand off. It gets the z-order changes when
// it answers again, and however many pins want it back in its place, one change waits for it.
#include "PinFixture.h"
#include "SuspendedThread.h"

namespace dokkle::e2e {
namespace {

class HungTarget : public PinTest {
  protected:
    void SetUp() override {
        PinTest::SetUp();
        TargetOptions liveOptions, hungOptions;
        liveOptions.title = L"Live";
        liveOptions.bounds = RECT{40, 120, 440, 420};
        hungOptions.title = L"Hung";
        hungOptions.bounds = RECT{540, 120, 940, 420};
        hungOptions.recordMessages = true;
        live = std::make_unique<TargetProcess>(liveOptions);
        hung = std::make_unique<TargetProcess>(hungOptions);
    }

    // The pin on the live window follows it when it moves.
    bool PinFollowsLiveTarget(HWND pin, int dx) {
        const POINT before = PinOrigin(pin);
        const RECT bounds = RectOf(live->Window());
        SetWindowPos(live->Window(), nullptr, bounds.left + dx, bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return WaitUntil([&] { return PinOrigin(pin).x == before.x + dx; }, 1500);
    }

    // How often the hung window has been asked to move, its own moves included.
    size_t MovesOfHungTarget() const {
        size_t moves = 0;
        for (const RecordedMessage& recorded : hung->RecordedMessages()) {
            if (recorded.message == WM_WINDOWPOSCHANGING) ++moves;
        }
        return moves;
    }

    std::unique_ptr<TargetProcess> live;
    std::unique_ptr<TargetProcess> hung;
};

TEST_F(HungTarget, ItsPinClosesAtOnceWhileTheOtherPinsFollowAndLaunchesHandOff) {
    HWND onLive = PrickAt(live->FreePoint());
    HWND onHung = LaunchAnotherPinAt(hung->FreePoint());
    ASSERT_NE(onHung, nullptr);
    LeftClickAt(hung->FreePoint());
    // Made topmost and then active: the pin has done with its call to the target before it stops.
    ASSERT_TRUE(WaitUntil(
        [&] { return IsTopmost(hung->Window()) && GetForegroundWindow() == hung->Window(); }, 2000));

    SuspendedThread stopped(hung->Window());
    ASSERT_TRUE(stopped);
    LeftDoubleClickAt(KnobOf(onHung));
    EXPECT_TRUE(dokkle->WaitForPinCount(1, 1500));
    EXPECT_TRUE(PinFollowsLiveTarget(onLive, 50));
    EXPECT_NE(LaunchAnotherPinAt(POINT{500, 600}), nullptr);

    // The closed pin's target is given back its normal z-order once it answers again.
    EXPECT_TRUE(IsTopmost(hung->Window()));
    stopped.Resume();
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(hung->Window()); }, 3000));
}

TEST_F(HungTarget, APinDroppedOntoItIsStuckInWithoutStallingTheOthers) {
    HWND onLive = PrickAt(live->FreePoint());
    SuspendedThread stopped(hung->Window());
    ASSERT_TRUE(stopped);

    HWND dropped = LaunchAnotherPinAt(hung->FreePoint());
    ASSERT_NE(dropped, nullptr);
    LeftClickAt(hung->FreePoint());
    EXPECT_TRUE(WaitUntil([&] { return CursorShowing(); }, 1500));
    EXPECT_TRUE(PinFollowsLiveTarget(onLive, -30));
    EXPECT_TRUE(dokkle->IsRunning());

    stopped.Resume();
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(hung->Window()); }, 3000));
    EXPECT_TRUE(PinHangsAt(dropped, hung->FreePoint()));
}

TEST_F(HungTarget, ManyPinsFixingItsPlaceLeaveOneChangeWaitingAndTheOtherPinsFollow) {
    HWND onLive = PrickAt(live->FreePoint());
    for (const POINT spot : {hung->FreePoint(), POINT{620, 220}, POINT{720, 220}, POINT{820, 220}}) {
        HWND pin = LaunchAnotherPinAt(spot);
        ASSERT_NE(pin, nullptr);
        LeftClickAt(spot);
        ASSERT_TRUE(WaitUntil([&] { return StuckInto(pin, hung->Window()); }));
        ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));
    }
    const RECT home = RectOf(hung->Window());
    const size_t movesBefore = MovesOfHungTarget();

    // It moves aside by itself and stops answering for two seconds; every tick of each pin wants it back.
    const UINT strayAndHang = RegisterWindowMessageW(L"DokkleTestStrayAndHang");
    PostMessageW(hung->Window(), strayAndHang, 60, 2000);
    ASSERT_TRUE(WaitUntil([&] { return RectOf(hung->Window()).left == home.left + 60; }, 1000));
    const ULONGLONG strayed = GetTickCount64();
    EXPECT_TRUE(PinFollowsLiveTarget(onLive, 50));
    EXPECT_TRUE(PinFollowsLiveTarget(onLive, -50));
    ASSERT_LT(GetTickCount64() - strayed, 1500u)
        << "the hang was over before the other pin was seen following";

    EXPECT_TRUE(WaitUntil([&] { return RectOf(hung->Window()).left == home.left; }, 5000));
    // A while in which any change still on its way would arrive.
    PumpMessagesFor(500);
    // Its own move aside, the change that was waiting for it and at most the one that took the place of
    // every later one.
    EXPECT_LE(MovesOfHungTarget() - movesBefore, 3u);
    EXPECT_EQ(RectOf(hung->Window()).left, home.left);
}

}  // namespace
}  // namespace dokkle::e2e
