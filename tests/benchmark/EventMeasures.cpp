#include "EventMeasures.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

#include "ChildProcess.h"
#include "Desktop.h"
#include "DokkleProcess.h"

namespace dokkle::benchmark {

using namespace dokkle::e2e;

namespace {

void CALLBACK IgnoreEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {}

// Wine sends a program's events on only once its thread has learnt that some hook exists: the benchmark,
// raising its windows' events as Windows would, holds one of its own that does nothing.
class OwnEventHook {
  public:
    OwnEventHook()
        : hook_(SetWinEventHook(EVENT_MIN, EVENT_MIN, nullptr, IgnoreEvent, GetCurrentProcessId(), 0,
                                WINEVENT_OUTOFCONTEXT)) {
        if (!hook_) throw std::runtime_error("the benchmark's own event hook could not be made");
    }
    ~OwnEventHook() { UnhookWinEvent(hook_); }
    OwnEventHook(const OwnEventHook&) = delete;
    OwnEventHook& operator=(const OwnEventHook&) = delete;

  private:
    HWINEVENTHOOK hook_;
};

void Raise(DWORD event, HWND window) {
    NotifyWinEvent(event, window, OBJID_WINDOW, CHILDID_SELF);
}

// Polls every millisecond, handling what this thread is sent: a time is taken to within one.
bool PollUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const double end = Now() + timeoutMilliseconds;
    while (!condition()) {
        if (Now() > end) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    return true;
}

// Whether no visible window of its band lies above it: where an activated window goes, and when
// Windows reports its activation.
bool OnTopOfItsBand(HWND window) {
    const bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    for (HWND above = GetWindow(window, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        if (!IsWindowVisible(above)) continue;
        if (topmost || !(GetWindowLongW(above, GWL_EXSTYLE) & WS_EX_TOPMOST)) return false;
    }
    return true;
}

}  // namespace

WithAndWithoutEvents FollowLatencies(const std::wstring& folder, int moves) {
    OwnEventHook hook;
    BenchmarkWindows windows;
    HWND target = windows.Add(RECT{200, 150, 700, 550});
    std::unique_ptr<DokkleProcess> dokkle;
    HWND pin = PrickNewPin(dokkle, folder, CentreOf(target));
    // A pause before each move, so that it falls anywhere between two ticks, and the move itself.
    struct Move {
        int pause, dx;
    };
    std::mt19937 random(7);
    std::vector<Move> sequence;
    for (int move = 0; move < moves; ++move) {
        const int pause = 20 + static_cast<int>(random() % 160);
        sequence.push_back({pause, (move % 2 ? -1 : 1) * static_cast<int>(5 + random() % 40)});
    }
    auto run = [&](bool report) {
        std::vector<double> latencies;
        for (const Move& move : sequence) {
            PumpMessagesFor(move.pause);
            const RECT bounds = RectOf(target);
            const POINT expected{OriginOf(pin).x + move.dx, OriginOf(pin).y};
            const double start = Now();
            SetWindowPos(target, nullptr, bounds.left + move.dx, bounds.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (report) Raise(EVENT_OBJECT_LOCATIONCHANGE, target);
            PollUntil([&] { return OriginOf(pin).x == expected.x; }, 2000);
            latencies.push_back(Now() - start);
        }
        return SpreadOf(latencies);
    };
    const Spread without = run(false);
    return {without, run(true), 0, 0};
}

// Watches without pausing: the moment an activated window rises over its pin lasts only until the pin
// rises again, which without events a tick may do a millisecond later.
bool SpinUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const double end = Now() + timeoutMilliseconds;
    while (!condition()) {
        if (Now() > end) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return true;
}

WithAndWithoutEvents ActivationLatencies(const std::wstring& folder, int activations) {
    OwnEventHook hook;
    BenchmarkWindows windows;
    HWND target = windows.Add(RECT{200, 150, 700, 550});
    HWND elsewhere = windows.Add(RECT{760, 600, 1000, 740}, L"Elsewhere");
    std::unique_ptr<DokkleProcess> dokkle;
    HWND pin = PrickNewPin(dokkle, folder, CentreOf(target));
    std::mt19937 random(11);
    std::vector<int> pauses;
    for (int activation = 0; activation < activations; ++activation) {
        pauses.push_back(20 + static_cast<int>(random() % 160));
    }
    auto run = [&](bool report, int& unseen) {
        std::vector<double> latencies;
        for (const int pause : pauses) {
            SetForegroundWindow(elsewhere);
            PumpMessagesFor(pause);
            PollUntil([&] { return IsAbove(pin, target); }, 2000);
            const double start = Now();
            // Under Wine the activated window rises over its pin a millisecond or so after the call, with
            // no message to it; Windows reports the activation once it has risen.
            SetForegroundWindow(target);
            if (!SpinUntil([&] { return OnTopOfItsBand(target); }, 200)) {
                ++unseen;
                continue;
            }
            if (report) Raise(EVENT_SYSTEM_FOREGROUND, target);
            PollUntil([&] { return IsAbove(pin, target); }, 2000);
            latencies.push_back(Now() - start);
        }
        return SpreadOf(latencies);
    };
    WithAndWithoutEvents latencies{};
    latencies.without = run(false, latencies.unseenWithout);
    latencies.with = run(true, latencies.unseenWith);
    return latencies;
}

namespace {

int eventsCounted = 0;

void CALLBACK CountEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ++eventsCounted;
}

// How many location events a program raises a second, counted over two seconds by a hook on it alone.
double EventsPerSecondOf(DWORD process) {
    HWINEVENTHOOK counter = SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                                            CountEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    if (!counter) throw std::runtime_error("the raising program's events could not be counted");
    eventsCounted = 0;
    const double start = Now();
    WaitQuietlyFor(2000);
    const double perSecond = eventsCounted / ((Now() - start) / 1000.0);
    UnhookWinEvent(counter);
    return perSecond;
}

unsigned EventsReceivedBy(const DokkleProcess& dokkle) {
    const std::optional<unsigned> count = dokkle.EventCount(FollowStatistics::EventCount::EventsReceived);
    if (!count) throw std::runtime_error("the events Dokkle received could not be read");
    return *count;
}

}  // namespace

UnrelatedEvents UnrelatedEventsCost(const std::wstring& folder, int eventsPerSecond) {
    BenchmarkWindows windows;
    std::unique_ptr<DokkleProcess> dokkle;
    HWND target = windows.Add(RECT{20, 20, 200, 180});
    PrickNewPin(dokkle, folder, CentreOf(target));
    ChildProcess raiser(
        BuildFolder() + L"TestTarget.exe",
        L"--title Unrelated --rect 400 300 300 200 --noisy-window " + std::to_wstring(eventsPerSecond),
        BuildFolder());
    if (!WaitUntil([&] { return raiser.VisibleWindows().size() == 2; }, 10000)) {
        throw std::runtime_error("the raising program showed no windows");
    }
    // The target still and inactive, as for the idle figures.
    HWND elsewhere = windows.Add(RECT{800, 700, 1000, 760}, L"Elsewhere");
    SetForegroundWindow(elsewhere);
    MoveMouseTo(POINT{900, 740});
    PumpMessagesFor(1000);

    UnrelatedEvents cost{};
    cost.raisedPerSecond = EventsPerSecondOf(raiser.Id());
    const unsigned receivedBefore = EventsReceivedBy(*dokkle);
    const double start = Now();
    cost.cpu = MeasureIdleCpu(folder + L"Dokkle.exe");
    cost.receivedPerSecond = (EventsReceivedBy(*dokkle) - receivedBefore) / ((Now() - start) / 1000.0);

    dokkle.reset();
    PumpMessagesFor(1000);
    cost.serverAlone = MeasureServerCpu();
    return cost;
}

}  // namespace dokkle::benchmark
