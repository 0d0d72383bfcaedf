// The window events of a pinned program: its window's moves, activation and end reach the pins at once,
// through one hook for each program that has pins in it; the follow timer still serves the rest.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

using Count = FollowStatistics::EventCount;

class TargetEvents : public PinTest {
  protected:
    static TargetOptions TargetAt(RECT bounds, bool raiseEvents) {
        TargetOptions options;
        options.bounds = bounds;
        options.raiseEvents = raiseEvents;
        return options;
    }

    unsigned CountOf(Count which) const {
        const std::optional<unsigned> count = dokkle->EventCount(which);
        EXPECT_TRUE(count.has_value()) << "no pin answered the question";
        return count.value_or(0);
    }

    // Makes another window the active one, so that the target's pin moves only when its target does.
    static void ActivateElsewhere(const TargetProcess& other) {
        SetForegroundWindow(other.Window());
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.Window(); }));
    }

    static void MoveBy(HWND window, int dx, int dy) {
        const RECT bounds = RectOf(window);
        SetWindowPos(window, nullptr, bounds.left + dx, bounds.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

TEST_F(TargetEvents, MovesThatTheTargetReportsAreFollowedOnTheirEvents) {
    TargetProcess target(TargetAt(RECT{100, 120, 500, 420}, true));
    TargetProcess other(TargetAt(RECT{560, 420, 900, 700}, false));
    HWND pin = PrickAt(target.FreePoint());
    ActivateElsewhere(other);
    ASSERT_EQ(CountOf(Count::HookedProcesses), 1u);

    constexpr int Moves = 10;
    const unsigned before = CountOf(Count::WindowPosCalls);
    for (int move = 0; move < Moves; ++move) {
        const int dx = (move % 2 ? -1 : 1) * (20 + 3 * move);
        const POINT expected{PinOrigin(pin).x + dx, PinOrigin(pin).y + 5};
        MoveBy(target.Window(), dx, 5);
        ASSERT_TRUE(WaitUntil([&] {
            const POINT origin = PinOrigin(pin);
            return origin.x == expected.x && origin.y == expected.y;
        })) << "move "
            << move;
    }
    // The target is inactive, so a pin's call is made only to move it: by the event, or by a tick that
    // fell into the few milliseconds between a move and its event, which a tick every 100 ms seldom does.
    // An event slower than the tick would lose most of these races.
    const unsigned onEvents = CountOf(Count::WindowPosCalls) - before;
    EXPECT_GT(onEvents, static_cast<unsigned>(Moves / 2));
    EXPECT_LE(onEvents, static_cast<unsigned>(Moves));
}

TEST_F(TargetEvents, AnActivatedTargetHasItsPinRaisedOnItsEvent) {
    TargetProcess target(TargetAt(RECT{100, 120, 500, 420}, true));
    TargetProcess other(TargetAt(RECT{560, 420, 900, 700}, false));
    HWND pin = PrickAt(target.FreePoint());

    constexpr int Activations = 4;
    for (int activation = 0; activation < Activations; ++activation) {
        ActivateElsewhere(other);
        const unsigned before = CountOf(Count::WindowPosCalls);
        // The activated window rises to the top of its band, over the pin, and then reports it. The
        // event raises the pin while its target is active, even when a tick has just done so.
        // Under load Wine can pass the activation to and fro a few times, each rise reported in turn, and
        // hand it back to the window that had it: an activation that did not stay is asked for once more,
        // as a user would click again.
        const auto raised = [&] { return CountOf(Count::WindowPosCalls) > before; };
        const auto activeUnderItsPin = [&] {
            return GetForegroundWindow() == target.Window() && IsAbove(pin, target.Window());
        };
        for (int attempt = 0;; ++attempt) {
            SetForegroundWindow(target.Window());
            if (WaitUntil(raised, 2000) && WaitUntil(activeUnderItsPin, 2000)) break;
            ASSERT_NE(GetForegroundWindow(), target.Window())
                << "activation " << activation << ": the active target's pin is not above it";
            ASSERT_TRUE(RetryOnce("the target did not stay active", attempt)) << "activation " << activation;
        }
    }
}

TEST_F(TargetEvents, ADestroyedTargetClosesItsPinsOnItsEventAndTheLastTakesTheHook) {
    TargetProcess target(TargetAt(RECT{100, 120, 500, 420}, true));
    TargetProcess stays(TargetAt(RECT{560, 120, 900, 420}, false));
    HWND first = PrickAt(target.FreePoint());
    HWND second = LaunchAnotherPinAt(POINT{180, 220});
    ASSERT_NE(second, nullptr);
    LeftClickAt(POINT{180, 220});
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(second, target.Window()); }));
    // A pin in another program keeps Dokkle running.
    HWND third = LaunchAnotherPinAt(stays.FreePoint());
    ASSERT_NE(third, nullptr);
    LeftClickAt(stays.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(third, stays.Window()); }));
    ASSERT_EQ(CountOf(Count::HookedProcesses), 2u);
    const unsigned before = CountOf(Count::PinsClosed);

    PostMessageW(target.Window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(first) && !IsWindow(second); }));
    // Both close inside the one event's handling, the second releasing the hook the event came through.
    // A tick may close one of them first only if it falls between the window's end and its event.
    EXPECT_GE(CountOf(Count::PinsClosed) - before, 1u);
    EXPECT_EQ(CountOf(Count::HookedProcesses), 1u);
    EXPECT_TRUE(IsWindow(third));
    EXPECT_TRUE(dokkle->IsRunning());
}

