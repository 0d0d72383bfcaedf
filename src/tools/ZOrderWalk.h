#pragma once
// A walk down the Z order of top-level windows, one window after the other.
#include <cstdint>
#include <functional>
#include <vector>

namespace dokkle {

// The windows from top down to the one after which next gives 0, without skipped. The order can change
// while the walk runs; a window met a second time ends it, so it neither lists a window twice nor goes
// round for ever.
std::vector<uintptr_t> WalkZOrder(uintptr_t top, const std::function<uintptr_t(uintptr_t)>& next,
                                  uintptr_t skipped);

}  // namespace dokkle
