#pragma once
// The selection dialog's map of the screen: the scales from screen to map pixels, the windows'
// rectangles on it and which window a point on it hits.
#include <cstddef>
#include <optional>
#include <vector>

#include "common/Geometry.h"
#include "tools/WindowEntry.h"

namespace dokkle {

// Map pixels per screen pixel, each axis on its own: the map stretches the screen to its box.
struct MapScale {
    float x = 0, y = 0;
};

// The screen's right and bottom edges land on the box's last pixel column and row.
MapScale MeasureMap(int32_t innerWidth, int32_t innerHeight, int32_t screenWidth, int32_t screenHeight);

// A screen rectangle in map pixels, each product rounded to the nearest integer, halves to even.
Rect ToMapRect(const Rect& screen, MapScale scale);

// The entry with the lowest index whose rectangle holds the point, edges included: the highest window
// in the Z order, the one drawn on top.
std::optional<size_t> HitTestMap(const std::vector<WindowEntry>& entries, Point point);

}  // namespace dokkle