TEST_F(TargetEvents, EventsOfTheProgramsOtherWindowsMoveNothing) {
    TargetOptions options = TargetAt(RECT{100, 120, 500, 420}, true);
    options.noisyEventsPerSecond = 500;
    TargetProcess target(options);
    TargetProcess other(TargetAt(RECT{560, 420, 900, 700}, false));
    HWND pin = PrickAt(target.FreePoint());
    // The target active: whatever an event made the pin do would raise it, at the least.
    ActivateElsewhere(other);
    const unsigned activated = CountOf(Count::WindowPosCalls);
    SetForegroundWindow(target.Window());
    ASSERT_TRUE(WaitUntil([&] { return CountOf(Count::WindowPosCalls) > activated; }));
    const POINT origin = PinOrigin(pin);
    const unsigned received = CountOf(Count::EventsReceived);
    const unsigned calls = CountOf(Count::WindowPosCalls);

    // The hook is the program's, so its other window's events do arrive.
    ASSERT_TRUE(WaitUntil([&] { return CountOf(Count::EventsReceived) - received >= 200; }));
    PumpMessagesFor(300);  // a fixed wait: more of them, at which nothing may happen
    EXPECT_EQ(CountOf(Count::WindowPosCalls), calls);
    EXPECT_EQ(PinOrigin(pin).x, origin.x);
    EXPECT_EQ(PinOrigin(pin).y, origin.y);
    EXPECT_EQ(GetForegroundWindow(), target.Window());
}

TEST_F(TargetEvents, ATargetThatReportsNothingIsFollowedByTheTick) {
    TargetProcess target(TargetAt(RECT{100, 120, 500, 420}, false));
    TargetProcess other(TargetAt(RECT{560, 420, 900, 700}, false));
    HWND pin = PrickAt(target.FreePoint());
    ActivateElsewhere(other);
    ASSERT_EQ(CountOf(Count::HookedProcesses), 1u);
    const unsigned received = CountOf(Count::EventsReceived);

    const POINT expected{PinOrigin(pin).x + 60, PinOrigin(pin).y + 30};
    MoveBy(target.Window(), 60, 30);
    EXPECT_TRUE(WaitUntil([&] {
        const POINT origin = PinOrigin(pin);
        return origin.x == expected.x && origin.y == expected.y;
    }));
    EXPECT_EQ(CountOf(Count::EventsReceived), received);
    EXPECT_EQ(CountOf(Count::WindowPosCalls), 0u);
}

TEST_F(TargetEvents, AProgramsHookGoesWithItsLastPinHoweverItGoes) {
    TargetProcess first(TargetAt(RECT{60, 120, 460, 420}, false));
    TargetProcess second(TargetAt(RECT{560, 120, 960, 420}, false));
    HWND closing = PrickAt(first.FreePoint());
    ASSERT_EQ(CountOf(Count::HookedProcesses), 1u);
    HWND moving = LaunchAnotherPinAt(POINT{140, 220});
    ASSERT_NE(moving, nullptr);
    LeftClickAt(POINT{140, 220});
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(moving, first.Window()); }));
    EXPECT_EQ(CountOf(Count::HookedProcesses), 1u);
    HWND staying = LaunchAnotherPinAt(second.FreePoint());
    ASSERT_NE(staying, nullptr);
    LeftClickAt(second.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(staying, second.Window()); }));
    EXPECT_EQ(CountOf(Count::HookedProcesses), 2u);

    // Closed: another pin still holds the first program's hook.
    ASSERT_TRUE(WaitUntil([&] { return KnobOnScreen(closing); }));
    LeftDoubleClickAt(KnobOf(closing));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(closing); }));
    EXPECT_EQ(CountOf(Count::HookedProcesses), 2u);

    // Pulled out and stuck into the second program: the first program's hook goes with it.
    EXPECT_TRUE(PullOutAndCarryTo(moving, first.Window(), POINT{640, 340}));
    EXPECT_TRUE(WaitUntil([&] { return CountOf(Count::HookedProcesses) == 1u; })) << "while carried";
    LeftRelease();
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(moving, second.Window()); }));
    EXPECT_EQ(CountOf(Count::HookedProcesses), 1u);

    // A carried pin keeps Dokkle running while the second program's window goes with its pins.
    ASSERT_NE(LaunchAnotherPinAt(POINT{300, 600}), nullptr);
    second.Kill();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(moving) && !IsWindow(staying); }));
    EXPECT_EQ(CountOf(Count::HookedProcesses), 0u);
}

}  // namespace
}  // namespace dokkle::e2e
