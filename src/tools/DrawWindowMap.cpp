#include "tools/DrawWindowMap.h"

#include <algorithm>
#include <cstdint>

#include "common/Win32Handles.h"
#include "tools/WindowMap.h"

namespace dokkle {
namespace {

int Coordinate(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// GDI leaves out a rectangle's right column and bottom row; the map's rectangles include them.
void DrawInclusiveRectangle(HDC dc, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    Rectangle(dc, Coordinate(left), Coordinate(top), Coordinate(right + 1), Coordinate(bottom + 1));
}

void DrawMonitorOutlines(HDC dc, const std::vector<Rect>& outlines) {
    if (outlines.empty()) return;
    unique_hpen faint(
        CreatePen(PS_SOLID, 1, FaintOutlineColour(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_GRAYTEXT))));
    unique_select_object keepPen(dc, faint.get());
    unique_select_object keepBrush(dc, GetStockObject(NULL_BRUSH));
    for (const Rect& outline : outlines) {
        DrawInclusiveRectangle(dc, outline.left, outline.top, outline.right, outline.bottom);
    }
}

}  // namespace

void DrawWindowMap(HDC dc, const RECT& area, const std::vector<Rect>& monitorOutlines,
                   const std::vector<WindowEntry>& entries, uintptr_t selectedWindow,
                   std::optional<size_t> selectedLine) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    DrawMonitorOutlines(dc, monitorOutlines);

    unique_hpen ownedOutline(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT)));
    unique_hpen outline(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
    HBRUSH highlight = GetSysColorBrush(COLOR_HIGHLIGHT);
    HBRUSH background = GetSysColorBrush(COLOR_WINDOW);
    auto* hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));

    unique_select_object keepPen(dc, outline.get());
    unique_select_object keepBrush(dc, hollow);
    for (size_t i = entries.size(); i-- > 0;) {
        const WindowEntry& entry = entries[i];
        SelectObject(dc, entry.HasParent ? ownedOutline.get() : outline.get());
        SelectObject(dc, entry.hWnd == selectedWindow ? highlight : entry.HasParent ? hollow : background);
        DrawInclusiveRectangle(dc, entry.Left, entry.Top, entry.Right, entry.Bottom);
    }

    if (selectedLine && *selectedLine < entries.size()) {
        const WindowEntry& entry = entries[*selectedLine];
        unique_hpen dotted(CreatePen(PS_DOT, 1, GetSysColor(COLOR_HIGHLIGHT)));
        SelectObject(dc, dotted.get());
        SelectObject(dc, hollow);
        const int previousMode = SetBkMode(dc, TRANSPARENT);
        DrawInclusiveRectangle(dc, int64_t{entry.Left} - 1, int64_t{entry.Top} - 1, int64_t{entry.Right} + 1,
                               int64_t{entry.Bottom} + 1);
        SetBkMode(dc, previousMode);
        SelectObject(dc, outline.get());
    }
}

}  // namespace dokkle
