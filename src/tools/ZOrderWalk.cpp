#include "tools/ZOrderWalk.h"

#include <unordered_set>

namespace dokkle {

std::vector<uintptr_t> WalkZOrder(uintptr_t top, const std::function<uintptr_t(uintptr_t)>& next,
                                  uintptr_t skipped) {
    std::vector<uintptr_t> windows;
    std::unordered_set<uintptr_t> met;
    for (uintptr_t window = top; window != 0 && met.insert(window).second; window = next(window)) {
        if (window != skipped) windows.push_back(window);
    }
    return windows;
}

}  // namespace dokkle
