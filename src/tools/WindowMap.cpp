#include "tools/WindowMap.h"

#include <algorithm>

#include "common/Rounding.h"

namespace dokkle {
namespace {

float AxisScale(int32_t innerLength, int32_t screenLength) {
    if (screenLength <= 0) return 0;
    return static_cast<float>(static_cast<double>(std::max(innerLength - 1, 0)) / screenLength);
}

}  // namespace

MapScale MeasureMap(int32_t innerWidth, int32_t innerHeight, int32_t screenWidth, int32_t screenHeight) {
    return MapScale{AxisScale(innerWidth, screenWidth), AxisScale(innerHeight, screenHeight)};
}

Rect ToMapRect(const Rect& screen, MapScale scale) {
    const double x = scale.x;
    const double y = scale.y;
    return Rect{RoundHalfEven(x * screen.left), RoundHalfEven(y * screen.top),
                RoundHalfEven(x * screen.right), RoundHalfEven(y * screen.bottom)};
}

std::optional<size_t> HitTestMap(const std::vector<WindowEntry>& entries, Point point) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const WindowEntry& entry = entries[i];
        if (entry.Left <= point.x && point.x <= entry.Right && entry.Top <= point.y &&
            point.y <= entry.Bottom) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace dokkle
