#include "tools/SelectWindowLayout.h"

#include "common/Rounding.h"

namespace dokkle::SelectWindowLayout {
namespace {

// A design pixel is 15 twips, as on a screen at 96 dots per inch.
constexpr double TwipsPerDesignPixel = 15;

int32_t Across(int32_t design, Scale scale) {
    return RoundHalfEven(design * scale.x);
}
int32_t Down(int32_t design, Scale scale) {
    return RoundHalfEven(design * scale.y);
}

}  // namespace

Scale ScaleForTwipsPerPixel(double twipsPerPixelX, double twipsPerPixelY) {
    if (!(twipsPerPixelX > 0) || !(twipsPerPixelY > 0)) return Scale{};
    return Scale{TwipsPerDesignPixel / twipsPerPixelX, TwipsPerDesignPixel / twipsPerPixelY};
}

Bounds Scaled(const Bounds& design, Scale scale) {
    return Bounds{Across(design.left, scale), Down(design.top, scale), Across(design.width, scale),
                  Down(design.height, scale)};
}

Point Scaled(Point design, Scale scale) {
    return Point{Across(design.x, scale), Down(design.y, scale)};
}

Placement Arrange(int32_t clientWidth, int32_t clientHeight, int32_t listWidthNow, Scale scale) {
    Placement placement{};
    const int32_t labelWidth = clientWidth - Across(10, scale);
    if (labelWidth >= 0) placement.lblDescriptionWidth = labelWidth;

    const Bounds list{Across(5, scale), Down(35, scale),
                      clientWidth - Across(picDesktopBounds.width, scale) - Across(15, scale),
                      clientHeight - Down(40, scale)};
    if (list.width >= 0 && list.height >= 0) placement.lstWindows = list;

    const int32_t listWidth = placement.lstWindows ? list.width : listWidthNow;
    placement.picDesktop = Point{listWidth + Across(10, scale), Down(35, scale)};
    placement.picPanel = Point{clientWidth - Across(picPanelBounds.width, scale) - Across(5, scale),
                               clientHeight - Down(picPanelBounds.height, scale) - Down(5, scale)};
    return placement;
}

}  // namespace dokkle::SelectWindowLayout
