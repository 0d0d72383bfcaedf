#include "common/WindowPosRequest.h"

#include "common/WindowPosFlags.h"

namespace dokkle {

using namespace WindowPosFlags;

namespace {

constexpr uint32_t Decided = NoSize | NoMove | NoZOrder | NoActivate | ShowWindow | HideWindow;

bool ChangesBand(intptr_t insertAfter) {
    return insertAfter == InsertAfter::Topmost || insertAfter == InsertAfter::NoTopmost;
}

// The call whose z-order stands.
const WindowPosRequest& OrderOf(const WindowPosRequest& earlier, const WindowPosRequest& later) {
    if (later.flags & NoZOrder) return earlier;
    const bool earlierChangedBand = !(earlier.flags & NoZOrder) && ChangesBand(earlier.insertAfter);
    return later.insertAfter == InsertAfter::Top && earlierChangedBand ? earlier : later;
}

}  // namespace

WindowPosRequest Combine(const WindowPosRequest& earlier, const WindowPosRequest& later) {
    WindowPosRequest combined{InsertAfter::Top, 0, 0, 0, 0, (earlier.flags | later.flags) & ~Decided};

    const WindowPosRequest& order = OrderOf(earlier, later);
    combined.insertAfter = order.insertAfter;
    combined.flags |= order.flags & NoZOrder;

    const WindowPosRequest& place = !(later.flags & NoMove) ? later : earlier;
    combined.x = place.x;
    combined.y = place.y;
    combined.flags |= place.flags & NoMove;

    const WindowPosRequest& size = !(later.flags & NoSize) ? later : earlier;
    combined.width = size.width;
    combined.height = size.height;
    combined.flags |= size.flags & NoSize;

    const WindowPosRequest& shown = (later.flags & (ShowWindow | HideWindow)) ? later : earlier;
    combined.flags |= shown.flags & (ShowWindow | HideWindow);

    combined.flags |= earlier.flags & later.flags & NoActivate;
    return combined;
}

}  // namespace dokkle
