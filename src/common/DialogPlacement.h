#pragma once
// Where a dialog goes on the screen, over plain rectangles.
#include <cstdint>

#include "common/Geometry.h"

namespace dokkle {

// The top-left corner of a dialog of the given outer size on a monitor's work area: centred on it, and
// so wholly inside it, along each axis where it fits (an odd pixel left over goes after it); along an
// axis where it does not fit, at the work area's start edge, so that the caption and the first
// controls stay on the screen. A negative size counts as none.
Point PlaceDialog(const Rect& workArea, int32_t width, int32_t height);

}  // namespace dokkle
