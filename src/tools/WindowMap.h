#pragma once
// The selection dialog's map of the desktop: the scales from screen to map pixels, the windows' and
// the monitors' rectangles on it and which window a point on it hits.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/Geometry.h"
#include "tools/WindowEntry.h"

namespace dokkle {

// Map pixels per screen pixel, each axis on its own (the map stretches the desktop to its box), and the
// desktop's top-left corner, the screen point that lands on the map's first pixel.
struct MapScale {
    float x = 0, y = 0;
    Point origin;
};

// The desktop is the virtual screen, every monitor's rectangle together; on a desktop of one monitor it
// is the primary screen, whose corner is (0, 0). Its right and bottom edges land on the box's last
// pixel column and row.
MapScale MeasureMap(int32_t innerWidth, int32_t innerHeight, const Rect& desktop);

// A screen rectangle in map pixels: each coordinate's distance from the desktop's corner times the
// scale, rounded to the nearest integer, halves to even.
Rect ToMapRect(const Rect& screen, MapScale scale);

// The monitors' rectangles in map pixels, drawn so that the user recognises the layout; none on a
// desktop of one monitor, whose map shows windows alone.
std::vector<Rect> MonitorOutlines(const std::vector<Rect>& monitors, MapScale scale);

// A colour halfway between the map's background and its grey text: the monitors' outlines lie faintly
// under the windows. Colours are 0x00BBGGRR.
uint32_t FaintOutlineColour(uint32_t background, uint32_t grey);

// The entry with the lowest index whose rectangle holds the point, edges included: the highest window
// in the Z order, the one drawn on top.
std::optional<size_t> HitTestMap(const std::vector<WindowEntry>& entries, Point point);

}  // namespace dokkle
