// A target whose thread stops handling its messages: its own pin can still be closed and stuck into
// it, the other pins go on following, and launches still hand off. It gets the z-order changes when
// it answers again.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

// Stops a target's thread from handling anything, as a hung program's, until the object goes.
class SuspendedThread {
  public:
    explicit SuspendedThread(HWND window)
        : thread_(OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(window, nullptr))) {
        suspended_ = thread_ && SuspendThread(thread_) != static_cast<DWORD>(-1);
    }
    ~SuspendedThread() { Resume(); }
    SuspendedThread(const SuspendedThread&) = delete;
    SuspendedThread& operator=(const SuspendedThread&) = delete;

    explicit operator bool() const { return suspended_; }
    void Resume() {
        if (suspended_) ResumeThread(thread_);
        suspended_ = false;
        if (thread_) CloseHandle(std::exchange(thread_, nullptr));
    }

  private:
    HANDLE thread_;
    bool suspended_ = false;
};

class HungTarget : public PinTest {
  protected:
    void SetUp() override {
        PinTest::SetUp();
        TargetOptions liveOptions, hungOptions;
        liveOptions.title = L"Live";
        liveOptions.bounds = RECT{40, 120, 440, 420};
        hungOptions.title = L"Hung";
        hungOptions.bounds = RECT{540, 120, 940, 420};
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

}  // namespace
}  // namespace dokkle::e2e
