#pragma once
// The selection dialog's layout in pixels: its controls where the design puts them, and where they go
// each time its client area changes size. The design's pixels are those of a screen at 96 dots per
// inch; on a finer screen every length grows with the fonts, by the screen's Scale.
#include <optional>

#include "common/Geometry.h"
#include "common/TwipsLayout.h"

namespace dokkle::SelectWindowLayout {

// Control ids; OK and Cancel take the dialog manager's IDOK and IDCANCEL so that Enter and Esc reach them.
constexpr int cmdOK = 1;
constexpr int cmdCancel = 2;
constexpr int lblDescription = 100;
constexpr int lstWindows = 101;
constexpr int picDesktop = 102;
constexpr int txtKeyword = 103;
constexpr int cmdSearch = 104;
constexpr int cmdUpdate = 105;

constexpr int32_t ClientWidth = 545;
constexpr int32_t ClientHeight = 374;

constexpr Bounds lblDescriptionBounds{5, 5, 536, 26};
constexpr Bounds lstWindowsBounds{5, 35, 256, 246};
// Two pixels of sunken border on each side leave 247 x 172 to draw in.
constexpr Bounds picDesktopBounds{265, 35, 251, 176};
constexpr Bounds picPanelBounds{275, 230, 251, 51};
// These five sit in the panel and move with it; their positions are relative to its corner.
constexpr Bounds txtKeywordBounds{0, 0, 196, 21};
constexpr Bounds cmdSearchBounds{200, 0, 51, 21};
constexpr Bounds cmdUpdateBounds{0, 25, 81, 26};
constexpr Bounds cmdOKBounds{85, 25, 81, 26};
constexpr Bounds cmdCancelBounds{170, 25, 81, 26};

// Screen pixels per design pixel, across and down: 1 at 96 dots per inch, 2 at 192.
struct Scale {
    double x = 1, y = 1;
};
Scale ScaleForTwipsPerPixel(double twipsPerPixelX, double twipsPerPixelY);
Bounds Scaled(const Bounds& design, Scale scale);
Point Scaled(Point design, Scale scale);

// Where the controls go for a client area; a step the controls would refuse (a negative width or
// height) is left out and the others still apply.
struct Placement {
    std::optional<int32_t> lblDescriptionWidth;
    std::optional<Bounds> lstWindows;
    Point picDesktop;  // new corner, size unchanged
    Point picPanel;    // new corner, size unchanged
};

// listWidthNow is the list's present width, which places the map when the list keeps it.
Placement Arrange(int32_t clientWidth, int32_t clientHeight, int32_t listWidthNow, Scale scale = {});

}  // namespace dokkle::SelectWindowLayout
