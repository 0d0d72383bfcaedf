#include "pin/EventHookTable.h"

#include <algorithm>

namespace dokkle {

EventHookTable::Change EventHookTable::Stick(PinId pin, WindowId target, ProcessId process) {
    Change change{Remove(pin), std::nullopt};
    if (process != 0 && !IsHooked(process)) change.hook = process;
    entries_.push_back(Entry{pin, target, process});
    // Moved within one process: its hook stays as it is.
    if (change.unhook && change.hook && *change.unhook == *change.hook) change = Change{};
    return change;
}

EventHookTable::Change EventHookTable::Release(PinId pin) {
    return Change{Remove(pin), std::nullopt};
}

std::optional<EventHookTable::ProcessId> EventHookTable::Remove(PinId pin) {
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.pin == pin; });
    if (found == entries_.end()) return std::nullopt;
    const ProcessId process = found->process;
    entries_.erase(found);
    if (process == 0 || IsHooked(process)) return std::nullopt;
    return process;
}

std::vector<EventHookTable::PinId> EventHookTable::PinsStuckInto(WindowId target) const {
    std::vector<PinId> pins;
    for (const Entry& entry : entries_) {
        if (entry.target == target) pins.push_back(entry.pin);
    }
    return pins;
}

bool EventHookTable::IsHooked(ProcessId process) const {
    return process != 0 && std::any_of(entries_.begin(), entries_.end(),
                                       [&](const Entry& e) { return e.process == process; });
}

}  // namespace dokkle
