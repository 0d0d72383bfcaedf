#include "pin/TargetEventHooks.h"

#include <algorithm>
#include <array>
#include <map>

#include "common/Win32Handles.h"
#include "pin/EventHookTable.h"
#include "pin/FollowStatistics.h"
#include "pin/TargetEvent.h"
#include "pin/frmMain.h"

namespace dokkle::TargetEventHooks {
namespace {

static_assert(WinEvents::SystemForeground == EVENT_SYSTEM_FOREGROUND &&
              WinEvents::ObjectDestroy == EVENT_OBJECT_DESTROY &&
              WinEvents::ObjectLocationChange == EVENT_OBJECT_LOCATIONCHANGE &&
              WinEvents::ObjectIdWindow == OBJID_WINDOW && WinEvents::ChildIdSelf == CHILDID_SELF);

using unique_hwineventhook = unique_any<HWINEVENTHOOK, null_handle_traits<HWINEVENTHOOK, ::UnhookWinEvent>>;

void CALLBACK TargetEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD,
                          DWORD) noexcept;

// One process's hook: a registration for each event the pins follow, out of context, so that nothing
// of ours runs inside the other program and the events reach us through our own message loop.
class ProcessHook {
  public:
    explicit ProcessHook(DWORD process) {
        for (size_t i = 0; i < hooks_.size(); ++i) {
            const DWORD event = WinEvents::Hooked[i];
            hooks_[i].reset(
                SetWinEventHook(event, event, nullptr, TargetEvent, process, 0, WINEVENT_OUTOFCONTEXT));
        }
    }
    // False when the window system refused every registration: the timer alone follows that process.
    explicit operator bool() const noexcept {
        return std::any_of(hooks_.begin(), hooks_.end(), [](const auto& hook) { return bool(hook); });
    }

  private:
    std::array<unique_hwineventhook, std::size(WinEvents::Hooked)> hooks_;
};

EventHookTable& Table() {
    static EventHookTable table;
    return table;
}

std::map<DWORD, ProcessHook>& Hooks() {
    static std::map<DWORD, ProcessHook> hooks;
    return hooks;
}

uintptr_t IdOf(HWND window) {
    return reinterpret_cast<uintptr_t>(window);
}

void Apply(const EventHookTable::Change& change) {
    if (change.unhook) Hooks().erase(*change.unhook);
    if (!change.hook) return;
    ProcessHook hook(*change.hook);
    if (hook) Hooks().emplace(*change.hook, std::move(hook));
}

// The event is looked up among the pins' current targets by its handle alone, and each pin is found
// afresh by its own window, since the reaction of one may close another.
void CALLBACK TargetEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD,
                          DWORD) noexcept {
    FollowStatistics::CountEventReceived();
    const TargetEventAction action = DecideTargetEvent(event, objectId, childId);
    if (action == TargetEventAction::None) return;
    try {
        for (const uintptr_t id : Table().PinsStuckInto(IdOf(window))) {
            if (frmMain* pin = frmMain::FromWindow(reinterpret_cast<HWND>(id)))
                pin->TargetEvent(window, action);
        }
    } catch (...) {
        // The timer follows whatever the event could not.
    }
}

}  // namespace

void PinStuck(HWND pin, HWND target) {
    DWORD process = 0;
    GetWindowThreadProcessId(target, &process);
    // Our own windows are followed by the timer alone: pins that follow each other would chase each
    // other's events.
    if (process == GetCurrentProcessId()) process = 0;
    Apply(Table().Stick(IdOf(pin), IdOf(target), process));
}

void PinReleased(HWND pin) noexcept {
    // Releasing only removes: it allocates nothing.
    const EventHookTable::Change change = Table().Release(IdOf(pin));
    if (change.unhook) Hooks().erase(*change.unhook);
}

size_t HookedProcesses() noexcept {
    return Hooks().size();
}

}  // namespace dokkle::TargetEventHooks
