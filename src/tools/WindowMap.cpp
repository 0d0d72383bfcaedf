#include "tools/WindowMap.h"

#include <algorithm>

#include "common/Rounding.h"

namespace dokkle {
namespace {

float AxisScale(int32_t innerLength, int64_t desktopLength) {
    if (desktopLength <= 0) return 0;
    return static_cast<float>(static_cast<double>(std::max(innerLength - 1, 0)) /
                              static_cast<double>(desktopLength));
}

// Wide arithmetic: a window far off the desktop lies more than the 32-bit range away from its corner.
int32_t ToMapAxis(int32_t coordinate, int32_t origin, float scale) {
    return RoundHalfEven(static_cast<double>(scale) * static_cast<double>(int64_t{coordinate} - origin));
}

}  // namespace

MapScale MeasureMap(int32_t innerWidth, int32_t innerHeight, const Rect& desktop) {
    return MapScale{AxisScale(innerWidth, int64_t{desktop.right} - desktop.left),
                    AxisScale(innerHeight, int64_t{desktop.bottom} - desktop.top),
                    Point{desktop.left, desktop.top}};
}

Rect ToMapRect(const Rect& screen, MapScale scale) {
    return Rect{
        ToMapAxis(screen.left, scale.origin.x, scale.x), ToMapAxis(screen.top, scale.origin.y, scale.y),
        ToMapAxis(screen.right, scale.origin.x, scale.x), ToMapAxis(screen.bottom, scale.origin.y, scale.y)};
}

std::vector<Rect> MonitorOutlines(const std::vector<Rect>& monitors, MapScale scale) {
    std::vector<Rect> outlines;
    if (monitors.size() < 2) return outlines;
    for (const Rect& monitor : monitors) outlines.push_back(ToMapRect(monitor, scale));
    return outlines;
}

uint32_t FaintOutlineColour(uint32_t background, uint32_t grey) {
    uint32_t colour = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t from = (background >> shift) & 0xFF;
        const uint32_t to = (grey >> shift) & 0xFF;
        colour |= ((from + to) / 2) << shift;
    }
    return colour;
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
