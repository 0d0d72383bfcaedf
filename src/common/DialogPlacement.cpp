#include "common/DialogPlacement.h"

#include <algorithm>

namespace dokkle {
namespace {

// Wide arithmetic: a work area may span more than half the 32-bit range; the answer lies between the
// start and the end, so it fits again.
int32_t PlaceAlong(int32_t start, int32_t end, int32_t size) {
    const int64_t room = int64_t{end} - start;
    const int64_t length = std::max(size, 0);
    if (length >= room) return start;
    return static_cast<int32_t>(start + (room - length) / 2);
}

}  // namespace

Point PlaceDialog(const Rect& workArea, int32_t width, int32_t height) {
    return Point{PlaceAlong(workArea.left, workArea.right, width),
                 PlaceAlong(workArea.top, workArea.bottom, height)};
}

}  // namespace dokkle
