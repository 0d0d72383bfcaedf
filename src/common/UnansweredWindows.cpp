#include "common/UnansweredWindows.h"

#include <utility>

namespace dokkle {

bool UnansweredWindows::ShouldAsk(uintptr_t window, uint64_t now) const {
    const Entry* entry = Find(window);
    return !entry || now - entry->askedAt >= AskAgainAfterMilliseconds;
}

bool UnansweredWindows::IsWaitedFor(uintptr_t window) const {
    return Find(window) != nullptr;
}

void UnansweredWindows::Wait(uintptr_t window, uint32_t thread, uint64_t now) {
    if (Entry* entry = Find(window)) {
        entry->thread = thread;
        entry->askedAt = now;
        return;
    }
    windows_.push_back(Entry{window, thread, now, std::nullopt});
}

void UnansweredWindows::Join(uintptr_t window, const WindowPosRequest& request) {
    Entry* entry = Find(window);
    if (!entry) return;
    entry->waiting = entry->waiting ? Combine(*entry->waiting, request) : request;
}

void UnansweredWindows::AskedAgain(uintptr_t window, uint64_t now) {
    if (Entry* entry = Find(window)) entry->askedAt = now;
}

std::optional<WindowPosRequest> UnansweredWindows::Answered(uintptr_t window, uint64_t now) {
    Entry* entry = Find(window);
    if (!entry) return std::nullopt;
    if (!entry->waiting) {
        Forget(window);
        return std::nullopt;
    }
    entry->askedAt = now;
    return std::exchange(entry->waiting, std::nullopt);
}

std::optional<WindowPosRequest> UnansweredWindows::Forget(uintptr_t window) {
    Entry* entry = Find(window);
    if (!entry) return std::nullopt;
    std::optional<WindowPosRequest> waiting = entry->waiting;
    windows_.erase(windows_.begin() + (entry - windows_.data()));
    return waiting;
}

UnansweredWindows::Entry* UnansweredWindows::Find(uintptr_t window) {
    for (Entry& entry : windows_) {
        if (entry.window == window) return &entry;
    }
    return nullptr;
}

const UnansweredWindows::Entry* UnansweredWindows::Find(uintptr_t window) const {
    for (const Entry& entry : windows_) {
        if (entry.window == window) return &entry;
    }
    return nullptr;
}

}  // namespace dokkle
