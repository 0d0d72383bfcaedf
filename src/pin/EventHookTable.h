#pragma once
// Which processes' window events the pins need: one hook for each process that owns a window a pin is
// stuck into, shared by all of that process's pins, made with the first and removed with the last.
// Handles and identifiers are plain numbers here; process 0 stands for a window whose events are not
// hooked (one that has gone, or one of our own).
#include <cstdint>
#include <optional>
#include <vector>

namespace dokkle {

class EventHookTable {
  public:
    using PinId = uintptr_t;
    using WindowId = uintptr_t;
    using ProcessId = uint32_t;

    // What the hooks must do after a change: remove one process's, make another's.
    struct Change {
        std::optional<ProcessId> unhook;
        std::optional<ProcessId> hook;
        friend bool operator==(const Change&, const Change&) = default;
    };

    // The pin is now stuck into the window of the process, wherever it was stuck before.
    Change Stick(PinId pin, WindowId target, ProcessId process);
    // The pin is stuck into nothing any more: pulled out, closed, or its window gone.
    Change Release(PinId pin);

    // The pins stuck into the window now, in the order they were stuck.
    std::vector<PinId> PinsStuckInto(WindowId target) const;
    bool IsHooked(ProcessId process) const;

  private:
    struct Entry {
        PinId pin;
        WindowId target;
        ProcessId process;
    };
    // Removes the pin, and names its process if no other pin is left there.
    std::optional<ProcessId> Remove(PinId pin);

    std::vector<Entry> entries_;
};

}  // namespace dokkle
