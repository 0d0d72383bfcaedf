#pragma once
// Other threads' windows that did not answer when asked, remembered until they answer again. What is
// asked of such a window meanwhile waits, combined into one change, so that however many pins want
// something of a slow or hung window, it is asked at most once a while and one change at a time is on
// its way to it.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/WindowPosRequest.h"

namespace dokkle {

class UnansweredWindows {
  public:
    // A window waited for is asked again after this long, in case its answer was lost.
    static constexpr uint64_t AskAgainAfterMilliseconds = 1000;

    // Whether a request for the window is to ask it first: it is not waited for, or was last asked long
    // ago. Otherwise the request joins what waits for it.
    bool ShouldAsk(uintptr_t window, uint64_t now) const;
    bool IsWaitedFor(uintptr_t window) const;

    // A change was posted to the window, which did not answer when asked: wait for its answer.
    void Wait(uintptr_t window, uint32_t thread, uint64_t now);
    // A request that waits for the window's answer, combined with those before it.
    void Join(uintptr_t window, const WindowPosRequest& request);
    // The window waited for was asked again, and did not answer.
    void AskedAgain(uintptr_t window, uint64_t now);

    // The window's answer to the posted change came: what has joined since, to post now (the window is
    // still waited for), or nothing (the window is forgotten).
    std::optional<WindowPosRequest> Answered(uintptr_t window, uint64_t now);
    // The window answered when asked: it is forgotten, and what had joined is handed back.
    std::optional<WindowPosRequest> Forget(uintptr_t window);
    // Forgets the windows that are gone, or whose handle now names another thread's window.
    template <typename IsGone>
    void ForgetGone(IsGone isGone) {
        std::erase_if(windows_, [&](const Entry& entry) { return isGone(entry.window, entry.thread); });
    }

    size_t Size() const { return windows_.size(); }

  private:
    struct Entry {
        uintptr_t window;
        uint32_t thread;
        uint64_t askedAt;
        std::optional<WindowPosRequest> waiting;
    };
    Entry* Find(uintptr_t window);
    const Entry* Find(uintptr_t window) const;

    std::vector<Entry> windows_;
};

}  // namespace dokkle
