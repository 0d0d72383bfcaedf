#pragma once
// Drawing the selection dialog's map: every listed window's rectangle, the bottom of the Z order first.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "common/Geometry.h"
#include "tools/WindowEntry.h"

namespace dokkle {

// Clears the area to the window colour, outlines each monitor faintly, and draws each entry's rectangle
// in map pixels over them: owned windows as grey outlines, the others as blocks that hide what lies
// below, the selected window highlighted, and a dotted frame one pixel outside the rectangle of the
// selected line's window.
void DrawWindowMap(HDC dc, const RECT& area, const std::vector<Rect>& monitorOutlines,
                   const std::vector<WindowEntry>& entries, uintptr_t selectedWindow,
                   std::optional<size_t> selectedLine);

}  // namespace dokkle
