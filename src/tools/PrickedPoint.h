#pragma once
// The point at which the dialog's mouse-button operations click into the target: the pin's tip,
// relative to the top-left corner of the target's window rectangle, packed as a mouse message's lParam.
#include <cstdint>

#include "common/Geometry.h"

namespace dokkle {

// x in the low 16 bits and y in the high 16 bits, each as a signed 16-bit value, so that the receiver
// reads both back as they were. A coordinate beyond -32768 ... 32767 (a target far off the screen) is
// clamped to the nearest end of that range, which keeps the point on the same side of the window.
// For a point inside the window this is y * 65536 + x.
int32_t PrickedPointLParam(Point tip, const Rect& target);

}  // namespace dokkle
